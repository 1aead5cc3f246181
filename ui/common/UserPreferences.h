#pragma once

#include <QByteArray>

#include "calc/format/Units.h"
#include "project/AppState.h"

namespace corvane {

// The unit system the user chose last, kept in the user's own settings (AppPaths::preferences), so
// that the next start shows the same units. English when nothing was chosen yet or the settings
// cannot be read.
UnitSystem preferredUnits(const AppPaths& paths);
// Remembers the choice for the next start; a settings file that cannot be written keeps the old one.
void setPreferredUnits(const AppPaths& paths, UnitSystem units);

// The main window's place and size when it was last closed (QWidget::saveGeometry's bytes); empty
// when there is none yet.
QByteArray windowGeometry(const AppPaths& paths);
void setWindowGeometry(const AppPaths& paths, const QByteArray& geometry);

}  // namespace corvane
