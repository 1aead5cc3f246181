#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"

namespace corvane::cli {

// The choices of the main window that the calculating commands take from the command line:
// --method, --rotation, --bracket, --growth, --tolerance, and the unit of what they write: --units.
struct CalcArguments {
    QCommandLineOption method{"method", "reverse-dial, rim-face or jack-shaft.", "method"};
    QCommandLineOption rotation{"rotation", "full or half (reverse dial).", "rotation"};
    QCommandLineOption bracket{"bracket", "fixed or moveable (rim and face).", "side"};
    QCommandLineOption growth{"growth", "Take the thermal growth off the vertical moves."};
    QCommandLineOption tolerance{"tolerance", "Draw the tolerance band."};
    QCommandLineOption units{"units", "english (mils, in, F; the default) or metric (mm, C).", "units"};

    void addTo(QCommandLineParser& parser) const;
    // Reads the choices the parser saw into `view` and `unitSystem`; false with the reason in `error`
    // for a value that is not one of the choices.
    bool read(const QCommandLineParser& parser, ViewOptions& view, UnitSystem& unitSystem,
              QString& error) const;
};

}  // namespace corvane::cli
