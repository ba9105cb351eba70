// The memory msgspy.dll writes and MessageSpy reads.
#ifndef NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H
#define NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H

#include <windows.h>

#define MSGSPY_MAPPING_NAME "NapkeyTestMessageSpy"
// WM_NULL's wParam: a marker, or a request the watched thread answers itself:
// KEY (the key's code times 2, plus 1 when it sees it down), a TIMER that
// raises `timers` when it fires, or RESIZE the window `lParam` times.
enum : WPARAM { kSpyMarker = 0x5E771E, kSpyKey, kSpyTimer, kSpyResize };
constexpr int kSpyMaxMessages = 500;

struct SpyView {
  LONG menus;     // popups written
  LONG messages;  // watched messages seen; the first kSpyMaxMessages kept below
  LONG markers, mouseMoves, keyAnswer, keyAnswers, timers, resizes;  // taken from the queue, or answered
  UINT seen[kSpyMaxMessages][2];  // the message and its wParam (WM_SYSCOMMAND's & 0xFFF0)
  char menuText[4096];            // "id<TAB>state<TAB>text\n" of the last popup
};

#endif
