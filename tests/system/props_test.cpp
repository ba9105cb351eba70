// The Screen Saver Properties dialog and its mini preview in the real
// program, with the saver fixtures installed, driven with real clicks and keys.
#include "driver.h"
#include "input.h"

namespace {

using namespace driver;

const char kProps[] = "Screen Saver Properties";

// A value under Control Panel\Desktop as text: the timeout, the password flag.
std::string Desktop(const char* name) {
  HKEY key;
  char text[64] = "";
  DWORD type = 0, size = sizeof text;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_READ, &key) != ERROR_SUCCESS) return "";
  RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
  RegCloseKey(key);
  return type == REG_DWORD ? std::to_string(*reinterpret_cast<DWORD*>(text)) : std::string(text);
}

std::vector<std::string> InstalledSaverLog() { return harness::ReadLines(WindowsFile("testsaver.log")); }

class SaverProperties : public ModeTest {
 protected:
  const char* PasswordValue() const { return Nt() ? "ScreenSaverIsSecure" : "ScreenSaveUsePassword"; }
  // The dialog with `selected` chosen in system.ini, a timeout of `timeout`
  // seconds and the password flag `password` stored before the program starts.
  enum Way { kMessage, kMenu, kBarButton };
  HWND Open(const std::string& selected, const char* ini = nullptr, UINT timeout = 90, long password = 0,
            Way way = kMessage) {
    ResetSystem(GetParam(), ini);
    InstallSavers();
    SelectSaverInSystemIni(selected.c_str());
    SystemParametersInfoA(SPI_SETSCREENSAVETIMEOUT, timeout, nullptr, SPIF_UPDATEINIFILE);
    HKEY key;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, KEY_WRITE, &key);
    const std::string flag = std::to_string(password);
    if (Nt())
      RegSetValueExA(key, PasswordValue(), 0, REG_SZ, reinterpret_cast<const BYTE*>(flag.c_str()), 2);
    else
      RegSetValueExA(key, PasswordValue(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&password), 4);
    RegCloseKey(key);
    if (!Start(ini, kKeepState)) return nullptr;
    if (way == kBarButton) Click(Button(IDC_BAR_PROPERTIES));
    else Post(way == kMenu ? WM_COMMAND : WM_NAPKEY_SAVER_PROPERTIES, way == kMenu ? IDM_SAVER_PROPERTIES : 0);
    return dialog = Dialog(kProps);
  }
  HWND Item(int id) const { return GetDlgItem(dialog, id); }
  // A path as the platform stores it in system.ini: Windows 95 the short form.
  std::string PlatformPath(const std::string& path) const {
    char shortPath[MAX_PATH];
    return Mode() == "win95" && GetShortPathNameA(path.c_str(), shortPath, MAX_PATH) ? shortPath : path;
  }
  std::string Chosen() const { return harness::WindowText(Item(IDC_PROPS_LIST)); }
  // Windows 95 lists a 32-bit saver under its file name, the others under its name string.
  std::string Name(const char* win95, const char* other) const { return Mode() == "win95" ? win95 : other; }
  // A click on a control; the button goes up once the control holds the
  // mouse (the list drops down and gives it to its list instead).
  void Press(int id) {
    HWND control = Item(id);
    if (id != IDC_PROPS_LIST) return Click(control);
    const POINT at = harness::CentreOf(control);
    harness::ClickAt(at.x, at.y);
  }
  // Drops the list, clicks the item `name`; answers a `failing` mini preview's box, which comes while it is down.
  void Choose(const std::string& name, bool failing = false) {
    HWND combo = Item(IDC_PROPS_LIST);
    const LRESULT index = SendMessageA(combo, CB_FINDSTRINGEXACT, -1, reinterpret_cast<LPARAM>(name.c_str()));
    ASSERT_NE(CB_ERR, index) << name;
    Press(IDC_PROPS_LIST);
    // Once the dropped list holds the mouse it is in place and tracks it.
    HWND list = nullptr;
    ASSERT_TRUE(harness::WaitUntil([&] {
      list = harness::FirstWindow(napkey.Pid(), "ComboLBox");
      return list && harness::CaptureOf(list) == list;
    }, 20000)) << "no dropped list";
    // Aimed until the item under the pointer is lit: a list may scroll by itself.
    POINT at = {};
    ASSERT_TRUE(harness::WaitUntil([&] {
      RECT item;
      SendMessageA(list, LB_SETTOPINDEX, index, 0);  // scrolled into sight, as a user would
      SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
      MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&item), 2);
      const LONG middle = (item.top + item.bottom) / 2;  // a new point each aim: the same one is no move
      at = {(item.left + item.right) / 2, at.y == middle ? middle + 1 : middle};
      harness::MouseMoveTo(at.x, at.y);
      return harness::WaitUntil([&] { return SendMessageA(list, LB_GETCURSEL, 0, 0) == index; }, 1000);
    }, 20000)) << name << " never lit";
    harness::ClickAt(at.x, at.y);
    if (failing) Answer(Dialog("Drowsel/Plus"), IDOK);
    EXPECT_TRUE(harness::WaitUntil([&] { return Chosen() == name && !SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0); },
                                   20000)) << name;
    ASSERT_TRUE(Alive());
  }
  // Clicks into the delay field, empties it and types `digits`.
  void TypeDelay(const char* digits) {
    HWND edit = Item(IDC_PROPS_DELAY);
    Press(IDC_PROPS_DELAY);
    ASSERT_TRUE(harness::WaitUntil([&] { return harness::FocusOf(edit) == edit; }, 20000));
    harness::KeyTap(VK_END);
    for (int i = 0; i < 10; ++i) harness::KeyTap(VK_BACK);
    harness::TypeDigits(digits);
    EXPECT_TRUE(harness::WaitUntil([&] { return harness::WindowText(edit) == digits; }, 20000)) << digits;
  }
  HWND MiniPreview() const { return harness::FirstWindow(napkey.Pid(), "QRT_SSPreview"); }
  // What the mini preview shows: a "live" child of the saver's process that
  // takes no input, its "icon" at the centre, or the "background" there.
  std::string Shown(HWND preview) const {
    if (HWND child = GetWindow(preview, GW_CHILD)) {
      DWORD process = 0;
      GetWindowThreadProcessId(child, &process);
      return process != napkey.Pid() && !IsWindowEnabled(child) ? "live" : "a child";
    }
    RECT client;
    GetClientRect(preview, &client);
    MapWindowPoints(preview, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const COLORREF centre = harness::ScreenPixel((client.left + client.right) / 2, (client.top + client.bottom) / 2);
    return centre == GetSysColor(COLOR_BACKGROUND) ? "background" : "icon";
  }
  HWND dialog = nullptr;
};

// Opened each way the program offers; the current saver is found by its full
// or short path in either directory, and Info shows that very file.
TEST_P(SaverProperties, CurrentSaverFromItsFullOrShortPathInEitherDirectory) {
  InstallSavers();
  char shortFull[MAX_PATH];
  ASSERT_TRUE(GetShortPathNameA(WindowsFile("Full Test Saver.scr").c_str(), shortFull, MAX_PATH));
  const std::string testsaver = Name("testsaver", "testsaver.scr (32-bit)");
  const struct { Way way; std::string selected, chosen, path; } cases[] = {
      {kMenu, WindowsFile("testsaver.scr"), testsaver, WindowsFile("testsaver.scr")},
      {kBarButton, SystemFile("testsaver.scr"), testsaver, SystemFile("testsaver.scr")},  // one name twice
      {kMessage, shortFull, Name("Full Test Saver", "Napkey Full Test Saver"), WindowsFile("Full Test Saver.scr")},
      {kMessage, "", "", ""}};
  for (const auto& c : cases) {
    ASSERT_TRUE(Open(c.selected, nullptr, 90, 0, c.way));
    EXPECT_EQ(7, SendMessageA(Item(IDC_PROPS_LIST), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(c.chosen, Chosen()) << c.selected;
    Press(IDC_PROPS_INFO);
    if (c.path.empty()) {
      EXPECT_EQ("No screen saver is selected.", Box().text);
      Answer(Dialog("Drowsel/Plus"), IDOK);
    } else {
      HWND info = Dialog("Screen Saver Information");
      EXPECT_EQ(0, lstrcmpiA(c.path.c_str(), harness::WindowText(GetDlgItem(info, IDC_INFO_PATH)).c_str()));
      Answer(info, IDOK);
    }
    Answer(dialog, IDCANCEL);
    ASSERT_TRUE(Alive());
    EXPECT_FALSE(IniHas("Misc/DelayInSecs")) << "Cancel writes nothing";
    EXPECT_TRUE(Exit());
  }
}

// Each kind of saver with the password flag stored on: the password controls
// and the mini preview follow the choice.
TEST_P(SaverProperties, PasswordControlsAndMiniPreviewFollowTheChosenSaver) {
  ASSERT_TRUE(Open(WindowsFile("testsaver.scr"), nullptr, 90, 1));
  const bool nt = Nt();
  const struct { std::string name; bool note, password, duringPreview, change; const char* shown; } cases[] = {
      {Name("saver310", "saver310.scr (32-bit)"), false, true, !nt, !nt, "icon"},
      {"Title (16-bit)", true, nt, false, false, "background"},
      {Name("testsaver", "testsaver.scr (32-bit)"), false, true, !nt, !nt, "live"}};
  for (const auto& c : cases) {
    Choose(c.name);
    EXPECT_EQ(c.note, IsWindowVisible(Item(IDC_PROPS_16BIT_NOTE)) != FALSE) << c.name;
    EXPECT_EQ(c.password, IsWindowEnabled(Item(IDC_PROPS_PASSWORD)) != FALSE) << c.name;
    EXPECT_EQ(c.duringPreview, IsWindowEnabled(Item(IDC_PROPS_NO_PREVIEW_PASSWORD)) != FALSE) << c.name;
    EXPECT_EQ(c.change, IsWindowEnabled(Item(IDC_PROPS_CHANGE_PASSWORD)) != FALSE) << c.name;
    HWND preview = MiniPreview();
    ASSERT_TRUE(preview);
    EXPECT_TRUE(harness::WaitUntil([&] { return Shown(preview) == c.shown; }, 20000)) << c.name << ": " << Shown(preview);
  }
  // Beside the dialog, on the side with more room.
  RECT box, preview;
  GetWindowRect(dialog, &box);
  GetWindowRect(MiniPreview(), &preview);
  EXPECT_EQ(box.top, preview.top);
  EXPECT_TRUE(preview.left == box.right || preview.right == box.left) << preview.left << " " << box.left;
  Answer(dialog, IDCANCEL);
  EXPECT_TRUE(Exit());
}

TEST_P(SaverProperties, OkAndApplyStoreWhatTheDialogShows) {
  const struct { const char* label; const char* ini; const char* typed; bool minutes, untick, apply; const char* timeout;
                 int inSeconds; bool active, choose = true; } cases[] = {
      {"90 s shown in minutes", "[Misc]\r\nDelayInSecs=0\r\n", nullptr, false, false, false, "60", 0, true},
      {"0 becomes 1, kept after Cancel", nullptr, "0", false, false, true, "1", 1, true},
      {"5 minutes", nullptr, "5", true, false, false, "300", 0, true},
      {"Timeout Enabled unticked", nullptr, nullptr, false, true, false, "90", 1, false},
      {"unticked with no saver, kept after Cancel", nullptr, nullptr, false, true, true, "90", 1, false, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ASSERT_TRUE(Open(c.choose ? WindowsFile("saver310.scr") : "", c.ini));
    EXPECT_EQ(c.ini ? "1" : "90", harness::WindowText(Item(IDC_PROPS_DELAY)));
    if (c.choose) Choose(Name("testsaver", "testsaver.scr (32-bit)"));
    if (c.typed) TypeDelay(c.typed);
    if (c.minutes) Press(IDC_PROPS_MINUTES);
    if (c.untick) Press(IDC_PROPS_ENABLED);
    Press(c.apply ? IDC_PROPS_APPLY : IDOK);
    ASSERT_TRUE(Alive());
    if (c.apply) Press(IDCANCEL);
    ASSERT_TRUE(harness::WaitUntil([&] { return !IsWindow(dialog); }, 20000));
    EXPECT_EQ(c.timeout, Desktop("ScreenSaveTimeOut"));
    EXPECT_EQ(c.active, SystemSaverActive());
    EXPECT_EQ(c.active ? "Disable screen saver" : "Enable screen saver", harness::WindowText(Button(IDC_BAR_TOGGLE)));
    EXPECT_EQ(0, lstrcmpiA(PlatformPath(c.choose ? WindowsFile("testsaver.scr") : "").c_str(), SaverInSystemIni().c_str()))
        << SaverInSystemIni();
    EXPECT_EQ((std::vector<int>{c.inSeconds, 1, 1}),
              (std::vector<int>{IniInt("Misc/DelayInSecs"), IniInt("Misc/DisablePreviewPassword"),
                                IniInt("Misc/ShowMiniPreview")}));
    if (!c.active && c.choose) {  // another program enables it and says so: held off
      AnotherProgramSetsSaverFlag(true);
      EXPECT_FALSE(SystemSaverActive()) << "the program keeps it off";
    }
    EXPECT_TRUE(Exit());
  }
}

TEST_P(SaverProperties, BadDelayIsRefusedAndNothingWritten) {
  // Typing stops when the narrow field is full; a longer number can still be
  // put there by another program, as here.
  for (const auto& typed : {std::make_pair("", false), std::make_pair("99999999", true)}) {
    ASSERT_TRUE(Open(WindowsFile("testsaver.scr")));
    TypeDelay("");
    if (typed.second) {
      SetWindowTextA(Item(IDC_PROPS_DELAY), typed.first);
      Press(IDC_PROPS_MINUTES);
    }
    Press(IDOK);
    HWND box = Dialog("Drowsel/Plus");
    EXPECT_EQ("Delay must be a positive number", harness::ReadMessageBox(box).text) << typed.first;
    Answer(box, IDOK);
    ASSERT_TRUE(Alive());
    EXPECT_EQ(Item(IDC_PROPS_DELAY), harness::FocusOf(dialog));
    const LRESULT selection = SendMessageA(Item(IDC_PROPS_DELAY), EM_GETSEL, 0, 0);
    EXPECT_EQ(static_cast<WORD>(std::string(typed.first).size()), HIWORD(selection)) << "all selected";
    EXPECT_EQ(0, LOWORD(selection));
    EXPECT_FALSE(IniHas("Misc/DelayInSecs"));
    EXPECT_EQ("90", Desktop("ScreenSaveTimeOut"));
    Answer(dialog, IDCANCEL);
    EXPECT_TRUE(Exit());
  }
}

// With the password flag stored on, both boxes ticked: on Windows 95 the
// saver runs without a password, and the flag comes back afterwards.
TEST_P(SaverProperties, PreviewAndSettingsWaitForTheSaverWithTheDialogDisabled) {
  ASSERT_TRUE(Open(WindowsFile("testsaver.scr"), nullptr, 90, 1));
  for (const auto& button : {std::make_pair(IDC_PROPS_PREVIEW, " /s"), std::make_pair(IDC_PROPS_SETTINGS, " /c")}) {
    Press(button.first);
    ASSERT_TRUE(harness::WaitUntil([&] {
      const std::vector<std::string> log = InstalledSaverLog();
      return !log.empty() && log.back() == WindowsFile("testsaver.scr") + button.second;
    }, 20000)) << button.second;
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(Mode() == "win95" ? "0" : "1", Desktop(PasswordValue())) << button.second;
    CloseTestSavers();
    ASSERT_TRUE(harness::WaitUntil([&] { return IsWindowEnabled(dialog) != FALSE; }, 20000));
    ASSERT_TRUE(Alive());
    EXPECT_EQ("1", Desktop(PasswordValue())) << button.second;
  }
  // Windows 95 asks the saver for its password dialog, owned by this one.
  if (!Nt()) {
    Press(IDC_PROPS_CHANGE_PASSWORD);
    const std::string line = WindowsFile("testsaver.scr") + " /A " + std::to_string(reinterpret_cast<LONG_PTR>(dialog));
    EXPECT_TRUE(harness::WaitUntil([&] {
      const std::vector<std::string> log = InstalledSaverLog();
      return !log.empty() && log.back() == line;
    }, 20000)) << line;
    CloseTestSavers();
  }
  Answer(dialog, IDCANCEL);
  EXPECT_TRUE(Exit());
}

TEST_P(SaverProperties, MiniPreviewRestartsOnceAfterResizingAndLeavesNoSaverBehind) {
  const auto previews = [] {
    int count = 0;
    for (const std::string& line : InstalledSaverLog()) count += line.find(" /p ") != std::string::npos;
    return count;
  };
  ASSERT_TRUE(Open(WindowsFile("testsaver.scr")));
  HWND preview = MiniPreview();
  ASSERT_TRUE(harness::WaitUntil([&] { return Shown(preview) == "live"; }, 20000));
  ASSERT_EQ(1, previews());
  ASSERT_TRUE(spy->ResizeBurst(preview, 5));
  ASSERT_TRUE(spy->RunTimer(preview, 200));  // the restart, due earlier, has run
  EXPECT_EQ(2, previews()) << "one restart for the whole burst";
  EXPECT_EQ("live", Shown(preview));
  Press(IDC_PROPS_MINI_PREVIEW);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindow(preview); }, 20000));
  EXPECT_TRUE(harness::WaitUntil([] { return RunningProcesses("testsaver.scr") == 0; }, 20000)) << "unticked";
  Press(IDC_PROPS_MINI_PREVIEW);
  ASSERT_TRUE(harness::WaitUntil([&] { return (preview = MiniPreview()) && Shown(preview) == "live"; }, 20000));
  Press(IDOK);
  EXPECT_TRUE(harness::WaitUntil([&] { return !IsWindow(dialog) && !IsWindow(preview); }, 20000));
  EXPECT_TRUE(harness::WaitUntil([] { return RunningProcesses("testsaver.scr") == 0; }, 20000)) << "after OK";
  EXPECT_TRUE(Exit());
}

// Savers cut inside their sections: no crash reading them, one box in the system's words per failed start.
TEST_P(SaverProperties, DamagedSaversAreToldOnceAndNeverCrashTheProgram) {
  ASSERT_TRUE(Open(WindowsFile("testsaver.scr")));
  Choose(Name("cut_saverfull", "cut_saverfull.scr (32-bit)"), true);  // the mini preview's own failure is told
  for (int button : {IDC_PROPS_PREVIEW, IDC_PROPS_SETTINGS}) {
    Press(button);
    const harness::MessageBoxInfo box = Box();
    EXPECT_NE(std::string::npos, box.text.find("CreateProcess failed; error # 193:\n")) << box.text;
    EXPECT_EQ(std::string::npos, box.text.find("Error # 193")) << box.text;
    Answer(box.window, IDOK);
    ASSERT_TRUE(Alive());
    for (HWND other : harness::Windows(0, "#32770", true))
      EXPECT_FALSE(other != box.window && harness::WindowText(other) == "Drowsel/Plus") << "a second box";
  }
  // Under Wine a fault in the dialog's set-up is passed over and leaves the path out.
  Press(IDC_PROPS_INFO);
  HWND info = Dialog("Screen Saver Information");
  EXPECT_EQ(0, lstrcmpiA(WindowsFile("cut_saverfull.scr").c_str(), harness::WindowText(GetDlgItem(info, IDC_INFO_PATH)).c_str()));
  Answer(info, IDOK);
  Choose(Name("cut_saver310", "cut_saver310.scr (32-bit)"));
  EXPECT_EQ("background", Shown(MiniPreview()));
  Answer(dialog, IDCANCEL);
  EXPECT_TRUE(Exit());
}

INSTANTIATE_TEST_SUITE_P(Windows, SaverProperties, ::testing::Values("win95", "nt40", "win10"));

}  // namespace
