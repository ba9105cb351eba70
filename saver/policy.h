// What a system policy fixes of the screen saver. Where one is set, the
// system ignores changes made through SystemParametersInfo, so the program
// must not claim them: it says so instead.
#ifndef NAPKEY_SAVER_POLICY_H
#define NAPKEY_SAVER_POLICY_H

struct SaverPolicy {
  int active = -1;       // ScreenSaveActive: 1 forced on, 0 forced off, -1 not set (or not a number)
  bool timeout = false;  // ScreenSaveTimeOut
  bool secure = false;   // ScreenSaverIsSecure
  bool saver = false;    // SCRNSAVE.EXE
  bool ForcesOn() const { return active == 1; }
  bool Any() const { return active >= 0 || timeout || secure || saver; }
};

// The policy's ScreenSaveActive as read: `present` when it holds a number.
constexpr int PolicyActive(bool present, long number) { return !present ? -1 : number != 0 ? 1 : 0; }

constexpr char kPolicyNote[] = "Some settings are managed by your system administrator.";
constexpr char kPolicyKeepsSaverOn[] = "The screen saver is set by a system policy and cannot be turned off here.";

#endif
