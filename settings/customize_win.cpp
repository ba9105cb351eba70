#include <windows.h>

#include "settings/options.h"

int Options::Customize(HWND owner) {
  (void)owner;
  // TODO(Options::Customize): the Customize property sheet is not built yet;
  // until it is, nothing is edited and the record stays as it was.
  return accepted = 0;
}
