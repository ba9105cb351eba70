// The shared-memory layout written by menuspy.dll and read by MenuSpy.
#ifndef NAPKEY_TESTS_HARNESS_MENUSPY_SHARED_H
#define NAPKEY_TESTS_HARNESS_MENUSPY_SHARED_H

#define MENUSPY_MAPPING_NAME "NapkeyTestMenuSpy"
#define MENUSPY_SIZE 8192

// Offset 0: LONG sequence, raised after each popup is written.
// Offset 16: text lines "id<TAB>state<TAB>text\n", zero-terminated.
#define MENUSPY_TEXT_OFFSET 16

#endif
