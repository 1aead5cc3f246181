#pragma once

#include <QIcon>

namespace corvane {

// Pictures of the main window's picture buttons, drawn at run time so that they stay sharp at any
// scale and need no image files.
QIcon zoomIcon(bool plus);
QIcon autoScaleIcon();
QIcon commentsIcon();
QIcon thermometerIcon();
QIcon toleranceIcon();
QIcon movesIcon();

}  // namespace corvane
