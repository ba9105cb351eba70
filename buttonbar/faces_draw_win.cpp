#include "app/userxface.h"

// TODO(UserXface::OnDrawItem): the buttons paint nothing until the faces exist.
void UserXface::OnDrawItem(const DRAWITEMSTRUCT*) {}
