// The texts of the Screen Saver Information dialog that come from a file's
// version resource, and the walk of a 16-bit version block, over bytes
// already read: every read stays inside the block, whatever its lengths say.
#ifndef NAPKEY_SAVERDLG_VERSIONBLOCK_H
#define NAPKEY_SAVERDLG_VERSIONBLOCK_H

#include <cstddef>
#include <cstdint>

#include "saverdlg/exeheader.h"

// "CompanyName" gives "Company Name": a blank after every lower-case letter
// that an upper-case letter follows. Cut to fit `outSize`.
void VersionLabel(const char* key, char* out, size_t outSize);

// The flag words set in both `flags` and `mask`, joined by ", ", or "(none)".
void FileFlagsText(uint32_t flags, uint32_t mask, char* out, size_t outSize);

// "MS-DOS", "Win16", "Win32\n(major.minor)" or "unknown".
void FileTypeText(ExecutableKind kind, uint16_t major, uint16_t minor, char* out, size_t outSize);

// "a.b.c.d" from the two version double words of the fixed information.
void VersionNumberText(uint32_t mostSignificant, uint32_t leastSignificant, char* out, size_t outSize);

// True when the block is laid out as a 16-bit version resource (the word at
// offset 4 is a key's first characters, not the type field of the 32-bit one).
bool IsSixteenBitVersionBlock(const unsigned char* block, size_t size);

// Walks a 16-bit version block and calls `found` with each key that holds a
// text value: the key is a terminated text, the value `length` characters
// (not terminated), both inside the block.
using VersionValueFound = void (*)(void* context, const char* key, const char* value, size_t length);
void WalkSixteenBitVersionBlock(const unsigned char* block, size_t size, VersionValueFound found, void* context);

#endif
