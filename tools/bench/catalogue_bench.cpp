// How the saver catalogue's scan grows with the number of .scr files: for 10,
// 100 and 1,000 files in the Windows directory (half 32-bit, half 16-bit
// savers), the time of a scan against that of a plain listing of the same
// files, measured in the same run. Prints figures; not a test.
//   napkey_catalogue_bench 32BIT.scr 16BIT.scr
#include <windows.h>

#include <cstdio>
#include <string>

#include "saverdlg/catalogue_win.h"

namespace {

std::string WindowsFile(int number) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, MAX_PATH);
  char name[32];
  wsprintfA(name, "\\bench%04d.scr", number);
  return directory + std::string(name);
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

// The best of several runs of `work`, in seconds.
template <typename Work>
double Best(int runs, Work work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    best = Seconds(start, end) < best ? Seconds(start, end) : best;
  }
  return best;
}

int Listing() {
  char directory[MAX_PATH];
  int found = 0;
  for (auto get : {GetWindowsDirectoryA, GetSystemDirectoryA}) {
    get(directory, MAX_PATH);
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((std::string(directory) + "\\*.scr").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) continue;
    do ++found;
    while (FindNextFileA(search, &data));
    FindClose(search);
  }
  return found;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: napkey_catalogue_bench 32BIT.scr 16BIT.scr\n");
    return 2;
  }
  std::printf("%6s %12s %12s %8s %14s\n", "files", "listing ms", "scan ms", "ratio", "scan us/file");
  int placed = 0;
  for (int files : {10, 100, 1000}) {
    for (; placed < files; ++placed)
      if (!CopyFileA(argv[1 + placed % 2], WindowsFile(placed).c_str(), FALSE)) return 1;
    int listed = 0, entries = 0;
    const double listing = Best(5, [&] { listed = Listing(); });
    const double scan = Best(5, [&] {
      SaverCatalogue catalogue;
      entries = catalogue.nextSequence;
    });
    if (listed != files || entries != files) {
      std::printf("%d files, listed %d, catalogued %d\n", files, listed, entries);
      return 1;
    }
    std::printf("%6d %12.2f %12.2f %8.1f %14.1f\n", files, listing * 1e3, scan * 1e3, scan / listing,
                scan * 1e6 / files);
  }
  for (int i = 0; i < placed; ++i) DeleteFileA(WindowsFile(i).c_str());
  return 0;
}
