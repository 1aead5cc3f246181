#include "ui/tolerance/CouplingSpanDrawing.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace corvane {

namespace {

// Layout in the drawing's pixels: the shafts on one axis, the hubs either side of the gap, the
// measuring planes at the hubs' outer faces and the dimension line under everything.
constexpr qreal kAxisY = 38;
constexpr qreal kShaftHalf = 5;
constexpr qreal kHubHalf = 17;
constexpr qreal kLeftHubX = 44;  // outer face of the left hub: first measuring plane
constexpr qreal kHubWidth = 26;
constexpr qreal kGap = 10;
constexpr qreal kRightHubX = kLeftHubX + kHubWidth + kGap;
constexpr qreal kRightPlaneX = kRightHubX + kHubWidth;  // outer face of the right hub
constexpr qreal kDimensionY = 84;

const QColor kMetalLight(0xcf, 0xd3, 0xd8);
const QColor kMetalDark(0x8e, 0x95, 0x9e);
const QColor kOutline(0x4a, 0x50, 0x58);
const QColor kArrow(0x2f, 0x62, 0x96);
const QColor kDimension(0x30, 0x30, 0x30);

void arrowHead(QPainter& painter, QPointF tip, QPointF from, qreal size) {
    const QLineF back(tip, from);
    QLineF side1 = back;
    side1.setLength(size);
    side1.setAngle(back.angle() + 25);
    QLineF side2 = back;
    side2.setLength(size);
    side2.setAngle(back.angle() - 25);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(side1.p2());
    head.lineTo(side2.p2());
    head.closeSubpath();
    painter.fillPath(head, painter.pen().color());
}

void hub(QPainter& painter, qreal x) {
    QLinearGradient shade(0, kAxisY - kHubHalf, 0, kAxisY + kHubHalf);
    shade.setColorAt(0, kMetalLight);
    shade.setColorAt(1, kMetalDark);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(shade);
    painter.drawRect(QRectF(x, kAxisY - kHubHalf, kHubWidth, 2 * kHubHalf));
}

}  // namespace

CouplingSpanDrawing::CouplingSpanDrawing(QWidget* parent) : QWidget(parent) {
    setFixedSize(kWidth, kHeight);
    setAccessibleName(QStringLiteral("Coupling span"));
    setAccessibleDescription(
        QStringLiteral("Two coupling hubs; the span runs between the two measuring planes."));
}

QSize CouplingSpanDrawing::sizeHint() const { return {kWidth, kHeight}; }

QSize CouplingSpanDrawing::minimumSizeHint() const { return sizeHint(); }

void CouplingSpanDrawing::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // Drawn in the design's coordinates, scaled to the size the window gives the drawing.
    const double scale = std::min(width() / double(kWidth), height() / double(kHeight));
    painter.translate((width() - kWidth * scale) / 2, (height() - kHeight * scale) / 2);
    painter.scale(scale, scale);

    // Shafts, from the edges into the hubs.
    QLinearGradient shaftShade(0, kAxisY - kShaftHalf, 0, kAxisY + kShaftHalf);
    shaftShade.setColorAt(0, kMetalLight);
    shaftShade.setColorAt(1, kMetalDark);
    painter.setPen(QPen(kOutline, 1));
    painter.setBrush(shaftShade);
    painter.drawRect(QRectF(4, kAxisY - kShaftHalf, kLeftHubX - 4, 2 * kShaftHalf));
    painter.drawRect(QRectF(kRightPlaneX, kAxisY - kShaftHalf, kWidth - 4 - kRightPlaneX, 2 * kShaftHalf));
    hub(painter, kLeftHubX);
    hub(painter, kRightHubX);

    // Centre line through both shafts.
    painter.setPen(QPen(kOutline, 1, Qt::DashDotLine));
    painter.drawLine(QPointF(2, kAxisY), QPointF(kWidth - 2, kAxisY));

    // Rotation: an arc round the left shaft with its head pointing the way the shaft turns.
    painter.setPen(QPen(kArrow, 1.6));
    painter.setBrush(Qt::NoBrush);
    const QRectF turn(12, kAxisY - 15, 16, 30);
    painter.drawArc(turn, 60 * 16, 240 * 16);
    const QPointF end(turn.center().x() + turn.width() / 2 * 0.5,
                      turn.center().y() + turn.height() / 2 * 0.8660254);
    arrowHead(painter, end, QPointF(end.x() - 5, end.y() + 3), 6);

    // The measuring planes, carried down to the dimension line.
    painter.setPen(QPen(kDimension, 1, Qt::DashLine));
    for (qreal x : {kLeftHubX, kRightPlaneX})
        painter.drawLine(QPointF(x, kAxisY - kHubHalf - 4), QPointF(x, kDimensionY + 6));

    // The span, arrow to arrow.
    painter.setPen(QPen(kDimension, 1));
    painter.drawLine(QPointF(kLeftHubX, kDimensionY), QPointF(kRightPlaneX, kDimensionY));
    arrowHead(painter, QPointF(kLeftHubX, kDimensionY), QPointF(kRightPlaneX, kDimensionY), 6);
    arrowHead(painter, QPointF(kRightPlaneX, kDimensionY), QPointF(kLeftHubX, kDimensionY), 6);
}

}  // namespace corvane
