#include "buttonbar/face_win.h"

#include <utility>

#include "base/process_win.h"
#include "buttonbar/bargeometry.h"
#include "res/resource.h"
#include "settings/options.h"

namespace {

// Picture where the mask is black, button face where it is white:
// destination OR (pattern AND source).
constexpr DWORD kMaskRop = 0x00EA02E9;

int BitmapId(int faceId, int sizeClass) {
  static const int kStart[] = {IDB_START_SMALL, IDB_START_MEDIUM, IDB_START_LARGE};
  static const int kFastExit[] = {IDB_FAST_EXIT_SMALL, IDB_FAST_EXIT_MEDIUM, IDB_FAST_EXIT_LARGE};
  static const int kProperties[] = {IDB_PROPERTIES_SMALL, IDB_PROPERTIES_MEDIUM, IDB_PROPERTIES_LARGE};
  static const int kToggle[] = {IDB_TOGGLE_SMALL, IDB_TOGGLE_MEDIUM, IDB_TOGGLE_LARGE};
  const int size = (sizeClass > 0 && sizeClass < kButtonSizeCount) ? sizeClass : 0;
  switch (faceId) {
    case kButtonStart: return kStart[size];
    case kButtonFastExit: return kFastExit[size];
    case kButtonProperties: return kProperties[size];
    default: return kToggle[size];
  }
}

}  // namespace

namespace {

// One line of a 3-D frame: a system colour and two to four points.
struct FrameLine {
  int color;  // COLOR_* index
  POINT points[4];
  int count;
};

// Each line needs a pen of its own colour; the pens live for this drawing
// only, and the DC gets back the pen it had, as its owner expects. A pen is
// deleted only once the DC holds another.
void DrawFrameLines(HDC dc, const FrameLine* lines, int lineCount) {
  HGDIOBJ original = nullptr;
  OwnedGdiObject selected;  // ours, in the DC since `original` left it
  for (int i = 0; i < lineCount; ++i) {
    OwnedGdiObject pen(CreatePen(PS_SOLID, 0, GetSysColor(lines[i].color)));
    if (!pen.Ok()) continue;
    HGDIOBJ previous = SelectObject(dc, pen.Get());
    if (!previous) continue;
    if (!original) original = previous;
    selected = std::move(pen);
    Polyline(dc, lines[i].points, lines[i].count);
  }
  if (original && !SelectObject(dc, original)) selected.Release();  // still in the DC: it cannot go
}

}  // namespace

// The 3-D frames: one line of the darkest shadow, one of shadow, one of light.
void DrawButtonFrame(HDC dc, int width, int height, bool pushed) {
  const int W = width - 1, H = height - 1;
  const FrameLine raised[] = {
      {COLOR_3DDKSHADOW, {{0, H}, {W, H}, {W, 0}, {W, 1}}, 4},
      {COLOR_BTNSHADOW, {{1, H - 1}, {W - 1, H - 1}, {W - 1, 0}, {0, 0}}, 3},
      {COLOR_3DHILIGHT, {{0, H - 1}, {0, 0}, {W, 0}, {0, 0}}, 3},
  };
  const FrameLine sunken[] = {
      {COLOR_3DDKSHADOW, {{0, H}, {0, 0}, {W + 1, 0}, {W, 0}}, 4},
      {COLOR_BTNSHADOW, {{1, H - 1}, {1, 1}, {W, 1}, {0, 0}}, 3},
      {COLOR_3DHILIGHT, {{1, H}, {W, H}, {W, 0}, {0, 0}}, 3},
  };
  DrawFrameLines(dc, pushed ? sunken : raised, 3);
}

void DrawBarFrame(HDC dc, int w, int h, bool thin) {
  const FrameLine lines[] = {
      {COLOR_3DDKSHADOW, {{0, h - 1}, {w - 1, h - 1}, {w - 1, 0}, {w - 1, 1}}, 4},
      {COLOR_BTNSHADOW, {{1, h - 2}, {w - 2, h - 2}, {w - 2, 0}, {0, 0}}, 3},
      {COLOR_3DHILIGHT,
       {thin ? POINT{0, h - 2} : POINT{1, h - 3}, thin ? POINT{0, 0} : POINT{1, 1},
        thin ? POINT{w - 1, 0} : POINT{w - 2, 1}, {0, 0}},
       3},
  };
  DrawFrameLines(dc, lines, 3);
}

void ButtonFace::Load(int id, int size) {
  bitmap.Reset();
  faceId = id;
  sizeClass = size;
  pixelSize = ButtonPixelSize(size);
  HBITMAP loaded = LoadBitmapA(g_instance, MAKEINTRESOURCEA(BitmapId(id, size)));
  SetBitmap(loaded, (id == kButtonStart || id == kButtonFastExit || id == kButtonProperties) ? 1 : 2);
}

LONG ButtonFace::SetBitmap(HBITMAP taken, int frames) {
  bitmap.Reset(taken);
  if (!taken) return 0;
  BITMAP info;
  if (!GetObjectA(taken, sizeof info, &info) || frames < 1) return 0;
  frameHeight = info.bmHeight / 2;
  frameWidth = info.bmWidth / frames;
  return MAKELONG(frameWidth + inset, frameHeight + inset);
}

void ButtonFace::Paint(HDC dc) {
  const int frame = (faceId == kButtonToggle && !saverEnabled) ? 1 : 0;
  Draw(pressed, frame, dc, frameWidth + inset, frameHeight + inset);
}

BOOL ButtonFace::Draw(BOOL pushed, int frame, HDC dc, int width, int height) {
  if (!bitmap.Ok() || inset >= width || inset >= height) return FALSE;
  OwnedMemoryDc memory(CreateCompatibleDC(dc));
  if (!memory.Ok()) return FALSE;
  const int offset = pushed ? 2 : 1;  // a pushed picture moves one pixel right and down
  HGDIOBJ oldBitmap = SelectObject(memory.Get(), bitmap.Get());
  StretchBlt(dc, offset, offset, width - inset, height - inset, memory.Get(), frame * frameWidth, 0, frameWidth,
             frameHeight, SRCCOPY);
  OwnedGdiObject face(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  HGDIOBJ oldBrush = SelectObject(dc, face.Get());
  StretchBlt(dc, offset, offset, width - inset, height - inset, memory.Get(), frame * frameWidth, frameHeight,
             frameWidth, frameHeight, kMaskRop);
  // Each object leaves its DC before it goes.
  SelectObject(dc, oldBrush);
  face.Reset();
  SelectObject(memory.Get(), oldBitmap);
  memory.Reset();

  DrawButtonFrame(dc, width, height, pushed != FALSE);
  return TRUE;
}

void SizeFacePreview(HWND dialog, int controlId, int sizeClass) {
  HWND control = GetDlgItem(dialog, controlId);
  if (!control) return;
  RECT rect;
  GetWindowRect(control, &rect);
  MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
  const int side = ButtonPixelSize(sizeClass);
  MoveWindow(control, rect.left, rect.bottom - side, side, side, FALSE);
}
