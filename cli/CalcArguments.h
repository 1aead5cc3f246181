#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"
#include "project/RunOptions.h"

namespace corvane::cli {

// The choices of the main window that the calculating commands take from the command line:
// --method, --rotation, --bracket, --growth, --tolerance, and the unit of what they write: --units.
// Each one asked for overrides the job's own for that run; --no-growth and --no-tolerance turn off
// what a job was saved with.
struct CalcArguments {
    QCommandLineOption method{"method", "reverse-dial, rim-face or jack-shaft.", "method"};
    QCommandLineOption rotation{"rotation", "full or half (reverse dial).", "rotation"};
    QCommandLineOption bracket{"bracket", "fixed or moveable (rim and face).", "side"};
    QCommandLineOption growth{"growth", "Take the thermal growth off the vertical moves."};
    QCommandLineOption noGrowth{"no-growth",
                                "Leave the thermal growth out, even if the job was saved with it."};
    QCommandLineOption tolerance{"tolerance", "Draw the tolerance band."};
    QCommandLineOption noTolerance{"no-tolerance",
                                   "Draw no tolerance band, even if the job was saved with it."};
    QCommandLineOption units{"units", "english (mils, in, F; the default) or metric (mm, C).", "units"};

    void addTo(QCommandLineParser& parser) const;
    // Reads the choices the parser saw into `asked` and `unitSystem`; false with the reason in
    // `error` for a value that is not one of the choices, or for a switch and its opposite together.
    bool read(const QCommandLineParser& parser, ViewChoices& asked, UnitSystem& unitSystem,
              QString& error) const;
};

}  // namespace corvane::cli
