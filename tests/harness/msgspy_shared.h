// The shared-memory layout written by msgspy.dll and read by MessageSpy.
#ifndef NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H
#define NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H

#define MSGSPY_MAPPING_NAME "NapkeyTestMessageSpy"
#define MSGSPY_SIZE 8192

// LONG counters at these offsets: popups written, watched messages seen (the
// first MSGSPY_MAX_MESSAGES kept at MSGSPY_MESSAGES as message/wParam pairs),
// markers and mouse moves taken from the queue.
#define MSGSPY_MENU_SEQUENCE 0
#define MSGSPY_MESSAGE_COUNT 4
#define MSGSPY_MARKERS 8
#define MSGSPY_MOUSE_MOVES 12
// WM_NULL requests by wParam: the thread answers KEY (the key's code times 2,
// plus 1 when it sees it down), sets a TIMER, or RESIZEs the window, and
// raises the matching counter.
#define MSGSPY_MARKER 0x5E771E
#define MSGSPY_KEY 0x5E771F
#define MSGSPY_TIMER 0x5E7720
#define MSGSPY_RESIZE 0x5E7721
#define MSGSPY_KEY_ANSWER 16
#define MSGSPY_KEY_ANSWERS 20
#define MSGSPY_TIMERS 24
#define MSGSPY_RESIZES 28
#define MSGSPY_MESSAGES 64
#define MSGSPY_MAX_MESSAGES 500
// Text lines "id<TAB>state<TAB>text\n" of the last popup, zero-terminated.
#define MSGSPY_MENU_TEXT 4096

#endif
