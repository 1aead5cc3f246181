#pragma once

#include <QImage>

class QWidget;

namespace corvane {

class DialogProvider;

// File > Print...: captures `window` first, then asks for the printer; prints one landscape page
// per copy. Cancelling the dialog or any printer error ends quietly with nothing printed.
void printWindow(QWidget* window, DialogProvider& dialogs);

// A picture of the window as the user sees it: the screen's pixels of its frame where the platform
// lets a program read the screen, else the window rendered into an image.
QImage captureWindow(QWidget* window);

}  // namespace corvane
