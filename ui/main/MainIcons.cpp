#include "ui/main/MainIcons.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>
#include <functional>

namespace corvane {

namespace {

constexpr qreal kSize = 64;  // the painting's own units
const QColor kInk(0x2b, 0x33, 0x3d);

// An icon painted at whatever size and pixel density it is shown at, sharp on any screen: the
// painting is in a square of kSize units, scaled to the place it is given.
class PaintedIcon : public QIconEngine {
public:
    explicit PaintedIcon(std::function<void(QPainter&)> paint) : paint_(std::move(paint)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        const qreal side = std::min(rect.width(), rect.height());
        painter->translate(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2);
        painter->scale(side / kSize, side / kSize);
        if (mode == QIcon::Disabled) painter->setOpacity(0.4);
        paint_(*painter);
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size * scale);
        pixmap.fill(Qt::transparent);
        {
            QPainter p(&pixmap);
            paint(&p, QRect(QPoint(0, 0), pixmap.size()), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new PaintedIcon(paint_); }

private:
    std::function<void(QPainter&)> paint_;
};

QIcon draw(std::function<void(QPainter&)> paint) { return QIcon(new PaintedIcon(std::move(paint))); }

}  // namespace

QIcon zoomIcon(bool plus) {
    return draw([plus](QPainter& p) {
        p.setPen(QPen(kInk, 6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(QColor(0xe8, 0xf1, 0xfb));
        p.drawEllipse(QPointF(26, 26), 18, 18);
        p.setPen(QPen(kInk, 9, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(40, 40), QPointF(56, 56));
        p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 26), QPointF(35, 26));
        if (plus) p.drawLine(QPointF(26, 17), QPointF(26, 35));
    });
}

QIcon autoScaleIcon() {
    return draw([](QPainter& p) {
        QFont font;
        font.setPixelSize(50);
        font.setBold(true);
        p.setFont(font);
        p.setPen(kInk);
        p.drawText(QRectF(0, 0, kSize, kSize), Qt::AlignCenter, QStringLiteral("A"));
    });
}

QIcon commentsIcon() {
    return draw([](QPainter& p) {
        // A note pad with a few written lines and a pencil across it.
        p.setPen(QPen(kInk, 3));
        p.setBrush(QColor(0xff, 0xf4, 0xb8));
        p.drawRoundedRect(QRectF(10, 6, 40, 52), 3, 3);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        for (int y = 18; y <= 42; y += 8) p.drawLine(QPointF(17, y), QPointF(43, y));
        p.setPen(QPen(QColor(0xc0, 0x6a, 0x1a), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(34, 52), QPointF(58, 24));
    });
}

QIcon thermometerIcon() {
    return draw([](QPainter& p) {
        p.setPen(QPen(kInk, 3));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(25, 4, 14, 42), 7, 7);
        p.setBrush(QColor(0xd6, 0x22, 0x22));
        p.drawEllipse(QPointF(32, 50), 10, 10);
        p.setPen(Qt::NoPen);
        p.drawRect(QRectF(29, 20, 6, 26));
        p.setPen(QPen(kInk, 2));
        for (int y = 12; y <= 36; y += 6) p.drawLine(QPointF(41, y), QPointF(47, y));
    });
}

QIcon toleranceIcon() {
    return draw([](QPainter& p) {
        // Two shaft ends slightly offset inside a dashed band: the acceptable offset.
        p.setPen(QPen(kInk, 2.5, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6, 20, 52, 24));
        p.setPen(QPen(QColor(0x1f, 0x4f, 0xd0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 30), QPointF(30, 30));
        p.setPen(QPen(QColor(0xd0, 0x24, 0x24), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(34, 35), QPointF(60, 35));
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(32, 6), QPointF(32, 16));
        p.drawLine(QPointF(32, 48), QPointF(32, 58));
        p.drawLine(QPointF(26, 11), QPointF(32, 6));
        p.drawLine(QPointF(38, 11), QPointF(32, 6));
        p.drawLine(QPointF(26, 53), QPointF(32, 58));
        p.drawLine(QPointF(38, 53), QPointF(32, 58));
    });
}

QIcon movesIcon() {
    return draw([](QPainter& p) {
        // A foot with an arrow up and an arrow to the side: the ways a foot can go.
        p.setPen(QPen(kInk, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0x9a, 0xb8, 0xd8));
        p.drawRect(QRectF(8, 40, 26, 16));
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(21, 34), QPointF(21, 8));
        p.drawPolyline(QPolygonF({QPointF(13, 16), QPointF(21, 8), QPointF(29, 16)}));
        p.drawLine(QPointF(40, 48), QPointF(58, 48));
        p.drawPolyline(QPolygonF({QPointF(50, 40), QPointF(58, 48), QPointF(50, 56)}));
    });
}

}  // namespace corvane
