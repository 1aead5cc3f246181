#pragma once

class QWidget;

namespace corvane {

// Places an auxiliary window centred over the main window, wherever that stands, and keeps it on
// the main window's screen so that no part of it is out of reach. The window keeps its size.
void centreOnMainWindow(QWidget* window, const QWidget* mainWindow);

}  // namespace corvane
