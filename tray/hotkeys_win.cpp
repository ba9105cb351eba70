#include "app/userxface.h"

// TODO(RegisterHotKeys, OnHotKey): no hot keys are registered yet.
void UserXface::RegisterHotKeys() {}
void UserXface::OnHotKey(HWND, WPARAM, LPARAM) {}
