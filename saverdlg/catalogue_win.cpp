#include "saverdlg/catalogue_win.h"

#include <cstring>
#include <initializer_list>

#include "base/platform_win.h"
#include "base/shelllib_win.h"
#include "base/textbuf.h"

namespace {

// Reads through an open file handle; a read that delivers less than asked fails.
bool ReadFromFile(void* context, uint32_t offset, void* out, size_t size) {
  HANDLE file = static_cast<HANDLE>(context);
  DWORD read = 0;
  return SetFilePointer(file, static_cast<LONG>(offset), nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER &&
         ReadFile(file, out, static_cast<DWORD>(size), &read, nullptr) && read == size;
}


// A heap copy, or null for an empty text (or without memory).
char* CopyOrNothing(const char* text) {
  return text && *text ? CopyText(text, std::strlen(text)).release() : nullptr;
}

// directory + "\" + name into a MAX_PATH buffer; false when it does not fit.
bool JoinPath(const char* directory, const char* name, char* out) {
  TextBuilder path(out, MAX_PATH);
  return !path.Append(directory).Append("\\").Append(name).Truncated();
}

}  // namespace

void FreeSaverTexts(SaverEntry& entry) {
  delete[] entry.displayName;
  delete[] entry.fullPath;
  delete[] entry.shortPath;
}

OpenedFile::OpenedFile(const char* path)
    : handle(CreateFileA(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {}

ByteReader OpenedFile::Reader() const { return ByteReader{ReadFromFile, handle.Get()}; }

HICON ExtractSaverIcon(HINSTANCE instance, const char* path) {
  OpenedFile file(path);
  if (!file.Ok()) return nullptr;
  DWORD high = 0;
  const DWORD size = GetFileSize(file.Handle(), &high);
  if (size == INVALID_FILE_SIZE && GetLastError() != NO_ERROR) return nullptr;
  if (!IconsReadable(file.Reader(), high ? UINT32_MAX : size)) return nullptr;
  HICON icon = ExtractIconOf(instance, path, 0);
  return icon == reinterpret_cast<HICON>(1) ? nullptr : icon;  // 1: the file is no program
}

ExecutableKind GetExecutableKind(const char* path, uint16_t* subsystemMajor, uint16_t* subsystemMinor) {
  OpenedFile file(path);
  return file.Ok() ? ExecutableKindOf(file.Reader(), subsystemMajor, subsystemMinor) : ExeUnknown;
}

SaverCatalogue::SaverCatalogue() {
  std::memset(&findData, 0, sizeof findData);
  char directory[MAX_PATH];
  for (auto get : {GetWindowsDirectoryA, GetSystemDirectoryA}) {
    const UINT length = get(directory, MAX_PATH - 1);
    if (length == 0 || length >= MAX_PATH - 1) continue;
    for (bool firstStep = true; ScanDirectoryStep(directory, firstStep); firstStep = false) {
    }
    search.Reset();
  }
}

SaverEntry* SaverCatalogue::FindBySequence(int32_t sequence) const {
  for (SaverEntry& entry : entries)
    if (entry.sequence == sequence) return &entry;
  return nullptr;
}

bool SaverCatalogue::ScanDirectoryStep(const char* directory, bool firstStep) {
  if (firstStep) {
    char pattern[MAX_PATH];
    if (!JoinPath(directory, "*.scr", pattern)) return false;
    search.Reset(FindFirstFileA(pattern, &findData));
    if (!search.Ok()) return false;
  } else if (!FindNextFileA(search.Get(), &findData)) {
    return false;
  }
  // A file whose path does not fit a path buffer cannot be opened by name:
  // it is left out like any other unreadable file. Without an alternate name
  // the long name is already the short one.
  char fullPath[MAX_PATH], shortPath[MAX_PATH];
  const char* alternate = findData.cAlternateFileName[0] ? findData.cAlternateFileName : findData.cFileName;
  if (!JoinPath(directory, findData.cFileName, fullPath) || !JoinPath(directory, alternate, shortPath)) return true;

  char name[256];
  if (OwnedModule module{LoadLibraryExA(fullPath, nullptr, LOAD_LIBRARY_AS_DATAFILE)}; module.Ok()) {
    char resource[256] = "";
    const bool windows95 = GetPlatformKind() == PlatformWin95;
    if (!windows95) LoadStringA(module.Get(), 1, resource, sizeof resource);
    Saver32DisplayName(findData.cFileName, resource, windows95, name, sizeof name);
    module.Reset();
    uint16_t major = 0;
    const ExecutableKind kind = GetExecutableKind(fullPath, &major, nullptr);
    AddEntry(name, fullPath, shortPath, Saver32KindOf(kind, major));
    return true;
  }
  OpenedFile file(fullPath);
  char description[64];
  if (file.Ok() && ReadNeDescription(file.Reader(), description, sizeof description)) {
    Saver16DisplayName(description, name, sizeof name);
    AddEntry(name, fullPath, shortPath, Saver16);
  }
  return true;
}

// Without memory for the entry or one of its texts, that one file is left out.
void SaverCatalogue::AddEntry(const char* displayName, const char* fullPath, const char* shortPath, SaverKind kind) {
  SaverEntry* entry = entries.AddFront();
  if (!entry) return;
  *entry = {CopyOrNothing(displayName), CopyOrNothing(fullPath), CopyOrNothing(shortPath), nextSequence, kind};
  if ((*displayName && !entry->displayName) || (*fullPath && !entry->fullPath) || (*shortPath && !entry->shortPath))
    entries.DropFront();
  else
    ++nextSequence;
}
