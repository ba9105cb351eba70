// The shared-memory layout written by msgspy.dll and read by MessageSpy.
#ifndef NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H
#define NAPKEY_TESTS_HARNESS_MSGSPY_SHARED_H

#define MSGSPY_MAPPING_NAME "NapkeyTestMessageSpy"
#define MSGSPY_SIZE 8192

// LONG: raised after each popup menu is written.
#define MSGSPY_MENU_SEQUENCE 0
// LONG: how many watched messages were seen (WM_SYSCOMMAND and WM_APP+10 to
// WM_APP+18); the first MSGSPY_MAX_MESSAGES are kept from offset 64 as pairs
// of UINTs: the message, and its wParam (for WM_SYSCOMMAND, & 0xFFF0).
#define MSGSPY_MESSAGE_COUNT 4
// LONG: how many marker messages (WM_NULL, wParam MSGSPY_MARKER) the watched
// thread has taken from its queue.
#define MSGSPY_MARKERS 8
// LONG: how many WM_MOUSEMOVE messages the watched thread has taken.
#define MSGSPY_MOUSE_MOVES 12
#define MSGSPY_MARKER 0x5E771E
// Requests the watched thread answers itself, as WM_NULL with this wParam:
// KEY (lParam a virtual key) writes to MSGSPY_KEY_ANSWER the key's code
// times 2, plus 1 when that thread sees it down, and raises
// MSGSPY_KEY_ANSWERS; TIMER (lParam milliseconds) sets a timer of that
// thread which raises MSGSPY_TIMERS once it has fired; RESIZE (lParam a
// count) resizes the window the request was posted to that many times in a
// row, 4 pixels wider each time, then raises MSGSPY_RESIZES.
#define MSGSPY_KEY 0x5E771F
#define MSGSPY_TIMER 0x5E7720
#define MSGSPY_RESIZE 0x5E7721
// OBJECTS writes the process's GDI and USER object counts to
// MSGSPY_GDI_OBJECTS and MSGSPY_USER_OBJECTS and raises MSGSPY_OBJECT_ANSWERS.
#define MSGSPY_OBJECTS 0x5E7722
// CPU writes the process's CPU time so far, in milliseconds, to MSGSPY_CPU_MS
// and raises MSGSPY_CPU_ANSWERS. (Wine tells a process only its own times.)
#define MSGSPY_CPU 0x5E7723
#define MSGSPY_KEY_ANSWER 16
#define MSGSPY_KEY_ANSWERS 20
#define MSGSPY_TIMERS 24
#define MSGSPY_RESIZES 28
#define MSGSPY_GDI_OBJECTS 32
#define MSGSPY_USER_OBJECTS 36
#define MSGSPY_OBJECT_ANSWERS 40
#define MSGSPY_CPU_MS 44
#define MSGSPY_CPU_ANSWERS 48
// LONG: how many WM_TIMER messages the watched thread has taken: its wake-ups.
#define MSGSPY_TIMER_TICKS 52
#define MSGSPY_MESSAGES 64
#define MSGSPY_MAX_MESSAGES 500
// Text lines "id<TAB>state<TAB>text\n" of the last popup, zero-terminated.
#define MSGSPY_MENU_TEXT 4096

#endif
