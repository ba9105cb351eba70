// The command-line keywords and the help text shown for anything else.
#ifndef NAPKEY_APP_CMDLINE_H
#define NAPKEY_APP_CMDLINE_H

enum CommandKeyword {
  kCommandNone = 0,  // not a keyword: show the help text
  kCommandOn,
  kCommandOff,
  kCommandNow,
  kCommandLogoff,
  kCommandRestart,
  kCommandReboot,
  kCommandShutdown,
  kCommandDos,
};

extern const char kCommandLineHelpText[];

// Whether `text` names `keyword` (given in capitals), letter case ignored.
using KeywordComparison = bool (*)(const char* text, const char* keyword);

// The keyword the whole command line names; anything more (a blank, a slash,
// a second word) makes it no keyword. Without a comparison, ASCII letters are
// folded; the program passes the system's own comparison.
CommandKeyword MatchCommandKeyword(const char* commandLine, KeywordComparison same = nullptr);

// The minutes of "off" followed by blanks and a number of 1 to 1440; 0 for
// any other command line, which then names no keyword either.
unsigned TimedOffMinutes(const char* commandLine, KeywordComparison same = nullptr);

// The Fast Exit action of an exit keyword, 0 for the others.
int FastExitActionOf(CommandKeyword keyword);

#endif
