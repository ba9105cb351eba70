#include "settings/options.h"

namespace {

int32_t ClampBelow(int32_t value, int32_t n, int32_t fallback) {
  return (value >= 0 && value < n) ? value : fallback;
}

// A section without a name of its own would belong to the main section.
const char* SectionName(const char* const* names) {
  return names[0] ? names[0] : kMainSectionName;
}

int32_t ReadKey(const ProfileIo& io, const char* const* names, int key, int32_t fallback) {
  return static_cast<int32_t>(io.readInt(io.ctx, SectionName(names), names[key], fallback));
}

void WriteKey(const ProfileIo& io, const char* const* names, int key, long value) {
  WriteProfileNumber(io, SectionName(names), names[key], value);
}

}  // namespace

int32_t ClampClickAction(int32_t value, int32_t fallback) { return ClampBelow(value, 4, fallback); }
int32_t ClampButtonSize(int32_t value, int32_t fallback) { return ClampBelow(value, 3, fallback); }
int32_t ClampFastExitOpt(int32_t value, int32_t fallback) { return ClampBelow(value, kFastExitActionCount, fallback); }
int32_t ClampEdge(int32_t value, int32_t fallback) { return ClampBelow(value, 5, fallback); }
int32_t ClampOrient(int32_t value, int32_t fallback) { return ClampBelow(value, 3, fallback); }

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

// --- FastExitTaskbarIcon ---------------------------------------------------

const char* const FastExitIconOptions::kNames[] = {"FastExitTaskbarIcon", "Show", "ExitOnSingleClick"};

void FastExitIconOptions::Load(const ProfileIo& io, int platformLevel) {
  Show = ReadKey(io, kNames, 1, 1);
  ExitOnSingleClick = ReadKey(io, kNames, 2, 0);
  if (platformLevel < 4) Show = 0;  // no notification area to show it in
}

void FastExitIconOptions::Save(const ProfileIo& io) const {
  WriteKey(io, kNames, 1, Show);
  WriteKey(io, kNames, 2, ExitOnSingleClick);
}

// --- TaskbarIcon -----------------------------------------------------------

const char* const TaskbarIconOptions::kNames[] = {"TaskbarIcon", "Show", "SingleClick", "DoubleClick"};

void TaskbarIconOptions::Load(const ProfileIo& io, int platformLevel) {
  Show = ReadKey(io, kNames, 1, 1);
  SingleClick = ClampClickAction(ReadKey(io, kNames, 2, 1), 1);
  DoubleClick = ClampClickAction(ReadKey(io, kNames, 3, 2), 2);
  if (platformLevel < 4) Show = 0;
}

void TaskbarIconOptions::Save(const ProfileIo& io) const {
  WriteKey(io, kNames, 1, Show);
  WriteKey(io, kNames, 2, SingleClick);
  WriteKey(io, kNames, 3, DoubleClick);
}

// --- ButtonBar -------------------------------------------------------------

// Keys in file order, which differs from the record's field order.
const char* const ButtonBarOptions::kNames[] = {"ButtonBar", "Show",   "OnTop",    "ButtonSize",
                                                "SpaceBetween", "Border", "Tooltips", "Selection"};

void ButtonBarOptions::Load(const ProfileIo& io) {
  Show = ReadKey(io, kNames, 1, 1);
  OnTop = ReadKey(io, kNames, 2, 1);
  ButtonSize = ClampButtonSize(ReadKey(io, kNames, 3, 0), 0);
  SpaceBetween = ReadKey(io, kNames, 4, 4);
  Border = ReadKey(io, kNames, 5, 3);
  Tooltips = ReadKey(io, kNames, 6, 1);
  Selection = ReadKey(io, kNames, 7, kButtonAll);
}

void ButtonBarOptions::Save(const ProfileIo& io) const {
  WriteKey(io, kNames, 1, Show);
  WriteKey(io, kNames, 2, OnTop);
  WriteKey(io, kNames, 3, ButtonSize);
  WriteKey(io, kNames, 4, SpaceBetween);
  WriteKey(io, kNames, 5, Border);
  WriteKey(io, kNames, 6, Tooltips);
  WriteKey(io, kNames, 7, Selection);
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

// --- Fast Exit ---------------------------------------------------------------

const char* const FastExitOptions::kNames[] = {"Fast Exit", "FastExitOpt"};

void FastExitOptions::Load(const ProfileIo& io) {
  FastExitOpt = ClampFastExitOpt(ReadKey(io, kNames, 1, kFastExitAsk), kFastExitAsk);
}

void FastExitOptions::Save(const ProfileIo& io) const { WriteKey(io, kNames, 1, FastExitOpt); }

// --- Hot Keys ----------------------------------------------------------------

const char* const HotKeyOptions::kNames[] = {"Hot Keys", "StartSS", "BringToFg", "FastExit", "ToggleSS",
                                             "Menu",     "SSPropsDlg", "Customize"};

namespace {
// The seven keys in record order.
uint16_t HotKeyOptions::* const kHotKeyFields[HotKeyOptions::kCount] = {
    &HotKeyOptions::StartSS, &HotKeyOptions::BringToFg,  &HotKeyOptions::FastExit, &HotKeyOptions::ToggleSS,
    &HotKeyOptions::Menu,    &HotKeyOptions::SSPropsDlg, &HotKeyOptions::Customize};
}  // namespace

uint16_t* HotKeyOptions::Key(int index) {
  return (index >= 0 && index < kCount) ? &(this->*kHotKeyFields[index]) : nullptr;
}

uint16_t HotKeyOptions::KeyAt(int index) const {
  return (index >= 0 && index < kCount) ? this->*kHotKeyFields[index] : 0;
}

void HotKeyOptions::Load(const ProfileIo& io) {
  for (int i = 0; i < kCount; ++i)
    *Key(i) = static_cast<uint16_t>(static_cast<uint32_t>(ReadKey(io, kNames, i + 1, 0)) & 0xFFFFu);
}

void HotKeyOptions::Save(const ProfileIo& io) const {
  for (int i = 0; i < kCount; ++i) WriteKey(io, kNames, i + 1, KeyAt(i));
}

// --- Position ----------------------------------------------------------------

const char* const PositionOptions::kNames[] = {"Position", "X", "Y", "Edge", "Orient"};

void PositionOptions::Load(const ProfileIo& io) {
  X = ReadKey(io, kNames, 1, -1);
  Y = ReadKey(io, kNames, 2, -1);
  Edge = ClampEdge(ReadKey(io, kNames, 3, kEdgeBottom), kEdgeBottom);
  Orient = ClampOrient(ReadKey(io, kNames, 4, kOrientHorizontal), kOrientHorizontal);
}

void PositionOptions::Save(const ProfileIo& io) const {
  WriteKey(io, kNames, 1, X);
  WriteKey(io, kNames, 2, Y);
  WriteKey(io, kNames, 3, Edge);
  WriteKey(io, kNames, 4, Orient);
}

void PositionOptions::GetXY(int32_t* x, int32_t* y) const {
  if (x) *x = X;
  if (y) *y = Y;
}

void PositionOptions::SetXY(int32_t x, int32_t y) {
  X = x;
  Y = y;
}

// --- Options -----------------------------------------------------------------

bool BarMayBeHidden(const Options& options, int platformLevel) {
  return (options.TaskbarIcon.Show || options.FastExitTaskbarIcon.Show) && platformLevel >= 4;
}

void ApplyStartupFixups(Options& options, int platformLevel) {
  const bool newShell = platformLevel >= 4;
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
  ButtonBar.Load(io);
  FastExit.Load(io);
  HotKeys.Load(io);
  Position.Load(io);
  ApplyStartupFixups(*this, platformLevel);
}

void Options::Save(const ProfileIo& io) const {
  FastExitTaskbarIcon.Save(io);
  TaskbarIcon.Save(io);
  ButtonBar.Save(io);
  FastExit.Save(io);
  HotKeys.Save(io);
  Position.Save(io);
}
