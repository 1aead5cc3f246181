#include "ui/help/HelpTexts.h"

#include <QStringList>
#include <QWidget>
#include <array>

#include "calc/methods/MethodTraits.h"
#include "project/ProjectRecord.h"

namespace corvane {

namespace {

struct Entry {
    const char* prefix;  // the object name, or its start for a row of controls
    const char* text;
    const char* page;
};

// Longer prefixes first where one starts another ("txtD1" before "txtD").
constexpr std::array kEntries{
    Entry{"txtMachine", "The machine train or job this project is for; it heads the report.", "report.html"},
    Entry{"txtTechnician", "Who took the readings; it goes on the report.", "report.html"},
    Entry{"txtM1", "The fixed machine's name (it stays where it is), drawn on the fixed machine.",
          "mounting.html"},
    Entry{"txtM2", "The moveable machine's name (the one that gets the shims and side moves).",
          "mounting.html"},
    Entry{"txtD1",
          "A reading of the first dial at this clock position, in mils (mm with metric units). "
          "Plunger in is plus. Its tool tip says what the reading means.",
          "readings.html"},
    Entry{"txtD2",
          "A reading of the second dial at this clock position, in mils (mm with metric units). "
          "Plunger in is plus. Its tool tip says what the reading means.",
          "readings.html"},
    Entry{"cwkDial", "Turn the knob (or use the arrow keys) to set the reading below it.", "readings.html"},
    Entry{"lblZero", "Where this dial is set to 0 and the sign its readings take.", "mounting.html"},
    Entry{"frameDial", "The readings of one dial at 12:00, 3:00, 6:00 and 9:00, seen from the fixed machine.",
          "readings.html"},
    Entry{"txtGro",
          "The foot's thermal rise in mils, taken off the vertical move when Thermal Growth is "
          "ticked.",
          "growth.html"},
    Entry{"chkStation", "Tick the two feet that stay where they are; the others are moved to them.",
          "results.html"},
    // The thermal growth and tolerance windows.
    Entry{"picCoupling", "The coupling span the acceptable offset is worked out over.", "tolerances.html"},
    Entry{"picMachine", "The machine train: the feet whose growth is worked out.", "growth.html"},
    Entry{"gridHeight",
          "The height of the shaft centre above each foot, cold, in inches (mm with metric "
          "units).",
          "growth.html"},
    Entry{"txtHeight", "The height being typed; Enter takes it.", "growth.html"},
    Entry{"gridGrowth",
          "Each foot's rise from cold to running temperature, worked out from the height, the "
          "material and the temperatures.",
          "growth.html"},
    Entry{"optMaterial", "The material of the casing under the shaft: it sets how much it grows per degree.",
          "growth.html"},
    Entry{"cwColdT", "The temperature of the casing when the readings are taken.", "growth.html"},
    Entry{"txtColdT", "The temperature of the casing when the readings are taken.", "growth.html"},
    Entry{"cwHotT", "The temperature of the casing when the machine runs.", "growth.html"},
    Entry{"txtHotT", "The temperature of the casing when the machine runs.", "growth.html"},
    Entry{"cmdApplyGrowth", "Put the worked-out growth into the main window's growth boxes.", "growth.html"},
    Entry{"cmdExit", "Close this window.", "index.html"},
    Entry{"txtRPM",
          "The running speed in revolutions per minute: the tolerance and the verdict depend on "
          "it.",
          "tolerances.html"},
    Entry{"txtSpan", "The coupling span in inches over which the acceptable offset is measured.",
          "tolerances.html"},
    Entry{"pic",
          "The machine train as it is measured: each dial named at the shaft it is clamped on and "
          "the surface its plunger bears on; the letters are the distances in the length table.",
          "mounting.html"},
    Entry{"gridLength",
          "The distances A to E in inches (mm with metric units), as the letters under the "
          "drawing show them.",
          "mounting.html"},
    Entry{"txtLength", "The distance being typed; Enter takes it.", "mounting.html"},
    Entry{"optAcalc", "The measuring method: how the dials are mounted.", "mounting.html"},
    Entry{"txtRimSag",
          "The bar sag of the rim-and-face bracket in mils: added to the rim's 6:00 reading. "
          "Measure it on a straight pipe; enter it as a positive number.",
          "sag.html"},
    Entry{"cmbFixMove",
          "Which machine's coupling half the rim and face plungers bear on; the bracket is "
          "clamped on the other shaft.",
          "mounting.html#rim-face"},
    Entry{"cmbRotation",
          "Full rotation: zeroed at 12:00, read at 3:00, 6:00 and 9:00. Half rotation: "
          "zeroed at 9:00, read at 12:00 and 3:00.",
          "mounting.html#reverse-dial"},
    Entry{"cmbMachine", "The number of machines in the train.", "mounting.html"},
    Entry{"chkTgrowth", "Take the thermal growth of the feet off the vertical moves.", "growth.html"},
    Entry{"chkTolerance", "Draw the tolerance band across the coupling span on both graphs.",
          "tolerances.html"},
    Entry{"optEU", "Show and type every value in inch units (mils, in, F) or metric ones (mm, C).",
          "results.html"},
    Entry{"lblAcalc",
          "The move of each foot: UP adds shims, DOWN removes them; LEFT and RIGHT are seen "
          "from the fixed machine.",
          "results.html"},
    Entry{"Graph",
          "The moveable machine's shaft line against the fixed machine's; in line when it runs "
          "along the middle.",
          "results.html"},
    Entry{"cmdGrowth", "Work out the thermal growth of each foot from heights and temperatures.",
          "growth.html"},
    Entry{"cmdG", "Widen or narrow the graph's scale.", "results.html"},
    Entry{"cmdScale", "Scale both graphs to the moves.", "results.html"},
    Entry{"cmdMoves",
          "Every way to move the machine: which two feet to hold, the least move into tolerance and "
          "the dial to watch.",
          "alternatives.html"},
    Entry{"cmdFeet", "The soft-foot check of each foot, the shims under it and the packs for its move.",
          "feet.html"},
    Entry{"cmdComments", "Notes on the job, printed in the report.", "report.html"},
    Entry{"cmdClose", "Close this window; what it shows stays with the job.", "tolerances.html"},
    Entry{"cmdTolerances", "The machine's speed and the tolerance it is judged by.", "tolerances.html"},
    Entry{"cmdReset", "Clear every reading, name and growth value of this project.", "readings.html"},
    Entry{"lblReadingsCheck", "Whether the readings add up: 12:00 + 6:00 must equal 3:00 + 9:00.",
          "readings.html"},
    Entry{"lblVerdict", "How good the alignment is at the machine's speed, by the tolerance table.",
          "tolerances.html"},
};

const Entry* entryFor(const QString& name) {
    for (const Entry& e : kEntries)
        if (name.startsWith(QLatin1String(e.prefix))) return &e;
    return nullptr;
}

}  // namespace

QString whatsThisFor(const QString& objectName, int method) {
    if (objectName == QLatin1String("txtMisc1")) {
        return methodTraits(method).miscField == MiscField::Sag
                   ? QStringLiteral(
                         "The bar sag in mils, added to the 6:00 readings of both dials. Measure it "
                         "on a straight pipe; enter it as a positive number.")
                   : QStringLiteral(
                         "The diameter the face plunger runs on, in inches (mm with metric units).");
    }
    const Entry* e = entryFor(objectName);
    return e ? QLatin1String(e->text) : QString();
}

void explainControls(QWidget* root, int method) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const QString text = whatsThisFor(w->objectName(), method);
        if (!text.isEmpty()) w->setWhatsThis(text);
    }
    // The title bar's "?" where the window manager offers one.
    if (root->isWindow()) root->setWindowFlag(Qt::WindowContextHelpButtonHint);
}

QString manualSectionFor(const QString& objectName, int method) {
    if (objectName == QLatin1String("txtMisc1"))
        return methodTraits(method).miscField == MiscField::Sag ? QStringLiteral("sag.html")
                                                                : QStringLiteral("mounting.html");
    const Entry* e = entryFor(objectName);
    if (!e) return QStringLiteral("index.html");
    QString page = QLatin1String(e->page);
    // The mounting page opens at the method shown.
    if (page == QLatin1String("mounting.html")) {
        const char* anchors[] = {"#reverse-dial", "#rim-face", "#jack-shaft"};
        if (method >= 0 && method < kMethodCount) page += QLatin1String(anchors[method]);
    }
    return page;
}

}  // namespace corvane
