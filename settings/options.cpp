#include "settings/options.h"

#include "base/platform.h"

constexpr ProfileTable<FastExitIconOptions> kFastExitIcon = {"FastExitTaskbarIcon", {
    {"Show", &FastExitIconOptions::Show, 1}, {"ExitOnSingleClick", &FastExitIconOptions::ExitOnSingleClick, 0}}};
constexpr ProfileTable<TaskbarIconOptions> kTaskbarIcon = {"TaskbarIcon", {
    {"Show", &TaskbarIconOptions::Show, 1}, {"SingleClick", &TaskbarIconOptions::SingleClick, 1, kClickActionCount},
    {"DoubleClick", &TaskbarIconOptions::DoubleClick, 2, kClickActionCount},
    {"KeepDisplayOn", &TaskbarIconOptions::KeepDisplayOn, 1}}};
// The file's order differs from the record's.
constexpr ProfileTable<ButtonBarOptions> kButtonBar = {"ButtonBar", {
    {"Show", &ButtonBarOptions::Show, 1}, {"OnTop", &ButtonBarOptions::OnTop, 1},
    {"ButtonSize", &ButtonBarOptions::ButtonSize, 0, kButtonSizeCount}, {"SpaceBetween", &ButtonBarOptions::SpaceBetween, 4},
    {"Border", &ButtonBarOptions::Border, 3}, {"Tooltips", &ButtonBarOptions::Tooltips, 1},
    {"Selection", &ButtonBarOptions::Selection, kButtonAll}}};
constexpr ProfileTable<FastExitOptions> kFastExit = {"Fast Exit", {
    {"FastExitOpt", &FastExitOptions::FastExitOpt, kFastExitAsk, kFastExitActionCount}}};
// In the order of HotKeyOptions, which Key() relies on.
constexpr ProfileTable<HotKeyOptions, uint16_t> kHotKeys = {"Hot Keys", {
    {"StartSS", &HotKeyOptions::StartSS, 0}, {"BringToFg", &HotKeyOptions::BringToFg, 0},
    {"FastExit", &HotKeyOptions::FastExit, 0}, {"ToggleSS", &HotKeyOptions::ToggleSS, 0},
    {"Menu", &HotKeyOptions::Menu, 0}, {"SSPropsDlg", &HotKeyOptions::SSPropsDlg, 0},
    {"Customize", &HotKeyOptions::Customize, 0}}};
static_assert(kHotKeys.keys.size() == HotKeyOptions::kCount, "a key for each hot-key id");
constexpr ProfileTable<PositionOptions> kPosition = {"Position", {
    {"X", &PositionOptions::X, -1}, {"Y", &PositionOptions::Y, -1},
    {"Edge", &PositionOptions::Edge, kEdgeBottom, kEdgeCount},
    {"Orient", &PositionOptions::Orient, kOrientHorizontal, kOrientCount},
    {"MonitorLeft", &PositionOptions::MonitorLeft, 0}, {"MonitorTop", &PositionOptions::MonitorTop, 0},
    {"MonitorRight", &PositionOptions::MonitorRight, 0}, {"MonitorBottom", &PositionOptions::MonitorBottom, 0}}};

const char* FastExitActionName(int32_t fastExitOpt) {
  switch (fastExitOpt) {
    case kFastExitRestart95: return "Restart Windows 95";
    case kFastExitReboot: return "Restart computer";
    case kFastExitLogoff: return "Log Off";
    case kFastExitShutdown: return "Shutdown";
    case kFastExitDos: return "Exit To DOS";
    default: return "Exit Windows...";
  }
}

void FastExitIconOptions::Load(const ProfileIo& io, int platformLevel) {
  kFastExitIcon.Load(io, this);
  if (!HasNewShell(platformLevel)) Show = 0;  // no notification area to show it in
}

void TaskbarIconOptions::Load(const ProfileIo& io, int platformLevel) {
  kTaskbarIcon.Load(io, this);
  if (!HasNewShell(platformLevel)) Show = 0;
}

void ButtonBarOptions::SetButton(int32_t bit, bool on) {
  if (on)
    Selection |= (bit & kButtonAll);
  else
    Selection &= ~(bit & kButtonAll);
}

void ButtonBarOptions::SetSelection(int32_t mask) { Selection = mask & kButtonAll; }

int ButtonBarOptions::CountButtons() const {
  int count = 0;
  for (int32_t bit = 1; bit <= 8; bit <<= 1)
    if (Selection & bit) ++count;
  return count;
}

uint16_t* HotKeyOptions::Key(int index) {
  return (index >= 0 && index < kCount) ? &(this->*kHotKeys.keys.begin()[index].field) : nullptr;
}

uint16_t HotKeyOptions::KeyAt(int index) const {
  return (index >= 0 && index < kCount) ? this->*kHotKeys.keys.begin()[index].field : 0;
}

void PositionOptions::SetXY(int32_t x, int32_t y) {
  X = x;
  Y = y;
}

void PositionOptions::SetMonitor(const Rect32& monitor) {
  MonitorLeft = static_cast<int32_t>(monitor.left);
  MonitorTop = static_cast<int32_t>(monitor.top);
  MonitorRight = static_cast<int32_t>(monitor.right);
  MonitorBottom = static_cast<int32_t>(monitor.bottom);
}

// --- Options -----------------------------------------------------------------

bool BarMayBeHidden(const Options& options, int platformLevel) {
  return (options.TaskbarIcon.Show || options.FastExitTaskbarIcon.Show) && HasNewShell(platformLevel);
}

void ApplyStartupFixups(Options& options, int platformLevel) {
  const bool newShell = HasNewShell(platformLevel);
  const bool anyShown = options.FastExitTaskbarIcon.Show || options.TaskbarIcon.Show || options.ButtonBar.Show;
  if (!anyShown || !newShell) {
    options.FastExitTaskbarIcon.Show = newShell ? 1 : 0;
    options.ButtonBar.Show = 1;
    options.TaskbarIcon.Show = newShell ? 1 : 0;
  }
  if ((options.ButtonBar.Selection & kButtonAll) == 0) options.ButtonBar.Selection = kButtonAll;
}

void Options::Load(const ProfileIo& io, int platformLevel) {
  FastExitTaskbarIcon.Load(io, platformLevel);
  TaskbarIcon.Load(io, platformLevel);
  kButtonBar.Load(io, &ButtonBar);
  kFastExit.Load(io, &FastExit);
  kHotKeys.Load(io, &HotKeys);
  kPosition.Load(io, &Position);
  ApplyStartupFixups(*this, platformLevel);
}

void Options::Save(const ProfileIo& io) const {
  kFastExitIcon.Save(io, FastExitTaskbarIcon);
  kTaskbarIcon.Save(io, TaskbarIcon);
  kButtonBar.Save(io, ButtonBar);
  kFastExit.Save(io, FastExit);
  kHotKeys.Save(io, HotKeys);
  kPosition.Save(io, Position);
}
