#pragma once

#include <QCursor>
#include <QImage>

namespace zorbel {

// The pointing hand over the label look: 32 x 32, the hot spot at the fingertip (12, 1).
QImage handCursorImage();
QCursor handCursor();

// The control's toolbox picture, 16 x 15.
QImage toolboxImage();

} // namespace zorbel
