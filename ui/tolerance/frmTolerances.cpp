#include "ui/tolerance/frmTolerances.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QVBoxLayout>
#include <cfloat>
#include <cmath>

#include "calc/NumberFormat.h"
#include "calc/Tolerance.h"
#include "project/AppState.h"
#include "ui/tolerance/CouplingSpanDrawing.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/WindowPlacement.h"
#include "ui/widgets/WindowScaler.h"

namespace corvane {

namespace {

QString shown(float value) { return QString::fromStdString(formatValue(value)); }

}  // namespace

frmTolerances::frmTolerances(AppState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmTolerances"));
    setWindowTitle(QStringLiteral("Alignment Tolerance"));
    setAccessibleName(windowTitle());
    buildControls();
    scaler_ = new WindowScaler(this);
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
    QLabel* spanLabel = span.caption;

    lblTolerance = new QLabel(frameTolerance);
    lblTolerance->setObjectName(QStringLiteral("lblTolerance"));
    lblTolerance->setAlignment(Qt::AlignCenter);
    lblTolerance->setMinimumWidth(
        lblTolerance->fontMetrics().horizontalAdvance(QStringLiteral("Acceptable Offset:  -10000. mils")) +
        12);

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
    frameLayout->addWidget(lblTolerance, 1, 0, 1, 2);
    frameLayout->setHorizontalSpacing(16);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frameTolerance);

    setTabOrder(txtRPM, txtSpan);
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
    lblTolerance->setText(QStringLiteral("Acceptable Offset:  ") + shown(state_.Tolerance) +
                          QStringLiteral(" mils"));
}

void frmTolerances::placeOnMainWindow() {
    scaler_->fit(WindowScaler::scaleOf(mainWindow_));
    centreOnMainWindow(this, mainWindow_);
}

void frmTolerances::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        if (!loaded_) formLoad();
        placeOnMainWindow();
        txtSpan->setText(shown(state_.Project.Span));
        txtRPM->setText(shown(state_.Project.RPM));
        txtRPM->setFocus(Qt::OtherFocusReason);
        txtRPM->selectAll();
    }
    QDialog::showEvent(event);
}

void frmTolerances::storeTyped(QLineEdit* box, float& field, Quantity quantity) {
    // A text that is no number, or one no Single can hold, leaves the record and the box as they were.
    const std::optional<float> value = EntryBox::takeValue(box, quantity, UnitSystem::English, shown(field));
    if (!value) return;
    field = *value;
    box->setText(shown(field));
    calcTolerance();
    state_.Changed = true;
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
