// Owners of the system's handles: each frees its one handle when it goes, so
// no early return can leak one and no handle is freed twice. Where the moment
// of freeing matters (a pen still selected into a DC, a file a later call
// opens again), the caller says so with Reset.
#ifndef NAPKEY_BASE_OWNED_WIN_H
#define NAPKEY_BASE_OWNED_WIN_H

#include <windows.h>

// Traits: the handle's type, its empty value and the call that frees it.
template <typename Traits>
class Owned {
 public:
  using Handle = typename Traits::Handle;

  Owned() = default;
  explicit Owned(Handle taken) : handle(taken) {}
  ~Owned() { Reset(); }
  Owned(Owned&& other) : handle(other.Release()) {}
  Owned& operator=(Owned&& other) {
    Reset(other.Release());
    return *this;
  }
  Owned(const Owned&) = delete;
  Owned& operator=(const Owned&) = delete;

  Handle Get() const { return handle; }
  bool Ok() const { return handle != Traits::Empty(); }
  // Gives the handle up without freeing it.
  Handle Release() {
    const Handle given = handle;
    handle = Traits::Empty();
    return given;
  }
  // Frees the handle held, unless it is the replacement itself.
  void Reset(Handle replacement = Traits::Empty()) {
    if (Ok() && handle != replacement) Traits::Free(handle);
    handle = replacement;
  }

 private:
  Handle handle = Traits::Empty();
};

// The empty value most handles have, and the one of files and searches.
template <typename H>
struct NullIsEmpty {
  using Handle = H;
  static Handle Empty() { return nullptr; }
};
struct InvalidIsEmpty {
  using Handle = HANDLE;
  static Handle Empty() { return INVALID_HANDLE_VALUE; }
};

struct KernelHandleTraits : NullIsEmpty<HANDLE> {  // a mutex, process, thread or token
  static void Free(HANDLE handle) { CloseHandle(handle); }
};
struct FileHandleTraits : InvalidIsEmpty {
  static void Free(HANDLE file) { CloseHandle(file); }
};
struct FindHandleTraits : InvalidIsEmpty {
  static void Free(HANDLE search) { FindClose(search); }
};
struct IconTraits : NullIsEmpty<HICON> {
  static void Free(HICON icon) { DestroyIcon(icon); }
};
struct GdiObjectTraits : NullIsEmpty<HGDIOBJ> {  // selected into no DC by the time it goes
  static void Free(HGDIOBJ object) { DeleteObject(object); }
};
struct MemoryDcTraits : NullIsEmpty<HDC> {
  static void Free(HDC dc) { DeleteDC(dc); }
};
struct RegistryKeyTraits : NullIsEmpty<HKEY> {
  static void Free(HKEY key) { RegCloseKey(key); }
};
struct ModuleTraits : NullIsEmpty<HMODULE> {
  static void Free(HMODULE module) { FreeLibrary(module); }
};
struct MenuTraits : NullIsEmpty<HMENU> {
  static void Free(HMENU menu) { DestroyMenu(menu); }
};
struct LocalTextTraits : NullIsEmpty<char*> {  // what FormatMessage allocates
  static void Free(char* text) { LocalFree(text); }
};

using OwnedHandle = Owned<KernelHandleTraits>;
using OwnedFile = Owned<FileHandleTraits>;
using OwnedFind = Owned<FindHandleTraits>;
using OwnedIcon = Owned<IconTraits>;
using OwnedGdiObject = Owned<GdiObjectTraits>;
using OwnedMemoryDc = Owned<MemoryDcTraits>;
using OwnedKey = Owned<RegistryKeyTraits>;
using OwnedModule = Owned<ModuleTraits>;
using OwnedMenu = Owned<MenuTraits>;
using OwnedLocalText = Owned<LocalTextTraits>;

#endif
