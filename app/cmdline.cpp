#include "app/cmdline.h"

#include "saver/watchdog.h"
#include "settings/options.h"

const char kCommandLineHelpText[] =
    "Command Line Options:\n\n"
    "napkey.exe           --> normal interface\n"
    "napkey.exe off       --> disables screen saver\n"
    "napkey.exe off N     --> disables it for N minutes (1-1440)\n"
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

unsigned TimedOffMinutes(const char* commandLine, KeywordComparison same) {
  if (!commandLine) return 0;
  if (!same) same = SameIgnoringCase;
  // The keyword is compared as a whole word, as the system compares it, so it
  // is copied out first.
  char word[16] = "";
  size_t length = 0;
  for (; commandLine[length] && commandLine[length] != ' ' && commandLine[length] != '\t'; ++length)
    if (length < sizeof word - 1) word[length] = commandLine[length];
  if (length >= sizeof word || !same(word, "OFF")) return 0;
  const char* digits = commandLine + length;
  while (*digits == ' ' || *digits == '\t') ++digits;
  if (digits == commandLine + length) return 0;
  unsigned minutes = 0;
  for (const char* c = digits; *c; ++c) {
    if (*c < '0' || *c > '9') return 0;
    minutes = minutes * 10 + static_cast<unsigned>(*c - '0');
    if (minutes > kTimedOffMaxMinutes) return 0;
  }
  return *digits ? minutes : 0;
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
