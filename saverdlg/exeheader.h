// What the saver catalogue and the information dialog learn from a file's
// executable headers: MS-DOS, NE or PE, a PE file's subsystem version, and a
// 16-bit saver's description. The bytes come through a reader, so the rules
// here never touch a file and every read stays inside what was read.
#ifndef NAPKEY_SAVERDLG_EXEHEADER_H
#define NAPKEY_SAVERDLG_EXEHEADER_H

#include <cstddef>
#include <cstdint>

enum ExecutableKind { ExeUnknown = 0, ExeDos = 1, ExeWin16 = 2, ExeWin32 = 3 };

// Reads exactly `size` bytes at `offset`; false when fewer arrive.
struct ByteReader {
  bool (*read)(void* context, uint32_t offset, void* out, size_t size);
  void* context;
};

// The file's kind. A PE file's subsystem version is written to the
// out-parameters (each may be null) only when its headers were read whole.
ExecutableKind ExecutableKindOf(const ByteReader& file, uint16_t* subsystemMajor, uint16_t* subsystemMinor);

// Whether the system's icon reader may be given the file, `fileSize` bytes
// long: it trusts a PE file's section table and reads wherever it points, so
// a file cut short inside its sections can crash it. A PE file passes when
// its section table and every section's data lie within the file and its
// resource directory lies in one of the sections (or it has none). Files of
// other kinds pass.
bool IconsReadable(const ByteReader& file, uint32_t fileSize);

// A 16-bit saver's module description (the first entry of the NE
// non-resident name table), at most 63 characters; false when the file is
// not such a module.
bool ReadNeDescription(const ByteReader& file, char* out, size_t outSize);

// The catalogue's name for a 16-bit saver: the description without a leading
// "SCRNSAVE" and the blanks and colons after it (unless nothing else is
// left), followed by " (16-bit)". Cut to fit `outSize`.
void Saver16DisplayName(const char* description, char* out, size_t outSize);

// The three kinds of catalogue entry: a file that does not load as a 32-bit
// module, one that does, and one that can also draw a live preview.
enum SaverKind { Saver16 = 0, Saver32 = 1, Saver32Preview = 2 };

// The kind of a file that loaded as a 32-bit module: a live preview needs a
// PE file linked for subsystem 4 or later.
SaverKind Saver32KindOf(ExecutableKind kind, uint16_t subsystemMajor);

// The catalogue's name for a 32-bit saver: on Windows 95 its long file name
// without the last "." and what follows; elsewhere its string resource 1
// (`resourceName`, null or empty when it has none), else the long name and
// " (32-bit)". Cut to fit `outSize`.
void Saver32DisplayName(const char* longName, const char* resourceName, bool windows95, char* out, size_t outSize);

// First occurrence of `pattern` in `text`, letter case significant; an empty
// pattern matches at the start; null when there is none.
const char* StrFindString(const char* text, const char* pattern);

// A reader over bytes in memory (tests, fuzzing, a file read whole).
struct MemoryBytes {
  const unsigned char* data;
  size_t size;
  ByteReader Reader();
};

#endif
