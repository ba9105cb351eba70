// A line for whoever started the program from a console. The program has no
// window for a command-line refusal: the text goes to the error output it was
// given, else to the console of the program that started it, else nowhere.
#ifndef NAPKEY_BASE_CONSOLE_WIN_H
#define NAPKEY_BASE_CONSOLE_WIN_H

void TellConsole(const char* line);

#endif
