#include "dialogs.h"

#include <fstream>

namespace harness {

std::string WindowText(HWND window) {
  char text[4096] = "";
  // WM_GETTEXT works across processes, unlike GetWindowText.
  SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, nullptr);
  text[sizeof text - 1] = '\0';
  return text;
}

std::string ClassName(HWND window) {
  char name[256];
  return GetClassNameA(window, name, sizeof name) ? name : "";
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line); lines.push_back(line))
    if (!line.empty() && line.back() == '\r') line.pop_back();
  return lines;
}

std::string WindowsFile(const char* name) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\" + name;
}

HWND CreateStandInWindow(const char* className, WNDPROC procedure) {
  WNDCLASSA windowClass = {};
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
  return CreateWindowExA(0, className, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}

DWORD HandleCount() {
  // Counted by trying each handle value: Wine does not answer GetProcessHandleCount.
  DWORD count = 0, flags = 0;
  for (UINT_PTR value = 4; value < 0x10000; value += 4)
    if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++count;
  return count;
}

void PumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - elapsed < 20 ? milliseconds - elapsed : 20,
                              QS_ALLINPUT);
  }
}

bool WaitUntil(const std::function<bool()>& predicate, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (predicate()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    PumpFor(20);
  }
}

namespace {

BOOL CALLBACK CollectChildren(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> Windows(DWORD pid, const char* className, bool hiddenToo) {
  std::vector<HWND> found;
  HWND window = nullptr;
  while ((window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if ((hiddenToo || IsWindowVisible(window)) && (!pid || owner == pid)) found.push_back(window);
  }
  return found;
}

HWND WaitForDialog(const char* caption, DWORD pid, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows(pid, "#32770"))
          if (WindowText(window) == caption) return (found = window) != nullptr;
        return false;
      },
      timeoutMs);
  return found;
}

MessageBoxInfo ReadMessageBox(HWND box) {
  MessageBoxInfo info;
  info.window = box;
  info.owner = GetWindow(box, GW_OWNER);
  info.caption = WindowText(box);
  std::vector<HWND> children;
  EnumChildWindows(box, CollectChildren, reinterpret_cast<LPARAM>(&children));
  for (HWND child : children) {
    const std::string cls = ClassName(child);
    const LONG style = GetWindowLongA(child, GWL_STYLE);
    const int id = GetDlgCtrlID(child);
    if (cls == "Button" && (style & 0x0F) == BS_DEFPUSHBUTTON) info.defaultButton = id;
    if (cls == "Static" && (style & 0x1F) == SS_ICON) info.hasIcon = true;
    else if (cls == "Static" && id == 0xFFFF) info.text = WindowText(child);
  }
  return info;
}

std::vector<std::string> ClippedLabels(HWND dialog) {
  std::vector<std::string> clipped;
  std::vector<HWND> children;
  EnumChildWindows(dialog, CollectChildren, reinterpret_cast<LPARAM>(&children));
  // Wine passes no WM_GETFONT between processes: MS Sans Serif 8, as the dialog manager makes it.
  HDC screen = GetDC(nullptr);
  HFONT dialogFont = CreateFontA(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_DONTCARE, FALSE, FALSE,
                                 FALSE, DEFAULT_CHARSET, 0, 0, PROOF_QUALITY, FF_DONTCARE, "MS Sans Serif");
  ReleaseDC(nullptr, screen);
  for (HWND child : children) {
    const LONG style = GetWindowLongA(child, GWL_STYLE), kind = style & 0x0F;
    const bool box =
        ClassName(child) == "Button" && kind >= BS_CHECKBOX && kind <= BS_AUTORADIOBUTTON && kind != BS_GROUPBOX;
    const bool label = ClassName(child) == "Static" && (style & 0x1F) == SS_LEFT;
    const std::string text = WindowText(child);
    if (!(box || label) || !IsWindowVisible(child) || text.empty()) continue;
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) shown += text[i] == '&' && i + 1 < text.size() ? text[++i] : text[i];
    HDC dc = GetDC(child);
    const HFONT own = reinterpret_cast<HFONT>(SendMessageA(child, WM_GETFONT, 0, 0));
    HGDIOBJ old = SelectObject(dc, own ? own : dialogFont);
    SIZE size;
    TEXTMETRICA font;
    GetTextExtentPoint32A(dc, shown.c_str(), static_cast<int>(shown.size()), &size);
    GetTextMetricsA(dc, &font);
    SelectObject(dc, old);
    ReleaseDC(child, dc);
    RECT client;
    GetClientRect(child, &client);
    // A disabled text is drawn embossed, a pixel further right; a box's text starts after the mark and a
    // gap (half a digit and a pixel under Wine; a last letter may reach past its advance). A static tall
    // enough for two lines wraps its text instead of cutting it.
    const long need =
        size.cx + !IsWindowEnabled(child) + (box ? GetSystemMetrics(SM_CXMENUCHECK) + font.tmAveCharWidth : 0);
    if (need > client.right && (box || client.bottom < 2 * font.tmHeight)) clipped.push_back(text);
  }
  DeleteObject(dialogFont);
  return clipped;
}

void PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

}  // namespace harness
