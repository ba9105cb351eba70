// The baseline of `make bench`: a do-nothing window program built with the
// same tool chain and flags as napkey.exe. Without arguments it shows a small
// window until closed; with one it finds that window, sends it a message and
// ends, as `napkey off` does with a running copy.
#include <windows.h>

LRESULT CALLBACK BaselineProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  if (commandLine && *commandLine) {
    if (HWND running = FindWindowA("NapkeyBaseline", nullptr)) SendMessageA(running, WM_NULL, 0, 0);
    return 0;
  }
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = BaselineProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "NapkeyBaseline";
  RegisterClassA(&windowClass);
  CreateWindowExA(WS_EX_TOOLWINDOW, "NapkeyBaseline", "Baseline", WS_POPUP | WS_VISIBLE, 0, 0, 90, 24, nullptr, nullptr,
                  instance, nullptr);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
