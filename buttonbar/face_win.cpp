#include "buttonbar/face_win.h"

GdiHolder::~GdiHolder() { Reset(nullptr); }

void GdiHolder::Reset(HGDIOBJ replacement) {
  if (object && object != replacement) DeleteObject(object);
  object = replacement;
}

int ButtonFace::Load(int faceKind, int faceSizeClass) {
  kind = faceKind;
  sizeClass = faceSizeClass;
  // TODO(ButtonFace::Load): the face bitmaps 101..112 come with the Button Bar artwork.
  return 0;
}
