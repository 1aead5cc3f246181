#include "ui/main/ResultsPanel.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>

#include "calc/graph/Ranges.h"
#include "calc/methods/MethodTraits.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/Knob.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

using namespace mainlayout;

namespace {

QFont resultFont() {
    // Courier New where the system has it (fontconfig maps it to Liberation Mono on Linux);
    // any fixed-pitch font keeps the columns of the result lines aligned.
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(9);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(9);
    }
    return font;
}

}  // namespace

ResultsPanel::ResultsPanel(const MainPanelContext& context) : ui_(context.ui) {
    constexpr int kButton = kGraphButton;
    const QFont font = resultFont();
    QWidget* central = context.canvas;
    DesignLayout& layout = context.layout;
    frmDials& window = context.window;

    ui_.Graph1 = new ResultGraph(central);
    ui_.Graph1->setObjectName(QStringLiteral("Graph1"));
    ui_.Graph1->setAccessibleName(QStringLiteral("Vertical graph"));
    ui_.Graph1->setTitle(QStringLiteral("Vertical (shims)"));
    layout.place(ui_.Graph1, kGraph1);
    ui_.lblAcalc1 = makeNamedLabel(QString(), central, "lblAcalc1");

    ui_.Graph2 = new ResultGraph(central);
    ui_.Graph2->setObjectName(QStringLiteral("Graph2"));
    ui_.Graph2->setAccessibleName(QStringLiteral("Horizontal graph"));
    ui_.Graph2->setTitle(QStringLiteral("Horizontal"));
    layout.place(ui_.Graph2, kGraph2);
    ui_.lblAcalc2 = makeNamedLabel(QString(), central, "lblAcalc2");

    for (QLabel* label : {ui_.lblAcalc1, ui_.lblAcalc2}) {
        label->setFont(font);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    layout.place(ui_.lblAcalc1, kResult1);
    layout.place(ui_.lblAcalc2, kResult2);

    ui_.cmdG1Inc =
        pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG1Inc", kButton);
    ui_.cmdG1Dec =
        pictureButton(zoomIcon(false), QStringLiteral("Descrease Scale"), central, "cmdG1Dec", kButton);
    ui_.cmdScale = pictureButton(autoScaleIcon(), QStringLiteral("AutoScale"), central, "cmdScale", kButton);
    ui_.cmdG2Inc =
        pictureButton(zoomIcon(true), QStringLiteral("Increase Scale"), central, "cmdG2Inc", kButton);
    ui_.cmdG2Dec =
        pictureButton(zoomIcon(false), QStringLiteral("Decrease Scale"), central, "cmdG2Dec", kButton);
    ui_.cmdG1Inc->setAccessibleDescription(QStringLiteral("Vertical graph"));
    ui_.cmdG1Dec->setAccessibleDescription(QStringLiteral("Vertical graph"));
    ui_.cmdG2Inc->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    ui_.cmdG2Dec->setAccessibleDescription(QStringLiteral("Horizontal graph"));
    layout.place(ui_.cmdG1Inc, kGraph1Widen);
    layout.place(ui_.cmdG1Dec, kGraph1Narrow);
    layout.place(ui_.cmdScale, kAutoScale);
    ui_.cmdMoves =
        pictureButton(movesIcon(), QStringLiteral("Move Alternatives"), central, "cmdMoves", kButton);
    layout.place(ui_.cmdMoves, kMovesButton);
    QObject::connect(ui_.cmdMoves, &QPushButton::clicked, &window, &frmDials::cmdMoves_Click);
    layout.place(ui_.cmdG2Inc, kGraph2Widen);
    layout.place(ui_.cmdG2Dec, kGraph2Narrow);
    ui_.cmdScale->setAutoFillBackground(true);
    QObject::connect(ui_.cmdG1Inc, &QPushButton::clicked, &window, &frmDials::cmdG1Inc_Click);
    QObject::connect(ui_.cmdG1Dec, &QPushButton::clicked, &window, &frmDials::cmdG1Dec_Click);
    QObject::connect(ui_.cmdG2Inc, &QPushButton::clicked, &window, &frmDials::cmdG2Inc_Click);
    QObject::connect(ui_.cmdG2Dec, &QPushButton::clicked, &window, &frmDials::cmdG2Dec_Click);
    QObject::connect(ui_.cmdScale, &QPushButton::clicked, &window, &frmDials::cmdScale_Click);
}

void ResultsPanel::startGraphs(bool autoScale, UnitSystem units) {
    if (!autoScale) {
        // The knobs show their scale in the units shown; the graphs keep theirs in mils.
        const auto stored = [units](double shown) { return fromDisplay(shown, Quantity::Reading, units); };
        ui_.Graph1->setYRange({stored(ui_.cwkDial1[0]->minimum()), stored(ui_.cwkDial1[0]->maximum())});
        ui_.Graph2->setYRange({stored(ui_.cwkDial2[0]->minimum()), stored(ui_.cwkDial2[0]->maximum())});
    }
    ui_.Graph1->replot();
    ui_.Graph2->replot();
}

void ResultsPanel::showMethod(const MethodTraits& traits) {
    ui_.lblAcalc1->setToolTip(QString::fromLatin1(traits.resultsViewpoint.data(),
                                                  static_cast<qsizetype>(traits.resultsViewpoint.size())));
    ui_.lblAcalc2->setToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph1->setGraphToolTip(ui_.lblAcalc1->toolTip());
    ui_.Graph2->setGraphToolTip(ui_.lblAcalc1->toolTip());
}

void ResultsPanel::setAutoScale(bool on) {
    showScaleButton(on);
    ui_.Graph1->setYAutoScale(on);
    ui_.Graph2->setYAutoScale(on);
}

void ResultsPanel::setBandVisible(bool on) {
    ui_.Graph1->setBandVisible(on);
    ui_.Graph2->setBandVisible(on);
}

void ResultsPanel::setUnits(UnitSystem units) {
    ui_.Graph1->setUnits(units);
    ui_.Graph2->setUnits(units);
}

void ResultsPanel::stepGraphRange(int graph, bool widen) {
    ResultGraph* shown = graph == 1 ? ui_.Graph1 : ui_.Graph2;
    shown->setYRange(stepRange(shown->yRange(), widen));
    shown->replot();
}

void ResultsPanel::showGraphs(const CalcResult& result) {
    ui_.Graph1->apply(result.graph1);
    ui_.Graph2->apply(result.graph2);
}

void ResultsPanel::showTexts(const CalcResult& result) {
    const bool aborted = result.status == CalcStatus::Aborted;
    ui_.lblAcalc1->setText(QString::fromStdString(aborted ? kNoStationaryPair : result.verticalText));
    ui_.lblAcalc2->setText(QString::fromStdString(aborted ? kNoStationaryPair : result.horizontalText));
}

void ResultsPanel::showTargets(const std::optional<PlotData>& vertical,
                               const std::optional<PlotData>& horizontal) {
    ui_.Graph1->setTarget(vertical);
    ui_.Graph2->setTarget(horizontal);
}

void ResultsPanel::showScaleButton(bool autoScale) {
    // Green while the graphs follow the results, white while they keep the user's zoom.
    const QColor colour = autoScale ? QColor(0x00, 0xFF, 0x00) : QColor(0xFF, 0xFF, 0xFF);
    QPalette palette = ui_.cmdScale->palette();
    palette.setColor(QPalette::Button, colour);
    ui_.cmdScale->setPalette(palette);
    ui_.cmdScale->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid #7a7a7a;"
                       " border-radius: 3px; }"
                       "QPushButton:focus { border: 2px solid #3070c0; }")
            .arg(colour.name()));
}

}  // namespace corvane
