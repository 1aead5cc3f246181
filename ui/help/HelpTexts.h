#pragma once

#include <QString>

class QWidget;

namespace corvane {

// The sentence or two that What's This shows for a control of the main window, by its object name
// ("txtD1_2" is a reading box of dial 1); empty when there is none.
QString whatsThisFor(const QString& objectName, int method);

// What's This for every control under `root` that has a text, and the "?" in its title bar.
void explainControls(QWidget* root, int method);

// The manual page and section for a control of the main window (F1 on it), "index.html" for
// anything else.
QString manualSectionFor(const QString& objectName, int method);

}  // namespace corvane
