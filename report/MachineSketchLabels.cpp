#include <QFontMetricsF>
#include <QPainter>

#include "calc/methods/DialGuide.h"
#include "project/ProjectRecord.h"
#include "report/MachineSketch.h"

namespace corvane {

namespace {

// The labels share the drawing's units: the band above the machines (y 0 to 25) is free of drawing
// on both sides of the brackets, and the casings (y 26 to 64) take the machine names.
constexpr qreal kLabelPixels = 9;
constexpr qreal kFirstBaseline = 10;
constexpr qreal kSecondBaseline = 21;
const QColor kLabelInk(0x1d, 0x3f, 0x66);
const QColor kNameInk(0x20, 0x24, 0x2a);

// Where one dial's label goes: the text is right-aligned to `x` when `leftOfDial`, else it starts
// at `x`; `room` is the width it may take.
struct DialPlace {
    qreal x;
    bool leftOfDial;
    qreal room;
};

struct LabelLayout {
    int method;
    int bracketSide;
    DialPlace dial1, dial2;
    QRectF fixedBody, moveableBody;
};

LabelLayout layoutOf(MachineKind kind) {
    switch (kind) {
        case MachineKind::ReverseDial:
            return {kMethodReverseDial, 0, {151, true, 145}, {249, false, 145}, {14, 26, 128, 38},
                    {260, 26, 128, 38}};
        case MachineKind::RimFaceFixed:
            return {kMethodRimFace,    0, {178, true, 172}, {246, false, 150}, {14, 26, 128, 38},
                    {260, 26, 128, 38}};
        case MachineKind::RimFaceMoveable:
            return {kMethodRimFace,    1, {222, false, 174}, {154, true, 148}, {14, 26, 128, 38},
                    {260, 26, 128, 38}};
        case MachineKind::JackShaft:
            return {kMethodJackShaft,  0, {58, false, 130}, {396, true, 126}, {1, 26, 29, 38},
                    {274, 26, 118, 38}};
    }
    return {};
}

// A font that fits the widest of `lines` into `room`, never smaller than 7 units.
QFont fitted(const QFont& base, const QStringList& lines, qreal room) {
    QFont font = base;
    font.setPixelSize(static_cast<int>(kLabelPixels));
    qreal widest = 0;
    const QFontMetricsF metrics(font);
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    if (widest > room) font.setPixelSize(std::max(7, static_cast<int>(kLabelPixels * room / widest)));
    return font;
}

void drawDialLabel(QPainter& p, const DialPlace& place, const DialGuide& guide) {
    const auto text = [](std::string_view v) {
        return QString::fromUtf8(v.data(), static_cast<int>(v.size()));
    };
    // The dial's own name in bold, so that it is found at a glance, then where it is clamped.
    const QString name = text(guide.label);
    const QString rest = QStringLiteral(" on ") + text(guide.clampedOn);
    const QString second = QStringLiteral("plunger on ") + text(guide.bearsOn);
    QFont font = fitted(p.font(), {name + rest + QLatin1Char(' '), second}, place.room);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics(font), boldMetrics(bold);
    const qreal firstWidth = boldMetrics.horizontalAdvance(name) + metrics.horizontalAdvance(rest);
    const qreal firstX = place.leftOfDial ? place.x - firstWidth : place.x;
    const qreal secondX = place.leftOfDial ? place.x - metrics.horizontalAdvance(second) : place.x;
    p.setPen(kLabelInk);
    p.setFont(bold);
    p.drawText(QPointF(firstX, kFirstBaseline), name);
    p.setFont(font);
    p.drawText(QPointF(firstX + boldMetrics.horizontalAdvance(name), kFirstBaseline), rest);
    p.drawText(QPointF(secondX, kSecondBaseline), second);
}

// "Fixed" or "Moveable" on the casing, and under it the job's name for the machine, on a light
// ground so that the ribs of the casing do not cross the letters.
void drawMachineLabel(QPainter& p, const QRectF& body, const QString& role, const QString& name) {
    QFont font = p.font();
    font.setPixelSize(static_cast<int>(kLabelPixels));
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const QString shownName = metrics.elidedText(name.simplified(), Qt::ElideRight, body.width() - 6);
    const qreal width = std::max(metrics.horizontalAdvance(role), metrics.horizontalAdvance(shownName)) + 4;
    const qreal height = metrics.height() * (shownName.isEmpty() ? 1 : 2) + 2;
    const QRectF ground(body.center().x() - width / 2, body.center().y() - height / 2, width, height);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 215));
    p.drawRoundedRect(ground, 2, 2);
    p.setPen(kNameInk);
    p.setFont(font);
    const QString text = shownName.isEmpty() ? role : role + QLatin1Char('\n') + shownName;
    p.drawText(ground, Qt::AlignCenter, text);
}

}  // namespace

void MachineSketch::paintLabels(QPainter& p, Kind kind, const Options& options) {
    const LabelLayout layout = layoutOf(kind);
    p.save();
    drawDialLabel(p, layout.dial1, dialGuide(layout.method, 1, layout.bracketSide));
    drawDialLabel(p, layout.dial2, dialGuide(layout.method, 2, layout.bracketSide));
    // The jack shaft drawing shows only the end of the fixed machine: its name does not fit there.
    const bool wholeFixed = layout.fixedBody.width() > 60;
    drawMachineLabel(p, layout.fixedBody, QStringLiteral("Fixed"),
                     wholeFixed ? options.fixedName : QString());
    drawMachineLabel(p, layout.moveableBody, QStringLiteral("Moveable"), options.moveableName);
    p.restore();
}

}  // namespace corvane
