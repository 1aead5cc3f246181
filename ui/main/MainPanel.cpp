#include "ui/main/MainPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

#include "ui/widgets/Knob.h"

namespace corvane {

QLabel* makeNamedLabel(const QString& text, QWidget* parent, const char* name) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QString indexedName(const char* name, int index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

QPushButton* pictureButton(const QIcon& icon, const QString& tip, QWidget* parent, const char* name,
                           int size) {
    auto* button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setIcon(icon);
    button->setIconSize(QSize(size - 10, size - 10));
    button->setToolTip(tip);
    button->setAccessibleName(tip);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void arrangeMainTabOrder(const MainWindowControls& ui) {
    std::vector<QWidget*> order{ui.txtMachine,  ui.txtTechnician, ui.txtM1,      ui.txtM2,
                                ui.optAcalc[0], ui.optAcalc[1],   ui.optAcalc[2]};
    for (QLineEdit* box : ui.txtD1) order.push_back(box);
    for (QLineEdit* box : ui.txtD2) order.push_back(box);
    order.push_back(ui.chkTgrowth);
    for (QLineEdit* box : ui.txtGro) order.push_back(box);
    for (QCheckBox* box : ui.chkStation) order.push_back(box);
    order.push_back(ui.gridLength);
    order.push_back(ui.txtMisc1);
    for (QWidget* knob : ui.cwkDial1) order.push_back(knob);
    for (QWidget* knob : ui.cwkDial2) order.push_back(knob);
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.optEU[0], ui.optEU[1], ui.chkTolerance, ui.cmbMachine, ui.cmbRotation, ui.cmbFixMove,
             ui.cmdG1Inc, ui.cmdG1Dec, ui.cmdScale, ui.cmdG2Inc, ui.cmdG2Dec, ui.cmdComments, ui.cmdGrowth,
             ui.cmdTolerances, ui.cmdReset})
        order.push_back(w);
    for (std::size_t i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    // The rim-and-face bar sag right after the box beside the grid.
    QWidget::setTabOrder(ui.txtMisc1, ui.txtRimSag);
}

}  // namespace corvane
