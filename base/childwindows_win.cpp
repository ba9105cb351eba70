#include "base/childwindows_win.h"

namespace {

struct ChildWalk {
  int action;  // 0 disable, 1 close, 2 invalidate
  int visited;
};

BOOL CALLBACK VisitChild(HWND child, LPARAM param) {
  auto* walk = reinterpret_cast<ChildWalk*>(param);
  switch (walk->action) {
    case 0: EnableWindow(child, FALSE); break;
    case 1: SendMessageA(child, WM_CLOSE, 0, 0); break;
    default: InvalidateRect(child, nullptr, FALSE); break;
  }
  ++walk->visited;
  return TRUE;
}

int WalkChildren(HWND parent, int action) {
  ChildWalk walk{action, 0};
  EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&walk));
  return walk.visited;
}

}  // namespace

int DisableChildWindows(HWND parent) { return WalkChildren(parent, 0); }
int CloseChildWindows(HWND parent) { return WalkChildren(parent, 1); }
int InvalidateChildWindows(HWND parent) { return WalkChildren(parent, 2); }
