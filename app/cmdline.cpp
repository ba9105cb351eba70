#include "app/cmdline.h"

#include "settings/options.h"

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

CommandKeyword MatchCommandKeyword(const char* commandLine, KeywordComparison same) {
  if (!commandLine) return kCommandNone;
  if (!same) same = SameIgnoringCase;
  for (const Keyword& keyword : kKeywords)
    if (same(commandLine, keyword.word)) return keyword.command;
  return kCommandNone;
}

int FastExitActionOf(CommandKeyword keyword) {
  switch (keyword) {
    case kCommandRestart: return kFastExitRestart95;
    case kCommandReboot: return kFastExitReboot;
    case kCommandLogoff: return kFastExitLogoff;
    case kCommandShutdown: return kFastExitShutdown;
    case kCommandDos: return kFastExitDos;
    default: return 0;
  }
}
