// Owners of the GDI objects that outlive one drawing: the button faces.
#ifndef NAPKEY_BUTTONBAR_FACE_WIN_H
#define NAPKEY_BUTTONBAR_FACE_WIN_H

#include <windows.h>

// Owns one GDI object and deletes it when destroyed.
class GdiHolder {
 public:
  GdiHolder() = default;
  virtual ~GdiHolder();
  GdiHolder(const GdiHolder&) = delete;
  GdiHolder& operator=(const GdiHolder&) = delete;

  HGDIOBJ Object() const { return object; }
  void Reset(HGDIOBJ replacement);

 protected:
  HGDIOBJ object = nullptr;
};

// The picture of one bar button.
class ButtonFace : public GdiHolder {
 public:
  ~ButtonFace() override = default;
  // Loads the face bitmap for a button kind (1, 2, 4 or 8) in a size class.
  int Load(int kind, int sizeClass);

  int kind = 0;
  int sizeClass = 0;
};

#endif
