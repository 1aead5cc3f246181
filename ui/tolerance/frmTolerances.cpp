#include "ui/tolerance/frmTolerances.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>
#include <tuple>

#include "calc/graph/ToleranceBand.h"
#include "calc/judging/Assessment.h"
#include "calc/judging/Verdict.h"
#include "project/AppState.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/WindowZoom.h"
#include "ui/tolerance/CouplingSpanDrawing.h"
#include "ui/widgets/EntryBox.h"

namespace corvane {

frmTolerances::frmTolerances(AppState& state, QWidget* mainWindow, OptionsSource currentOptions)
    : QDialog(mainWindow),
      state_(state),
      currentOptions_(std::move(currentOptions)),
      mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmTolerances"));
    setWindowTitle(QStringLiteral("Alignment Tolerance"));
    setAccessibleName(windowTitle());
    buildControls();
    zoom_ = new WindowZoom(this);
    formLoad();
}

frmTolerances::~frmTolerances() {
    // Boxes losing the focus while they are torn down must not run the handlers.
    EntryBox::disableAll(this);
}

void frmTolerances::buildControls() {
    frameTolerance = new QGroupBox(QStringLiteral("Tolerance"), this);
    frameTolerance->setObjectName(QStringLiteral("frameTolerance"));

    const CaptionedBox rpm = makeCaptionedBox(frameTolerance, QStringLiteral("Speed (RPM):"),
                                              QStringLiteral("txtRPM"), [this] { txtRPM_LostFocus(); });
    const CaptionedBox span = makeCaptionedBox(frameTolerance, QStringLiteral("Span (in):"),
                                               QStringLiteral("txtSpan"), [this] { txtSpan_LostFocus(); });
    txtRPM = rpm.box;
    txtRPM->setToolTip(QStringLiteral("Enter Speed Value"));
    txtSpan = span.box;
    txtSpan->setToolTip(QStringLiteral("Enter Coupling Span"));
    const int boxWidth = txtRPM->fontMetrics().horizontalAdvance(QStringLiteral("-10000.0")) + 20;
    for (QLineEdit* box : {txtRPM, txtSpan}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(boxWidth);
    }
    QLabel* rpmLabel = rpm.caption;
    QLabel* spanLabel = lblSpan = span.caption;
    lblSpan->setObjectName(QStringLiteral("lblSpan"));

    lblTolerance = new QLabel(frameTolerance);
    lblTolerance->setObjectName(QStringLiteral("lblTolerance"));
    lblTolerance->setAlignment(Qt::AlignCenter);
    lblTolerance->setMinimumWidth(
        lblTolerance->fontMetrics().horizontalAdvance(QStringLiteral("Acceptable Offset:  -10000. mils")) +
        12);

    lblVerdict = new QLabel(frameTolerance);
    lblVerdict->setObjectName(QStringLiteral("lblVerdict"));
    // One paragraph a line, its continuation indented, so that a plane's values read as one entry.
    lblVerdict->setTextFormat(Qt::RichText);
    lblVerdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblVerdict->setWordWrap(true);
    // Wide enough for the second half of a plane's line, its continuation, in one line.
    lblVerdict->setMinimumWidth(
        lblVerdict->fontMetrics().horizontalAdvance(
            QStringLiteral("-0.020 mm/100 mm (excellent 0.020, acceptable 0.030): Out of tolerance")) +
        24);
    lblVerdict->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblVerdict->setAccessibleName(QStringLiteral("Alignment verdict"));

    lblLimits = new QLabel(frameTolerance);
    lblLimits->setObjectName(QStringLiteral("lblLimits"));
    lblLimits->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblLimits->setWordWrap(true);
    lblLimits->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblLimits->setAccessibleName(QStringLiteral("Limits of the verdict"));

    lblBandCaption = new QLabel(QString::fromUtf8(kBandCaption), frameTolerance);
    lblBandCaption->setObjectName(QStringLiteral("lblBandCaption"));
    lblBandCaption->setAlignment(Qt::AlignCenter);
    lblTolerance->setAccessibleName(lblBandCaption->text());

    picCoupling = new CouplingSpanDrawing(frameTolerance);
    picCoupling->setObjectName(QStringLiteral("picCoupling"));

    auto* boxes = new QGridLayout;
    boxes->addWidget(rpmLabel, 0, 0, Qt::AlignRight);
    boxes->addWidget(txtRPM, 0, 1);
    boxes->addWidget(spanLabel, 1, 0, Qt::AlignRight);
    boxes->addWidget(txtSpan, 1, 1);
    boxes->setRowStretch(2, 1);

    auto* frameLayout = new QGridLayout(frameTolerance);
    frameLayout->addLayout(boxes, 0, 0);
    frameLayout->addWidget(picCoupling, 0, 1);
    frameLayout->addWidget(lblLimits, 1, 0, 1, 2);
    frameLayout->addWidget(lblVerdict, 2, 0, 1, 2);
    frameLayout->addWidget(lblBandCaption, 3, 0, 1, 2);
    frameLayout->addWidget(lblTolerance, 4, 0, 1, 2);
    frameLayout->setHorizontalSpacing(16);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    cmdClose = buttons->button(QDialogButtonBox::Close);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    // Enter walks the boxes; only a click, Space on the button or Escape closes.
    cmdClose->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameTolerance);
    layout->addWidget(buttons);

    setTabOrder(txtRPM, txtSpan);
    setTabOrder(txtSpan, cmdClose);
}

void frmTolerances::formLoad() {
    placeOnMainWindow();
    state_.Project.Span = toleranceSpan(state_.Project, state_.CalcMethod);
    loaded_ = true;
    calcTolerance();
}

void frmTolerances::calcTolerance() {
    // Closed by the user since it was last prepared: prepared afresh, as at the start.
    if (!loaded_) {
        formLoad();
        return;
    }
    state_.Tolerance = corvane::calcTolerance(state_.Project.Span, state_.Project.RPM);
    showTolerance();
}

void frmTolerances::showTolerance() {
    lblTolerance->setText(QStringLiteral("Acceptable Offset:  ") +
                          toQString(display().boxText(state_.Tolerance, Quantity::Tolerance)) +
                          QLatin1Char(' ') + toQString(display().unit(Quantity::Tolerance)));
    lblSpan->setText(QStringLiteral("Span (%1):").arg(toQString(display().unit(Quantity::Length))));
    txtSpan->setAccessibleName(lblSpan->text());
    // The boxes follow the job (the span its lengths, at once), unless the user is typing in them.
    for (auto [box, value, quantity] : {std::tuple{txtSpan, state_.Project.Span, Quantity::Length},
                                        std::tuple{txtRPM, state_.Project.RPM, Quantity::Speed}}) {
        if (!(box->hasFocus() && box->isModified()))
            box->setText(toQString(display().boxText(value, quantity)));
    }

    // The verdict of the results the main window shows, against the row of this speed.
    const CalcOptions o = options();
    const AlignmentVerdict verdict = assess(state_.Project, o).verdict;
    QStringList lines;
    QString paragraphs;
    for (const std::string& line : verdictToleranceLines(verdict)) {
        lines << QString::fromStdString(line);
        paragraphs += QStringLiteral(
                          "<p style=\"margin-top:0; margin-bottom:3px; margin-left:16px; "
                          "text-indent:-16px\">%1</p>")
                          .arg(lines.back().toHtmlEscaped().replace(QStringLiteral("mm/100 mm"),
                                                                    QStringLiteral("mm/100&nbsp;mm")));
    }
    lblVerdict->setText(paragraphs);
    QStringList limits;
    for (const std::string& line : verdictLimitLines(state_.Project.RPM, o.method, o.units))
        limits << QString::fromStdString(line);
    lblLimits->setText(limits.join(QLatin1Char('\n')));
    lblLimits->setAccessibleDescription(lblLimits->text());
    // The lines as they are, for a screen reader and for anyone reading the window from outside.
    lblVerdict->setAccessibleDescription(lines.join(QLatin1Char('\n')));
}

DisplayFormat frmTolerances::display() const { return displayFormat(state_.EngUnits); }

CalcOptions frmTolerances::options() const {
    CalcOptions o;
    if (currentOptions_) {
        o = currentOptions_();
    } else {
        ViewOptions view;
        view.method = state_.CalcMethod;
        o = openingOptions(state_.Project, view);
    }
    // The acceptable offset is this window's, as just worked out.
    o.tolerance = state_.Tolerance;
    o.units = display().units;
    return o;
}

void frmTolerances::placeOnMainWindow() {
    zoom_->fit(WindowZoom::zoomOf(mainWindow_));
    centreOnMainWindow(this, mainWindow_);
}

void frmTolerances::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!loaded_) formLoad();
        placeOnMainWindow();
        txtSpan->setText(toQString(display().boxText(state_.Project.Span, Quantity::Length)));
        txtRPM->setText(toQString(display().boxText(state_.Project.RPM, Quantity::Speed)));
        showTolerance();
        txtRPM->setFocus(Qt::OtherFocusReason);
        txtRPM->selectAll();
    }
    QDialog::showEvent(event);
}

void frmTolerances::storeTyped(QLineEdit* box, float& field, Quantity quantity) {
    // A text that is no number, or one no Single can hold, leaves the record and the box as they were.
    const std::optional<float> value =
        EntryBox::takeValue(box, quantity, display().units, toQString(display().boxText(field, quantity)));
    if (!value) return;
    field = *value;
    box->setText(toQString(display().boxText(field, quantity)));
    calcTolerance();
    state_.Session.noteEdit(state_.Project);
    if (onChange_) onChange_();
}

void frmTolerances::txtRPM_LostFocus() { storeTyped(txtRPM, state_.Project.RPM, Quantity::Speed); }

void frmTolerances::txtSpan_LostFocus() { storeTyped(txtSpan, state_.Project.Span, Quantity::Length); }

void frmTolerances::done(int result) {
    // Closing with a value still being typed keeps it, as leaving the box would; a box merely
    // holding the focus does not mark the project changed.
    QWidget* focus = QApplication::focusWidget();
    if (focus == txtRPM || focus == txtSpan) EntryBox::of(focus)->commitIfEdited();
    // The next showing (or the main window's next refresh) starts again from the geometry span.
    loaded_ = false;
    QDialog::done(result);
}

}  // namespace corvane
