#include "ui/main/MainPanels.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "calc/judging/Assessment.h"
#include "calc/judging/MoveAlternatives.h"
#include "calc/methods/MethodTraits.h"
#include "project/MoveSetup.h"
#include "ui/help/HelpTexts.h"
#include "ui/main/HeaderPanel.h"
#include "ui/main/LengthPanel.h"
#include "ui/main/MachinePanel.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainStatusBar.h"
#include "ui/main/OptionsPanel.h"
#include "ui/main/ReadingsPanel.h"
#include "ui/main/ResultsPanel.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Knob.h"

namespace corvane {

MainPanels::MainPanels(const MainPanelContext& context, DialogProvider& dialogs,
                       std::function<bool()> loading)
    : window_(context.window),
      state_(context.state),
      ui_(context.ui),
      layout_(context.layout),
      canvas_(context.canvas) {
    header_ = std::make_unique<HeaderPanel>(context);
    machine_ = std::make_unique<MachinePanel>(context);
    readings_ = std::make_unique<ReadingsPanel>(context);
    lengths_ = std::make_unique<LengthPanel>(context, std::move(loading));
    menus_ = std::make_unique<MainMenus>(context, dialogs);
    menus_->buildButtons();
    results_ = std::make_unique<ResultsPanel>(context);
    options_ = std::make_unique<OptionsPanel>(context);
    menus_->buildMenus();
    status_ = std::make_unique<MainStatusBar>(context.window, ui_);
    arrangeMainTabOrder(ui_);
    frmDials* window = &context.window;
    // A knob dragged is one edit, reported when the drag ends.
    for (const auto& knobs : {ui_.cwkDial1, ui_.cwkDial2})
        for (Knob* knob : knobs)
            QObject::connect(knob, &ScaleWidget::dragFinished, window, &frmDials::jobEdited);
    MainMenus::routeUndoKeys(window);
    explainControls(context.canvas, kMethodReverseDial);
    for (QWidget* w : {static_cast<QWidget*>(ui_.lblReadingsCheck), static_cast<QWidget*>(ui_.lblVerdict)})
        w->setWhatsThis(whatsThisFor(w->objectName(), kMethodReverseDial));
}

MainPanels::~MainPanels() = default;

void MainPanels::showMethod(int method, bool growthOn) {
    const MethodTraits& traits = methodTraits(method);
    machine_->showMethod(method, ui_.cmbFixMove->currentIndex(), growthOn);
    options_->showMethod(method);
    readings_->showMethod(traits);
    results_->showMethod(traits);
}

void MainPanels::showGridAndReadings(const DisplayFormat& display) {
    lengths_->showJob(state_.Project, display);
    readings_->showReadings(state_.Project, state_.CalcMethod, display);
    machine_->showStationTicks(state_.Project);
}

void MainPanels::showTexts(const DisplayFormat& display) {
    const ProjectRecord& r = state_.Project;
    lengths_->showLengthUnit(display);
    options_->showJob(r, state_.CalcMethod, display);
    machine_->showJob(r, state_.CalcMethod, display);
    header_->showJob(r);
    options_->showRimSag(r, display);
}

void MainPanels::showGuidance(const CalcOptions& options) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return;
    readings_->showGuidance(m, options.rotation, options.bracketSide);
    options_->showGuidance(m);
}

void MainPanels::showCheckAndVerdict(const Assessment& assessment) {
    status_->showCheckAndVerdict(assessment.findings, assessment.verdict);
    readings_->markFindings(assessment.findings);
    options_->markFindings(assessment.findings, state_.CalcMethod);
}

void MainPanels::showResult(const CalcResult& result, int method) {
    results_->showTexts(result);
    const MoveSetup setup = decodeMoveSetup(state_.Project.ReservedText);
    std::optional<PlotData> vertical, horizontal;
    if (setup.held) {
        // A method with stationary ticks holds the ticked feet whatever the line says.
        const std::array<int, 2> held =
            methodTraits(method).hasStationaryTicks ? resultHeldFeet(state_.Project, method) : *setup.held;
        vertical = targetLine(result, Plane::Vertical, held, setup);
        horizontal = targetLine(result, Plane::Horizontal, held, setup);
    }
    results_->showTargets(vertical, horizontal);
}

void MainPanels::showZoomed(QSize room) {
    // Labels with a style sheet of their own do not follow a parent's font change.
    for (QWidget* w : {static_cast<QWidget*>(ui_.lblReadingsCheck), static_cast<QWidget*>(ui_.lblVerdict)})
        w->setFont(window_.font());
    // The canvas at the design size times the zoom, centred in the room between the bars.
    const QSize canvas(layout_.toPixels(mainlayout::kCanvas.width()),
                       layout_.toPixels(mainlayout::kCanvas.height()));
    canvas_->setGeometry(QRect(QPoint(std::max(0, (room.width() - canvas.width()) / 2), 0), canvas));
    lengths_->sizeGrid();
    for (QPushButton* b : {ui_.cmdComments, ui_.cmdGrowth, ui_.cmdTolerances, ui_.cmdG1Inc, ui_.cmdG1Dec,
                           ui_.cmdScale, ui_.cmdG2Inc, ui_.cmdG2Dec}) {
        const int side = std::min(b->width(), b->height()) - layout_.toPixels(10);
        b->setIconSize(QSize(side, side));
    }
    // The verdict keeps room for its longest line, with the frame and padding of its style.
    ui_.lblVerdict->setMinimumWidth(ui_.lblVerdict->fontMetrics().horizontalAdvance(QStringLiteral(
                                        "\u2716 Alignment: Out of tolerance at 7200 rpm (short coupling)")) +
                                    layout_.toPixels(24));
}

}  // namespace corvane
