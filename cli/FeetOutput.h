#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <string>

#include "calc/judging/ShimPacks.h"
#include "calc/methods/Alignment.h"
#include "project/ProjectRecord.h"

namespace corvane::cli {

// The shim kit the packs are made of: --kit "1x10 2x10 5x4" (sizes in the unit of --units, with the
// number on hand) and --most-shims N under one foot; the common pre-cut range, ten of each and four
// under a foot, when not given.
struct KitArguments {
    QCommandLineOption kit{
        "kit", "The shim kit: sizes in mils or mm with the number on hand, \"1x10 2x10 5x4\".", "sizes"};
    QCommandLineOption most{"most-shims", "The most shims under one foot (1 to 6; 4 when not given).", "n"};

    void addTo(QCommandLineParser& parser) const { parser.addOptions({kit, most}); }
    // The kit for `units`; false with the reason in `error` for a kit or a number that cannot be read.
    bool read(const QCommandLineParser& parser, UnitSystem units, ShimKit& out, QString& error) const;
};

// "feet": {"soft_foot": [each physical foot with a record, 1 left to 4 right], "packs": [each foot the
// method moves]}:
// lifts, thicknesses, moves and residuals in mils or mm as `units` says.
void appendFeet(std::string& out, const ProjectRecord& record, const CalcResult& result, int method,
                const ShimKit& kit, UnitSystem units);

}  // namespace corvane::cli
