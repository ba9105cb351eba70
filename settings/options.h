// The options record: one member per section of napkey.ini, one field per key.
// A plain value, copied as a whole; it owns nothing.
#ifndef NAPKEY_SETTINGS_OPTIONS_H
#define NAPKEY_SETTINGS_OPTIONS_H

#include <cstdint>

#include "base/placement.h"
#include "settings/profile.h"

// The Fast Exit actions: values of FastExitOpt, results of the choice dialog
// and the exit keywords of the command line. As an option kFastExitAsk shows
// the choice dialog; as a result it is a cancel.
enum FastExitAction : int32_t {
  kFastExitAsk = 0,
  kFastExitRestart95 = 1,
  kFastExitReboot = 2,
  kFastExitLogoff = 3,
  kFastExitShutdown = 4,
  kFastExitDos = 5,
  kFastExitActionCount = 6,
};

// Label of a Fast Exit action; anything else is the choice dialog.
const char* FastExitActionName(int32_t fastExitOpt);

// How many there are of each kind of value; each runs from 0 to one less.
constexpr int32_t kClickActionCount = 4;  // nothing, toggle, start the saver, its properties
constexpr int32_t kButtonSizeCount = 3;   // small, medium, large
constexpr int kButtonCount = 4;           // the bar's buttons

// Selection bits, also the button face kinds.
enum ButtonBit : int32_t {
  kButtonToggle = 1,
  kButtonStart = 2,
  kButtonFastExit = 4,
  kButtonProperties = 8,
  kButtonAll = 15,
};

// Position.Edge values (the program's own numbering, not the shell's ABE_*).
enum BarEdge : int32_t { kEdgeTop = 0, kEdgeBottom = 1, kEdgeLeft = 2, kEdgeRight = 3, kEdgeFloating = 4, kEdgeCount };
// Position.Orient values.
enum BarOrient : int32_t { kOrientVertical = 0, kOrientHorizontal = 1, kOrientBlock = 2, kOrientCount };

struct FastExitIconOptions {
  int32_t Show = 1;
  int32_t ExitOnSingleClick = 0;
  void Load(const ProfileIo& io, int platformLevel);
};

struct TaskbarIconOptions {
  int32_t Show = 1;
  int32_t SingleClick = 1;
  int32_t DoubleClick = 2;
  int32_t KeepDisplayOn = 1;  // while the saver is disabled, where the system can be asked
  void Load(const ProfileIo& io, int platformLevel);
};

struct ButtonBarOptions {
  int32_t Show = 1;
  int32_t OnTop = 1;
  int32_t Tooltips = 1;
  int32_t Selection = kButtonAll;
  int32_t ButtonSize = 0;
  int32_t SpaceBetween = 4;
  int32_t Border = 3;
  void SetButton(int32_t bit, bool on);
  void SetSelection(int32_t mask);
  int CountButtons() const;
};

struct FastExitOptions {
  int32_t FastExitOpt = 0;
};

struct HotKeyOptions {
  static constexpr int kCount = 7;
  // Hot-key control codes: virtual key low byte, HOTKEYF_* high byte.
  uint16_t StartSS = 0;
  uint16_t BringToFg = 0;
  uint16_t FastExit = 0;
  uint16_t ToggleSS = 0;
  uint16_t Menu = 0;
  uint16_t SSPropsDlg = 0;
  uint16_t Customize = 0;
  // The keys in the order of the file and of the Hot Keys page, not of the
  // hot-key ids: HotKeyOptionIndex maps an id to its index here.
  uint16_t* Key(int index);
  uint16_t KeyAt(int index) const;
};

// X and Y count from the top-left corner of the monitor the bar was last put
// on, whose rectangle the Monitor keys keep; all four 0 (files from before
// there were such keys) mean the primary monitor, where they count from the
// screen's corner as they always did.
struct PositionOptions {
  int32_t X = -1;
  int32_t Y = -1;
  int32_t Edge = kEdgeBottom;
  int32_t Orient = kOrientHorizontal;
  int32_t MonitorLeft = 0;
  int32_t MonitorTop = 0;
  int32_t MonitorRight = 0;
  int32_t MonitorBottom = 0;
  void SetXY(int32_t x, int32_t y);
  Rect32 Monitor() const { return Rect32{MonitorLeft, MonitorTop, MonitorRight, MonitorBottom}; }
  void SetMonitor(const Rect32& monitor);
};

class Options {
 public:
  FastExitIconOptions FastExitTaskbarIcon;
  TaskbarIconOptions TaskbarIcon;
  ButtonBarOptions ButtonBar;
  FastExitOptions FastExit;
  HotKeyOptions HotKeys;
  PositionOptions Position;

  void Load(const ProfileIo& io, int platformLevel);
  void Save(const ProfileIo& io) const;
};

// Whether the menu may offer to hide the bar: only while a taskbar icon would
// remain to reach the program.
bool BarMayBeHidden(const Options& options, int platformLevel);

// The start-up fix-ups that keep one surface of the program reachable.
void ApplyStartupFixups(Options& options, int platformLevel);

#endif
