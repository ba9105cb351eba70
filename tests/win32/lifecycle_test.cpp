// The application object's life in this test process: the start-up sequence
// as the program runs it, re-entry during initialisation, the modal bracket
// and the orderly end. The main window handle is never cleared once set, so
// a process starts the program only once: everything is in one test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/messages.h"
#include "app/platform_win.h"
#include "app/userxface.h"
#include "dialogs.h"
#include "res/resource.h"
#include "saver/saverstate_win.h"

namespace {

struct DuringCreate {
  bool seen = false;
  UserXface* existing = reinterpret_cast<UserXface*>(1);
  UserXface* reentered = reinterpret_cast<UserXface*>(1);
};
DuringCreate g_duringCreate;

// Runs inside CreateWindowEx of the main window, before start-up completes.
LRESULT CALLBACK WatchCreate(int code, WPARAM wParam, LPARAM lParam) {
  const CWPSTRUCT* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION && message->message == WM_CREATE && !g_duringCreate.seen) {
    char name[32];
    if (GetClassNameA(message->hwnd, name, sizeof name) && strcmp(name, "Napkey") == 0) {
      g_duringCreate.seen = true;
      g_duringCreate.existing = UserXface::Access(1);
      g_duringCreate.reentered = UserXface::Access(0);
    }
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

std::string IniPath() {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  return std::string(directory) + "\\napkey.ini";
}

int IniInt(const char* section, const char* key) {
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");
  return static_cast<int>(GetPrivateProfileIntA(section, key, -9, "napkey.ini"));
}

// How many GDI objects this process can still create (up to a limit).
int FreeGdiSlots() {
  constexpr int kLimit = 70000;
  static HPEN pens[kLimit];
  int made = 0;
  while (made < kLimit && (pens[made] = CreatePen(PS_SOLID, 0, RGB(made & 255, 0, 0))) != nullptr) ++made;
  for (int i = 0; i < made; ++i) DeleteObject(pens[i]);
  return made;
}

void MeasureGdiAcrossLayouts(UserXface* app) {
  const int freeBefore = FreeGdiSlots();
  for (int i = 0; i < 1000; ++i) {
    app->options->ButtonBar.ButtonSize = i % 3;
    app->LayoutBar();
    RedrawWindow(g_mainWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  const int freeAfter = FreeGdiSlots();
  std::printf("GDI objects still creatable: %d before, %d after 1,000 re-layouts and paints\n", freeBefore,
              freeAfter);
  EXPECT_GE(freeAfter, freeBefore - 4) << "GDI objects leak";
  app->options->ButtonBar.ButtonSize = 0;
  app->LayoutBar();

}

TEST(UserXfaceLifecycle, StartReentryBracketAndEnd) {
  DeleteFileA(IniPath().c_str());
  WritePrivateProfileStringA("Drowsel", "DisableOnStart", "0", "napkey.ini");  // not a first start
  WritePrivateProfileStringA(nullptr, nullptr, nullptr, "napkey.ini");
  g_instance = GetModuleHandleA(nullptr);

  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchCreate, nullptr, GetCurrentThreadId());
  ASSERT_TRUE(hook);
  harness::MessageBoxAnswerer answerer(IDOK);
  UserXface* app = UserXface::Access(0);
  UnhookWindowsHookEx(hook);
  ASSERT_TRUE(answerer.Join()) << "no error box for the re-entry";

  ASSERT_NE(nullptr, app);
  ASSERT_TRUE(g_duringCreate.seen);
  EXPECT_EQ(nullptr, g_duringCreate.existing) << "mode 1 yields null while initialising";
  EXPECT_EQ(nullptr, g_duringCreate.reentered) << "mode 0 refuses re-entry";
  EXPECT_NE(std::string::npos,
            answerer.Seen().text.find("Program Error:  UserXface::Access re-entered during initialization"))
      << answerer.Seen().text;

  EXPECT_EQ(app, UserXface::Access(1));
  EXPECT_EQ(app, UserXface::Access(7)) << "other modes return the pointer unchanged";
  ASSERT_TRUE(g_mainWindow);
  ASSERT_NE(nullptr, app->options) << "start-up applied the loaded options";
  EXPECT_TRUE(app->iconClicksAllowed);
  EXPECT_TRUE(app->hotKeysAllowed);

  for (HWND button : {app->toggleButton, app->startButton, app->fastExitButton, app->propertiesButton})
    EXPECT_EQ(g_mainWindow, GetParent(button)) << "the four bar buttons";

  // While the About box is open, icon clicks and hot keys are refused.
  bool clearedWhileOpen = false;
  HANDLE watcher = nullptr;
  struct Watch {
    UserXface* app;
    bool* cleared;
  } watch{app, &clearedWhileOpen};
  watcher = CreateThread(
      nullptr, 0,
      [](void* param) -> DWORD {
        auto* w = static_cast<Watch*>(param);
        HWND about = harness::WaitForDialog("About Napkey+", GetCurrentProcessId(), 10000);
        if (!about) return 0;
        *w->cleared = !w->app->iconClicksAllowed && !w->app->hotKeysAllowed;
        harness::PressButton(about, IDOK);
        return 0;
      },
      &watch, 0, nullptr);
  SendMessageA(g_mainWindow, WM_COMMAND, IDM_ABOUT, 0);
  WaitForSingleObject(watcher, INFINITE);
  CloseHandle(watcher);
  EXPECT_TRUE(clearedWhileOpen);
  EXPECT_TRUE(app->iconClicksAllowed && app->hotKeysAllowed) << "set again once the box closed";

  // The live record handed back to itself stays as it is.
  app->options->ButtonBar.SpaceBetween = 9;
  SendMessageA(g_mainWindow, WM_NAPKEY_APPLY_OPTIONS, 0, reinterpret_cast<LPARAM>(app->options));
  EXPECT_EQ(9, app->options->ButtonBar.SpaceBetween);

  // Command 40009 flips the on-top option.
  const int32_t onTop = app->options->ButtonBar.OnTop;
  SendMessageA(g_mainWindow, WM_COMMAND, IDM_TOGGLE_ON_TOP, 0);
  EXPECT_EQ(onTop ? 0 : 1, app->options->ButtonBar.OnTop);

  // GDI objects must not leak across layouts and paints: count how many more
  // pens the process can still create before and after 1,000 of them. (Once,
  // in the Windows 10 run: it takes seconds.)
  if (GetPlatformLevel() >= 6) MeasureGdiAcrossLayouts(app);
  // Windows asking to end: the settings are written, the answer is yes.
  EXPECT_EQ(1, SendMessageA(g_mainWindow, WM_QUERYENDSESSION, 0, 0));
  EXPECT_EQ(9, IniInt("ButtonBar", "SpaceBetween"));
  EXPECT_EQ(CurrentSaverState().active ? 0 : 1, IniInt("Drowsel", "DisableOnStart"));

  DestroyWindow(g_mainWindow);
  harness::PumpFor(50);
  UserXface::Access(2);
  EXPECT_EQ(nullptr, UserXface::Access(1)) << "nothing left after mode 2";
  EXPECT_EQ(nullptr, CurrentStartupState());
  DeleteFileA(IniPath().c_str());
}

}  // namespace
