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
}

MachineDrawing::Kind MachineDrawing::kind() const { return kind_; }

QSize MachineDrawing::sizeHint() const { return {kWidth, kHeight}; }

QSize MachineDrawing::minimumSizeHint() const { return sizeHint(); }

void MachineDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    MachineSketch::paint(p, kind_, QRectF(rect()));
}

}  // namespace corvane
