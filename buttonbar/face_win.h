// The faces of the bar's buttons, bitmaps that outlive one drawing, and the
// 3-D frame drawn around the faces and the bar.
#ifndef NAPKEY_BUTTONBAR_FACE_WIN_H
#define NAPKEY_BUTTONBAR_FACE_WIN_H

#include <windows.h>

#include "base/owned_win.h"

// The picture of one bar button: a bitmap whose upper half is the picture and
// lower half its mask, one or two frames wide.
class ButtonFace {
 public:
  // Loads the bitmap for a face (1, 2, 4 or 8) in a size class (0, 1, 2).
  void Load(int faceId, int sizeClass);
  void SetSizeClass(int sizeClass) { Load(faceId, sizeClass); }
  // Takes ownership; returns the button size packed as MAKELONG(width, height),
  // 0 for no bitmap.
  LONG SetBitmap(HBITMAP bitmap, int frames);
  // The whole button at its natural size.
  void Paint(HDC dc);
  BOOL Draw(BOOL pushed, int frame, HDC dc, int width, int height);
  HGDIOBJ Object() const { return bitmap.Get(); }  // null until a bitmap is loaded

  int frameWidth = 0;
  int frameHeight = 0;
  int inset = 3;
  int faceId = 1;
  BOOL pressed = FALSE;
  BOOL saverEnabled = FALSE;
  int sizeClass = 0;
  int pixelSize = 18;

 private:
  OwnedGdiObject bitmap;
};

// The 3-D frame of a bar button (sunken when pushed), and the bar's border
// (a thin one two pixels wide, else three).
void DrawButtonFrame(HDC dc, int width, int height, bool pushed);
void DrawBarFrame(HDC dc, int width, int height, bool thin);

// Makes a dialog control a square button preview of the size class, keeping
// its left and bottom edges.
void SizeFacePreview(HWND dialog, int controlId, int sizeClass);

#endif
