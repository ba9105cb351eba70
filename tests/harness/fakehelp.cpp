#include "fakehelp.h"

#include "dialogs.h"

#include <cstring>

namespace harness {

namespace {

FakeHelp* g_help = nullptr;

// What WinHelp sends: its size, the command, the command's data, and offsets
// of the file name and of extra data.
struct HelpRequest {
  WORD size;
  WORD command;
  LONG data;
  LONG reserved;
  WORD fileOffset;
  WORD dataOffset;
};

}  // namespace

FakeHelp::FakeHelp() {
  g_help = this;
  window = CreateStandInWindow("MS_WINHELP", Proc);
}

FakeHelp::~FakeHelp() {
  if (window) DestroyWindow(window);
  g_help = nullptr;
}

LRESULT CALLBACK FakeHelp::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPYDATA && g_help) {
    const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
    if (data->cbData >= sizeof(HelpRequest)) {
      const HelpRequest* request = static_cast<const HelpRequest*>(data->lpData);
      if (request->fileOffset && request->fileOffset < data->cbData)
        g_help->files.emplace_back(reinterpret_cast<const char*>(request) + request->fileOffset,
                                   strnlen(reinterpret_cast<const char*>(request) + request->fileOffset,
                                           data->cbData - request->fileOffset));
    }
    return TRUE;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace harness
