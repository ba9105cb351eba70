#include "app/cmdline.h"

const char kCommandLineHelpText[] =
    "Command Line Options:\n\n"
    "napkey.exe           --> normal interface\n"
    "napkey.exe off       --> disables screen saver\n"
    "napkey.exe on        --> enables screen saver\n"
    "napkey.exe now       --> starts screen saver\n"
    "napkey.exe logoff    --> logs user off\n"
    "napkey.exe restart   --> restarts Windows 95\n"
    "napkey.exe reboot    --> reboots computer\n"
    "napkey.exe shutdown  --> shuts down computer\n"
    "napkey.exe dos       --> exit to MS-DOS mode\n";

namespace {

struct Keyword {
  const char* word;
  CommandKeyword command;
};

// In the order they are tried.
const Keyword kKeywords[] = {
    {"ON", kCommandOn},           {"OFF", kCommandOff},       {"NOW", kCommandNow},
    {"LOGOFF", kCommandLogoff},   {"RESTART", kCommandRestart}, {"REBOOT", kCommandReboot},
    {"SHUTDOWN", kCommandShutdown}, {"DOS", kCommandDos},
};

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameIgnoringCase(const char* text, const char* keyword) {
  for (; *text && *keyword; ++text, ++keyword)
    if (Upper(*text) != *keyword) return false;
  return *text == '\0' && *keyword == '\0';
}

}  // namespace

CommandKeyword MatchCommandKeyword(const char* commandLine) {
  if (!commandLine) return kCommandNone;
  for (const Keyword& keyword : kKeywords)
    if (SameIgnoringCase(commandLine, keyword.word)) return keyword.command;
  return kCommandNone;
}

int FastExitActionOf(CommandKeyword keyword) {
  switch (keyword) {
    case kCommandRestart: return 1;
    case kCommandReboot: return 2;
    case kCommandLogoff: return 3;
    case kCommandShutdown: return 4;
    case kCommandDos: return 5;
    default: return 0;
  }
}
