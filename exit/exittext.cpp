#include "exit/exittext.h"

#include "base/textbuf.h"

const char kExitToDosExplanation[] =
    "Prior to using this program to Exit To DOS, you must have done so at least once before from Windows 95.  "
    "Doing that creates the \"Exit To DOS\" file which is used to exit to MS-DOS mode.\n\n"
    "To exit to DOS from Windows 95, click the Start button, click Shut Down, click \"Restart the computer in "
    "MS-DOS mode,\" and then click Yes.  You may return to Windows 95 by typing \"exit\" (without the quotation "
    "marks) at the MS-DOS command prompt.";

const char* RestartFailureText(unsigned winExecResult) {
  switch (winExecResult) {
    case 0: return "System out of memory or resources";
    case 2:
    case 3: return "Auxiliary file NAPRST16.EXE not found.";
    case 11: return "Auxiliary file NAPRST16.EXE is damaged.";
    default: return "Unknown error launching auxiliary file NAPRST16.EXE";
  }
}

void ExitToDosFailureText(unsigned winExecResult, char* out, size_t size) {
  TextBuilder text(out, size);
  text.Append("Could not Exit To DOS:  Error # ").AppendNumber(static_cast<int>(winExecResult)).Append(" ");
  switch (winExecResult) {
    case 0: text.Append("(System out of memory or resources)"); break;
    case 3: text.Append("(Path not found)"); break;
    case 11: text.Append("(Invalid executable image)"); break;
    default: break;
  }
}
