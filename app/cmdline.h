// The command-line keywords and the help text shown for anything else.
#ifndef NAPKEY_APP_CMDLINE_H
#define NAPKEY_APP_CMDLINE_H

extern const char kCommandLineHelpText[];

#endif
