// The texts of the Screen Saver Information dialog that come from a file's
// version resource, and the walk of a 16-bit version block, over bytes
// already read: every read stays inside the block, whatever its lengths say.
#ifndef NAPKEY_SAVERDLG_VERSIONBLOCK_H
#define NAPKEY_SAVERDLG_VERSIONBLOCK_H

#include <cstddef>
#include <cstdint>

#include "base/ownedlist.h"
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

// How much of a 32-bit value to keep: the reported length counts the
// terminator, so one less, up to the first zero; a length of 0 is empty.
size_t VersionValueLength(const char* value, size_t reportedLength);

// True when the block is laid out as a 16-bit version resource (the word at
// offset 4 is a key's first characters, not the type field of the 32-bit one).
bool IsSixteenBitVersionBlock(const unsigned char* block, size_t size);

// Walks a 16-bit version block and calls `found` with each key that holds a
// text value: the key is a terminated text, the value `length` characters
// (not terminated), both inside the block.
using VersionValueFound = void (*)(void* context, const char* key, const char* value, size_t length);
void WalkSixteenBitVersionBlock(const unsigned char* block, size_t size, VersionValueFound found, void* context);

// One name/value pair of a version resource, as the information dialog lists it.
struct VersionEntry {
  char* listText;  // label, a tab and the sequence number: unique, and what the list shows
  char* label;
  char* value;
};
void FreeVersionTexts(VersionEntry& entry);

// What the information dialog shows of one file's version resource. The
// entries are newest first; sequence numbers count on across reads, so a list
// text never repeats while the record lives (one Information dialog).
struct VersionInfo {
  OwnedList<VersionEntry, FreeVersionTexts> entries;
  int32_t nextSequence = 0;
  char fileVersion[30] = "";
  char productVersion[30] = "";
  char lastChanged[40] = "";
  char fileFlags[104] = "";

  // Adds `key` (labelled) with the first `length` characters of `value`;
  // false when there was no memory for it.
  bool Add(const char* key, const char* value, size_t length);
  // Frees the entries and empties the texts; the sequence counts on.
  void Clear();
  // The value of the entry with this list text, letter case aside; null when none.
  const char* FindEntryValue(const char* listText) const;
  // True when an entry made from `key` already holds exactly `value`.
  bool HasEntry(const char* key, const char* value) const;
};

#endif
