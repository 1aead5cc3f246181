#pragma once

#include <QRect>

class QByteArray;
class QWidget;

namespace corvane {

// Places an auxiliary window centred over the main window, wherever that stands, and keeps it on
// the main window's screen so that no part of it is out of reach. The window keeps its size.
void centreOnMainWindow(QWidget* window, const QWidget* mainWindow);

// `wanted` made to fit `available`: no larger (but never below `minimum`), and moved inside it.
QRect fittedToScreen(const QRect& wanted, const QRect& available, const QSize& minimum);

// Puts the window where the user last had it (a saved geometry), made to fit the screen it lands
// on: settings from a larger monitor, or damaged ones, never give a window larger than the screen
// or out of reach.
void restoreWindowPlace(QWidget* window, const QByteArray& geometry);

}  // namespace corvane
