#include "ui/growth/frmGrowth.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/methods/MethodTraits.h"
#include "project/AppState.h"
#include "ui/common/WindowPlacement.h"
#include "ui/common/WindowZoom.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/GridCellEditor.h"
#include "ui/widgets/MachineDrawing.h"
#include "ui/widgets/Thermometer.h"

namespace corvane {

namespace {

constexpr const char* kMaterialCaptions[4] = {"Steel", "Aluminum", "Iron", "Concrete"};

QTableWidget* makeGrid(QWidget* parent, const char* name) {
    auto* grid = new QTableWidget(parent);
    grid->setObjectName(QLatin1String(name));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab leaves the grid for the next control; the arrows move inside it.
    grid->setTabKeyNavigation(false);
    grid->setWordWrap(false);
    return grid;
}

}  // namespace

frmGrowth::frmGrowth(AppState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmGrowth"));
    setWindowTitle(QStringLiteral("Thermal Growth"));
    setAccessibleName(windowTitle());
    buildControls();
    zoom_ = new WindowZoom(this);
    zoom_->onZoom = [this](double) { sizeGrowthGrids(); };

    // Form_Load: the feet of the method selected now; the window is rebuilt at every showing.
    FootCount = methodTraits(state_.CalcMethod).footCount;
}

frmGrowth::~frmGrowth() {
    // Boxes losing the focus while they are torn down must not run the handlers.
    EntryBox::disableAll(this);
}

void frmGrowth::buildControls() {
    // The four arrangement pictures share one place; initGrowthPanel shows one of them.
    const MachineDrawing::Kind kinds[4] = {
        MachineDrawing::Kind::ReverseDial, MachineDrawing::Kind::RimFaceFixed,
        MachineDrawing::Kind::JackShaft, MachineDrawing::Kind::RimFaceMoveable};
    auto* pictures = new QGridLayout;
    pictures->setContentsMargins(0, 0, 0, 0);
    for (int k = 0; k < 4; ++k) {
        picMachine[k] = new MachineDrawing(kinds[k], this);
        picMachine[k]->setObjectName(QStringLiteral("picMachine%1").arg(k));
        picMachine[k]->setFixedSize(picMachine[k]->sizeHint());
        picMachine[k]->setVisible(k == 0);
        pictures->addWidget(picMachine[k], 0, 0, Qt::AlignCenter);
    }

    gridHeight = makeGrid(this, "gridHeight");
    gridHeight->setToolTip(QStringLiteral("Cold Height"));
    gridHeight->setAccessibleName(QStringLiteral("Cold Height"));

    // The cell editor lives on the grid's viewport so that it sits exactly over the current cell.
    txtHeight = new QLineEdit(gridHeight->viewport());
    txtHeight->setObjectName(QStringLiteral("txtHeight"));
    txtHeight->setAccessibleName(QStringLiteral("Cold Height cell"));
    txtHeight->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    txtHeight->setFrame(true);
    txtHeight->hide();
    heightEditor = new GridCellEditor(
        gridHeight, txtHeight, GridCellEditor::Walk::Columns, [this] { return Busy; }, this);
    connect(heightEditor, &GridCellEditor::committed, this, &frmGrowth::gridHeight_LeaveCell);
    connect(heightEditor, &GridCellEditor::cellEntered, this, &frmGrowth::gridHeight_EnterCell);

    frameGrowth = new QGroupBox(QStringLiteral("Foot Growth"), this);
    frameGrowth->setObjectName(QStringLiteral("frameGrowth"));
    gridGrowth = makeGrid(frameGrowth, "gridGrowth");
    gridGrowth->setAccessibleName(QStringLiteral("Foot Growth"));
    gridGrowth->setFocusPolicy(Qt::NoFocus);
    gridGrowth->setSelectionMode(QAbstractItemView::NoSelection);
    auto* growthLayout = new QVBoxLayout(frameGrowth);
    growthLayout->addWidget(gridGrowth, 0, Qt::AlignLeft);

    frameMaterial = new QGroupBox(QStringLiteral("Material"), this);
    frameMaterial->setObjectName(QStringLiteral("frameMaterial"));
    auto* materialLayout = new QHBoxLayout(frameMaterial);
    materials_ = new QButtonGroup(this);
    for (int k = 0; k < 4; ++k) {
        optMaterial[k] = new QRadioButton(QLatin1String(kMaterialCaptions[k]), frameMaterial);
        optMaterial[k]->setObjectName(QStringLiteral("optMaterial%1").arg(k));
        optMaterial[k]->setAccessibleName(optMaterial[k]->text());
        materials_->addButton(optMaterial[k], k);
        materialLayout->addWidget(optMaterial[k]);
    }
    // Only the user's choice runs the handler; the window's own selection does not come back here.
    connect(materials_, &QButtonGroup::idClicked, this, [this](int id) { optMaterial_Click(id); });

    frameTemperature = new QGroupBox(QStringLiteral("Temperature"), this);
    frameTemperature->setObjectName(QStringLiteral("frameTemperature"));
    cwColdT = new Thermometer(frameTemperature);
    cwColdT->setObjectName(QStringLiteral("cwColdT"));
    cwColdT->setAccessibleName(QStringLiteral("Ambient Temp (F) thermometer"));
    cwColdT->setFillColor(QColor(0, 0, 255));
    cwHotT = new Thermometer(frameTemperature);
    cwHotT->setObjectName(QStringLiteral("cwHotT"));
    cwHotT->setAccessibleName(QStringLiteral("Operating Temp (F) thermometer"));
    cwHotT->setFillColor(QColor(255, 0, 0));
    txtColdT = new QLineEdit(frameTemperature);
    txtColdT->setObjectName(QStringLiteral("txtColdT"));
    txtColdT->setAccessibleName(QStringLiteral("Ambient Temp (F)"));
    txtHotT = new QLineEdit(frameTemperature);
    txtHotT->setObjectName(QStringLiteral("txtHotT"));
    txtHotT->setAccessibleName(QStringLiteral("Operating Temp (F)"));
    const int boxWidth = txtHotT->fontMetrics().horizontalAdvance(QStringLiteral("-10000.0")) + 16;
    for (QLineEdit* box : {txtColdT, txtHotT}) {
        box->setAlignment(Qt::AlignCenter);
        box->setFixedWidth(boxWidth);
    }
    EntryBox::attach(txtColdT, [this] { txtColdT_LostFocus(); });
    EntryBox::attach(txtHotT, [this] { txtHotT_LostFocus(); });
    lblDeltaT = new QLabel(frameTemperature);
    lblDeltaT->setObjectName(QStringLiteral("lblDeltaT"));
    lblDeltaT->setAlignment(Qt::AlignCenter);
    lblDeltaT->setMinimumWidth(
        lblDeltaT->fontMetrics().horizontalAdvance(QStringLiteral("Delta T (\u00B0F): -10000.0")) + 8);
    connect(cwColdT, &Thermometer::valueChanged, this, [this](double v) { temperatureMoved(false, v); });
    connect(cwHotT, &Thermometer::valueChanged, this, [this](double v) { temperatureMoved(true, v); });

    // Which column is which, for a reader who does not go by the colours of the height grid.
    auto* coldCaption = new QLabel(QStringLiteral("Ambient"), frameTemperature);
    auto* hotCaption = new QLabel(QStringLiteral("Operating"), frameTemperature);
    coldCaption->setBuddy(txtColdT);
    hotCaption->setBuddy(txtHotT);
    auto* temperatureLayout = new QGridLayout(frameTemperature);
    temperatureLayout->addWidget(coldCaption, 0, 0, Qt::AlignHCenter);
    temperatureLayout->addWidget(hotCaption, 0, 1, Qt::AlignHCenter);
    temperatureLayout->addWidget(cwColdT, 1, 0, Qt::AlignHCenter);
    temperatureLayout->addWidget(cwHotT, 1, 1, Qt::AlignHCenter);
    temperatureLayout->addWidget(txtColdT, 2, 0, Qt::AlignHCenter);
    temperatureLayout->addWidget(txtHotT, 2, 1, Qt::AlignHCenter);
    temperatureLayout->addWidget(lblDeltaT, 3, 0, 1, 2);
    temperatureLayout->setRowStretch(0, 1);

    cmdApplyGrowth = new QPushButton(QStringLiteral("Apply Growth Values"), this);
    cmdApplyGrowth->setObjectName(QStringLiteral("cmdApplyGrowth"));
    cmdApplyGrowth->setAccessibleName(cmdApplyGrowth->text());
    cmdExit = new QPushButton(QStringLiteral("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setAccessibleName(cmdExit->text());
    // No default button: Enter in the boxes and the grid walks on, elsewhere it does nothing, and
    // only on a focused button does it press that button (keyPressEvent).
    cmdApplyGrowth->setAutoDefault(false);
    cmdExit->setAutoDefault(false);
    connect(cmdApplyGrowth, &QPushButton::clicked, this, &frmGrowth::cmdApplyGrowth_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmGrowth::cmdExit_Click);

    auto* left = new QVBoxLayout;
    left->addWidget(gridHeight, 0, Qt::AlignLeft);
    left->addWidget(frameGrowth);
    left->addWidget(frameMaterial);
    left->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdApplyGrowth);
    buttons->addWidget(cmdExit);

    auto* layout = new QGridLayout(this);
    layout->addLayout(pictures, 0, 0, 1, 2);
    layout->addLayout(left, 1, 0);
    layout->addWidget(frameTemperature, 1, 1);
    layout->addLayout(buttons, 2, 0, 1, 2);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);

    setTabOrder(gridHeight, cwColdT);
    setTabOrder(cwColdT, txtColdT);
    setTabOrder(txtColdT, cwHotT);
    setTabOrder(cwHotT, txtHotT);
    setTabOrder(txtHotT, optMaterial[0]);
    setTabOrder(optMaterial[3], cmdApplyGrowth);
    setTabOrder(cmdApplyGrowth, cmdExit);
}

void frmGrowth::placeOnMainWindow() {
    // Sized for the feet shown, at the main window's zoom, over the main window.
    zoom_->fit(WindowZoom::zoomOf(mainWindow_));
    centreOnMainWindow(this, mainWindow_);
}

void frmGrowth::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        // Each showing starts from the record: the feet of the selected method, and the growth of
        // every foot computed for the stored material.
        initGrowthPanel(bracketSide_);
        placeOnMainWindow();
        const int material = state_.Project.Material;
        optMaterial_Click(material);
        gridHeight->setFocus(Qt::OtherFocusReason);
    }
    QDialog::showEvent(event);
}

void frmGrowth::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget())) button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmGrowth::done(int result) {
    // Whatever way the window closes, a value still being typed is kept, as leaving its box would.
    commitPendingEdits();
    QDialog::done(result);
}

}  // namespace corvane
