#include "ui/widgets/MachineDrawing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>

namespace corvane {

namespace {

QString accessibleNameOf(MachineKind kind) {
    switch (kind) {
        case MachineKind::ReverseDial:
            return QStringLiteral("Reverse dial arrangement");
        case MachineKind::RimFaceFixed:
            return QStringLiteral(
                "Rim and face arrangement, indicators on the fixed machine's coupling half");
        case MachineKind::RimFaceMoveable:
            return QStringLiteral(
                "Rim and face arrangement, indicators on the moveable machine's coupling half");
        case MachineKind::JackShaft:
            return QStringLiteral("Jack shaft arrangement");
    }
    return {};
}

// Screen readers see the drawing as a picture, not as an empty pane.
QAccessibleInterface* drawingAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(MachineDrawing::staticMetaObject.className()) && object &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

MachineDrawing::MachineDrawing(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    QAccessible::installFactory(drawingAccessible);  // installed once, whatever the number of drawings
    // Drawn at any size: the window scales it with everything else.
    setMinimumSize(kWidth / 2, kHeight / 2);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(accessibleNameOf(kind));
    setAccessibleDescription(tr("Machine train with the measuring marks; the fixed machine is on the left."));
    setWhatsThis(
        tr("The machine train as it is measured: the fixed machine on the left, the moveable one "
           "on the right, each indicator named at the shaft it is clamped on and the surface its "
           "plunger bears on. The letters are the distances of the length table."));
}

MachineDrawing::Kind MachineDrawing::kind() const { return kind_; }

void MachineDrawing::setMachineNames(const QString& fixedName, const QString& moveableName) {
    if (fixedName == fixedName_ && moveableName == moveableName_) return;
    fixedName_ = fixedName;
    moveableName_ = moveableName;
    update();
}

QSize MachineDrawing::sizeHint() const { return {kWidth, kHeight}; }

QSize MachineDrawing::minimumSizeHint() const { return sizeHint(); }

void MachineDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    MachineSketch::Options options;
    options.labels = true;
    options.fixedName = fixedName_;
    options.moveableName = moveableName_;
    MachineSketch::paint(p, kind_, QRectF(rect()), options);
}

}  // namespace corvane
