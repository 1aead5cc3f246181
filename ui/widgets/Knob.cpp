#include "ui/widgets/Knob.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPixmapCache>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "calc/format/NumberFormat.h"

namespace corvane {

namespace {

// The scale runs clockwise over 270 degrees, from lower left (minimum) to lower right (maximum),
// like the dial of a measuring instrument; the gap at the bottom holds the end labels.
constexpr double kStartAngle = 225.0;
constexpr double kSweep = 270.0;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

QPointF onCircle(const QPointF& centre, double radius, double degrees) {
    return {centre.x() + radius * std::cos(radians(degrees)),
            centre.y() - radius * std::sin(radians(degrees))};
}

QString scaleLabel(double v) { return QString::fromStdString(formatScaleMark(v)); }

// The static part of the dial, drawn into a transparent pixmap one pixel larger than the dial on
// every side, with the dial at the same fraction of a pixel as on the widget.
void paintFace(QPainter& p, const QRectF& dial, const QColor& ink, const QPalette& pal) {
    const QPointF c = dial.center();
    const double r = dial.width() / 2;

    // Bezel and face.
    QRadialGradient bezel(c, r, c - QPointF(r * 0.3, r * 0.3));
    bezel.setColorAt(0, pal.color(QPalette::Light));
    bezel.setColorAt(1, pal.color(QPalette::Button));
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setBrush(bezel);
    p.drawEllipse(c, r - 0.5, r - 0.5);

    // Scale: ticks on the outer ring, ten divisions, minor ticks when there is room for them.
    const int divisions = 10;
    const int minorPerDivision = r >= 36 ? 5 : (r >= 24 ? 2 : 1);
    const int ticks = divisions * minorPerDivision;
    for (int i = 0; i <= ticks; ++i) {
        const bool major = i % minorPerDivision == 0;
        const double angle = kStartAngle - kSweep * i / ticks;
        const double outer = r * 0.92;
        const double inner = major ? r * 0.74 : r * 0.83;
        p.setPen(QPen(ink, major ? std::max(1.2, r / 28) : 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(onCircle(c, inner, angle), onCircle(c, outer, angle));
    }

    // Raised cap in the middle.
    const double capR = r * 0.55;
    QRadialGradient cap(c, capR, c - QPointF(capR * 0.4, capR * 0.4));
    cap.setColorAt(0, pal.color(QPalette::Light));
    cap.setColorAt(1, pal.color(QPalette::Midlight).darker(110));
    p.setPen(QPen(pal.color(QPalette::Mid), 1));
    p.setBrush(cap);
    p.drawEllipse(c, capR, capR);
}

// Bezel, scale and cap for this dial rectangle and look, from the pixmap cache when drawn before.
QPixmap cachedFace(const QRectF& dial, const QColor& ink, const QPalette& pal, qreal ratio) {
    const QPointF origin(std::floor(dial.left()) - 1, std::floor(dial.top()) - 1);
    const QRectF local = dial.translated(-origin);
    // Keyed on what the face is drawn from: geometry, pixel ratio and the five colours.
    QString key = QStringLiteral("corvane-knob-face-%1-%2-%3-%4")
                      .arg(local.x())
                      .arg(local.y())
                      .arg(local.width())
                      .arg(ratio);
    for (const QColor& colour : {ink, pal.color(QPalette::Light), pal.color(QPalette::Button),
                                 pal.color(QPalette::Mid), pal.color(QPalette::Midlight)})
        key += QLatin1Char('-') + QString::number(colour.rgba(), 16);
    QPixmap face;
    if (QPixmapCache::find(key, &face)) return face;
    const QSize size(int(std::ceil(local.right())) + 2, int(std::ceil(local.bottom())) + 2);
    face = QPixmap(size * ratio);
    face.setDevicePixelRatio(ratio);
    face.fill(Qt::transparent);
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    paintFace(p, local, ink, pal);
    p.end();
    QPixmapCache::insert(key, face);
    return face;
}

}  // namespace

Knob::Knob(QWidget* parent) : ScaleWidget(-100, 100, parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAttribute(Qt::WA_Hover);
}

QSize Knob::sizeHint() const { return {80, 80 + labelHeight()}; }

QSize Knob::minimumSizeHint() const { return {48, 48 + labelHeight()}; }

int Knob::labelHeight() const { return fontMetrics().height(); }

QRectF Knob::dialRect() const {
    const double labels = labelHeight();
    const double side = std::max(8.0, std::min<double>(width(), height() - labels) - 4.0);
    const QPointF centre(width() / 2.0, (height() - labels) / 2.0);
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

double Knob::fractionAtPoint(const QPointF& point) const {
    const QRectF dial = dialRect();
    const QPointF d = point - dial.center();
    if (std::hypot(d.x(), d.y()) < std::max(3.0, dial.width() * 0.05)) return -1;
    const double angle = std::atan2(-d.y(), d.x()) * 180.0 / std::numbers::pi;
    double along = std::fmod(kStartAngle - angle + 720.0, 360.0);
    if (along > kSweep) along = (along < kSweep + (360.0 - kSweep) / 2) ? kSweep : 0.0;
    return along / kSweep;
}

double Knob::dragTo(double fraction, double previous) const {
    if (std::fabs(fraction - previous) > 0.5) return previous > 0.5 ? 1.0 : 0.0;
    return fraction;
}

void Knob::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const bool enabled = isEnabled();
    const QColor ink = pal.color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);

    const QRectF dial = dialRect();
    const QPointF c = dial.center();
    const double r = dial.width() / 2;

    if (hasFocus()) {
        QPen focusPen(pal.color(QPalette::Highlight), 1.5);
        p.setPen(focusPen);
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 4, 4);
    }

    // Bezel, scale and cap do not move with the value: drawn once for every knob of this size and
    // look, and then only copied. The dials of a window share one face.
    const QPixmap face = cachedFace(dial, ink, pal, devicePixelRatioF());
    p.drawPixmap(QPointF(std::floor(dial.left()) - 1, std::floor(dial.top()) - 1), face);

    // Needle: stops at the end of the scale for a value beyond it.
    const double angle = kStartAngle - kSweep * logic().fractionOf(value_);
    const QColor needle = enabled ? QColor(200, 30, 30) : pal.color(QPalette::Disabled, QPalette::WindowText);
    p.setPen(QPen(needle, std::max(2.0, r / 14), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(onCircle(c, r * 0.12, angle), onCircle(c, r * 0.86, angle));
    p.setPen(Qt::NoPen);
    p.setBrush(needle.darker(130));
    p.drawEllipse(c, std::max(2.0, r * 0.1), std::max(2.0, r * 0.1));

    // End labels centred under the ends of the scale, kept inside the widget and apart.
    p.setPen(ink);
    const QFontMetricsF fm(font());
    const double top = dial.bottom() - 1;
    const double half = width() / 2.0;
    const QString low = scaleLabel(minimum_);
    const QString high = scaleLabel(maximum_);
    const double lowWidth = fm.horizontalAdvance(low);
    const double highWidth = fm.horizontalAdvance(high);
    const double endOffset = r * 0.71;
    if (lowWidth + highWidth + 4 > width() && minimum_ == -maximum_) {
        // Wide numbers would run into each other under a small knob: a symmetric scale reads as
        // one "±" label instead.
        p.drawText(QRectF(0, top, width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop,
                   QString(QChar(0x00B1)) + high);
        return;
    }
    const double lowX = std::clamp(c.x() - endOffset - lowWidth / 2, 0.0, std::max(0.0, half - 2 - lowWidth));
    const double highX = std::clamp(c.x() + endOffset - highWidth / 2,
                                    std::min(half + 2, width() - highWidth), width() - highWidth);
    p.drawText(QRectF(lowX, top, lowWidth + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, low);
    p.drawText(QRectF(highX, top, highWidth + 1, fm.height()), Qt::AlignLeft | Qt::AlignTop, high);
}

}  // namespace corvane
