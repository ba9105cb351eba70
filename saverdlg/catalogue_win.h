// The installed screen savers: every *.scr file of the Windows and the System
// directory, with the name the Screen Saver Properties dialog lists it under
// and whether it is 16-bit, 32-bit, or 32-bit with a live preview.
#ifndef NAPKEY_SAVERDLG_CATALOGUE_WIN_H
#define NAPKEY_SAVERDLG_CATALOGUE_WIN_H

#include <windows.h>

#include <cstdint>

#include "base/owned_win.h"
#include "base/ownedlist.h"
#include "saverdlg/exeheader.h"

// One found file. The texts are owned by the entry and absent (null) when
// their source was empty.
struct SaverEntry {
  char* displayName;
  char* fullPath;
  char* shortPath;
  int32_t sequence;  // the order of finding, from 0: the dialog's list item data
  int32_t kind;      // a SaverKind
};
void FreeSaverTexts(SaverEntry& entry);

// Built by its constructor, newest entry first; a file that cannot be read is
// left out, and nothing is dropped as a duplicate.
class SaverCatalogue {
 public:
  SaverCatalogue();

  // The entry with this sequence number, or null.
  SaverEntry* FindBySequence(int32_t sequence) const;

  OwnedList<SaverEntry, FreeSaverTexts> entries;
  int32_t nextSequence = 0;

 private:
  // One file of `directory`: true while files remain.
  bool ScanDirectoryStep(const char* directory, bool firstStep);
  void AddEntry(const char* displayName, const char* fullPath, const char* shortPath, SaverKind kind);

  OwnedFind search;
  WIN32_FIND_DATAA findData;
};

// A saver file opened for reading, sharing reads; closed with the object.
class OpenedFile {
 public:
  explicit OpenedFile(const char* path);
  bool Ok() const { return handle.Ok(); }
  HANDLE Handle() const { return handle.Get(); }
  // Reads exactly what is asked at an offset, or fails.
  ByteReader Reader() const;

 private:
  OwnedFile handle;
};

// The file's first icon from the system; null when it has none or is no
// program, and without asking when the file is damaged in a way that would
// send the system's reader past its end.
HICON ExtractSaverIcon(HINSTANCE instance, const char* path);

// The file's kind; a PE file's subsystem version goes to the out-parameters
// (each may be null) only when its headers were read whole.
ExecutableKind GetExecutableKind(const char* path, uint16_t* subsystemMajor, uint16_t* subsystemMinor);

#endif
