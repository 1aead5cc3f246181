#include "report/MachineSketch.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace corvane {

namespace {

using Kind = MachineKind;

// Vertical layout of every drawing, in pixels from the top. The shafts share one axis; the
// machines stand on a common base line; the bottom band holds the marks and the dimension line.
constexpr qreal kAxisY = 46;
constexpr qreal kBodyTop = 26;
constexpr qreal kBodyBottom = 64;
constexpr qreal kBaseY = 74;
constexpr qreal kShaftHalf = 4;
constexpr qreal kHalfSmall = 11;  // radius of a plain coupling half
constexpr qreal kHalfLarge = 16;  // radius of a half or flange that an indicator runs on
constexpr qreal kDimensionY = MachineSketch::kHeight - 8;
constexpr qreal kMarkBottom = MachineSketch::kHeight - 2;
// Half the width kept clear around a gap centre on the dimension line for the length letter.
constexpr qreal kLetterHalfWidth = 8;

const QColor kBodyLight(0xcf, 0xd3, 0xd8);
const QColor kBodyDark(0xa3, 0xa9, 0xb1);
const QColor kOutline(0x4a, 0x50, 0x58);
const QColor kFoot(0x5d, 0x63, 0x6b);
const QColor kShaft(0x9a, 0xa1, 0xaa);
const QColor kCoupling(0x7c, 0x84, 0x8e);
const QColor kBracket(0x2f, 0x62, 0x96);
const QColor kCentreLine(0x8a, 0x3a, 0x3a);
const QColor kDimension(0x30, 0x30, 0x30);
const QColor kStationary(0x2f, 0x62, 0x96);

// The coupling gap of the reverse dial and rim-and-face drawings.
constexpr qreal kCouplingX = 200;

// Where the marks stand and where their extension lines start (just under the feature they
// measure from: a foot, or the shaft at an indicator plane).
struct Mark {
    int x;
    qreal top;
};

constexpr qreal kUnderFoot = kBaseY + 3;
constexpr qreal kUnderShaft = kAxisY + kHalfLarge + 3;

std::vector<Mark> marksOf(Kind kind) {
    switch (kind) {
        case Kind::ReverseDial:
            // Fixed feet, indicator plane 1 on the fixed shaft, plane 2 on the moveable shaft,
            // moveable feet.
            return {{36, kUnderFoot},
                    {122, kUnderFoot},
                    {160, kAxisY + kShaftHalf + 3},
                    {240, kAxisY + kShaftHalf + 3},
                    {282, kUnderFoot},
                    {366, kUnderFoot}};
        case Kind::RimFaceFixed:
            // The face of the fixed machine's half, then the moveable feet.
            return {{193, kUnderShaft}, {282, kUnderFoot}, {366, kUnderFoot}};
        case Kind::RimFaceMoveable:
            // The face of the moveable machine's half, then the moveable feet.
            return {{207, kUnderShaft}, {282, kUnderFoot}, {366, kUnderFoot}};
        case Kind::JackShaft:
            // The two coupling gaps at the ends of the jack shaft, then the moveable feet.
            return {{62, kUnderShaft}, {240, kUnderShaft}, {296, kUnderFoot}, {374, kUnderFoot}};
    }
    return {};
}

void drawCentreLine(QPainter& p, qreal x1, qreal x2) {
    QPen pen(kCentreLine, 0.8, Qt::DashDotLine);
    p.setPen(pen);
    p.drawLine(QPointF(x1, kAxisY), QPointF(x2, kAxisY));
}

void drawShaft(QPainter& p, qreal x1, qreal x2) {
    QLinearGradient g(0, kAxisY - kShaftHalf, 0, kAxisY + kShaftHalf);
    g.setColorAt(0, kShaft.lighter(125));
    g.setColorAt(0.5, kShaft.lighter(105));
    g.setColorAt(1, kShaft.darker(120));
    p.setPen(QPen(kOutline, 0.8));
    p.setBrush(g);
    p.drawRect(QRectF(x1, kAxisY - kShaftHalf, x2 - x1, 2 * kShaftHalf));
}

// A coupling half or flange: a short disc seen from the side.
void drawHalf(QPainter& p, qreal x1, qreal x2, qreal radius) {
    QLinearGradient g(0, kAxisY - radius, 0, kAxisY + radius);
    g.setColorAt(0, kCoupling.lighter(135));
    g.setColorAt(0.45, kCoupling.lighter(110));
    g.setColorAt(1, kCoupling.darker(125));
    p.setPen(QPen(kOutline, 0.9));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(x1, kAxisY - radius, x2 - x1, 2 * radius), 1.2, 1.2);
}

// The outline of a foot centred on `x`, in the given fill.
void drawFootOutline(QPainter& p, qreal x, const QColor& fill) {
    QPainterPath foot;
    foot.moveTo(x - 8, kBodyBottom);
    foot.lineTo(x + 8, kBodyBottom);
    foot.lineTo(x + 12, kBaseY - 3);
    foot.lineTo(x + 12, kBaseY);
    foot.lineTo(x - 12, kBaseY);
    foot.lineTo(x - 12, kBaseY - 3);
    foot.closeSubpath();
    p.setPen(QPen(kOutline, 0.9));
    p.setBrush(fill);
    p.drawPath(foot);
}

void drawFoot(QPainter& p, qreal x) {
    drawFootOutline(p, x, kFoot);
    // Hold-down bolt.
    p.setPen(QPen(kFoot.lighter(160), 1.2));
    p.drawLine(QPointF(x, kBaseY - 6), QPointF(x, kBaseY - 1));
}

// A foot that stays where it is: filled in the bracket colour and standing on a hatched ground line,
// the drawing office's sign for a fixed support.
void drawStationaryFoot(QPainter& p, qreal x) {
    drawFootOutline(p, x, kStationary);
    const QRectF ground(x - 14, kBaseY + 1, 28, 6);
    p.setPen(QPen(kStationary, 1.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(ground.left(), ground.top()), QPointF(ground.right(), ground.top()));
    p.save();
    p.setClipRect(ground);
    p.setPen(QPen(kStationary, 0.8));
    for (qreal hx = ground.left() - ground.height(); hx < ground.right(); hx += 3.5)
        p.drawLine(QPointF(hx, ground.bottom()), QPointF(hx + ground.height(), ground.top()));
    p.restore();
}

// A machine casing on two feet, with its base line. Ribs on the motor side, a plain
// bearing housing on the pump side, so the two machines read differently at a glance.
void drawMachine(QPainter& p, qreal x1, qreal x2, qreal footA, qreal footB, bool ribbed) {
    drawFoot(p, footA);
    drawFoot(p, footB);
    const QRectF body(x1, kBodyTop, x2 - x1, kBodyBottom - kBodyTop);
    QLinearGradient g(0, body.top(), 0, body.bottom());
    g.setColorAt(0, kBodyLight.lighter(108));
    g.setColorAt(0.35, kBodyLight);
    g.setColorAt(1, kBodyDark);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(body, 5, 5);
    p.setPen(QPen(kBodyDark.darker(115), 0.8));
    if (ribbed) {
        for (qreal x = x1 + 14; x < x2 - 10; x += 9) {
            p.drawLine(QPointF(x, body.top() + 5), QPointF(x, body.bottom() - 5));
        }
    } else {
        p.drawLine(QPointF(x1 + 10, body.top() + 6), QPointF(x2 - 10, body.top() + 6));
        p.drawLine(QPointF(x1 + 10, body.bottom() - 6), QPointF(x2 - 10, body.bottom() - 6));
    }
    p.setPen(QPen(kOutline.lighter(140), 1.2));
    p.drawLine(QPointF(x1 - 6, kBaseY + 0.5), QPointF(x2 + 6, kBaseY + 0.5));
}

// Only the shaft end of a machine: a cut-away casing at the left edge.
void drawMachineStub(QPainter& p, qreal x2) {
    QPainterPath stub;
    stub.moveTo(0, kBodyTop);
    stub.lineTo(x2 - 4, kBodyTop);
    stub.quadTo(x2, kBodyTop, x2, kBodyTop + 4);
    stub.lineTo(x2, kBodyBottom - 4);
    stub.quadTo(x2, kBodyBottom, x2 - 4, kBodyBottom);
    stub.lineTo(0, kBodyBottom);
    // Break line: the rest of the fixed machine is not part of this picture.
    stub.lineTo(4, kBodyBottom - 8);
    stub.lineTo(0, kBodyBottom - 16);
    stub.lineTo(4, kBodyTop + 14);
    stub.lineTo(0, kBodyTop + 6);
    stub.closeSubpath();
    QLinearGradient g(0, kBodyTop, 0, kBodyBottom);
    g.setColorAt(0, kBodyLight.lighter(108));
    g.setColorAt(1, kBodyDark);
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(g);
    p.drawPath(stub);
}

// A dial indicator face with a needle; the plunger is drawn by the caller.
void drawDial(QPainter& p, QPointF c, qreal r = 7) {
    p.setPen(QPen(kOutline, 1.0));
    p.setBrush(Qt::white);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(kOutline.lighter(150), 0.6));
    for (int i = 0; i < 8; ++i) {
        const QLineF tick = QLineF::fromPolar(r, i * 45.0).translated(c);
        p.drawLine(tick.pointAt(0.75), tick.p2());
    }
    // A mirrored drawing still shows a dial as it is read: the needle keeps its direction.
    const bool mirrored = p.worldTransform().determinant() < 0;
    p.setPen(QPen(QColor(0xc0, 0x28, 0x28), 1.1));
    p.drawLine(c, QLineF::fromPolar(r * 0.75, mirrored ? 120 : 60).translated(c).p2());
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(c, 1.2, 1.2);
}

void drawPlunger(QPainter& p, QPointF from, QPointF to) {
    p.setPen(QPen(kOutline, 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    p.setBrush(kOutline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(to, 1.3, 1.3);
}

void drawBar(QPainter& p, const QPolygonF& path) {
    p.setPen(QPen(kBracket, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(path);
}

// Clamp of a bracket around a shaft.
void drawClamp(QPainter& p, qreal x) {
    p.setPen(QPen(kBracket.darker(130), 0.9));
    p.setBrush(kBracket);
    p.drawRoundedRect(QRectF(x - 4, kAxisY - kShaftHalf - 4, 8, 2 * kShaftHalf + 8), 1.5, 1.5);
}

void drawReverseDial(QPainter& p) {
    drawCentreLine(p, 6, 394);
    drawShaft(p, 140, 196);
    drawShaft(p, 204, 262);
    drawMachine(p, 14, 142, 36, 122, false);
    drawMachine(p, 260, 388, 282, 366, true);
    drawHalf(p, 184, 198, kHalfSmall);
    drawHalf(p, 202, 216, kHalfSmall);
    // One bracket across the coupling, clamped on both shafts, an indicator at each end reading
    // the rim of the opposite shaft.
    drawClamp(p, 172);
    drawClamp(p, 228);
    drawBar(p, {QPointF(172, kAxisY - 8), QPointF(172, 16), QPointF(228, 16), QPointF(228, kAxisY - 8)});
    drawBar(p, {QPointF(160, 16), QPointF(240, 16)});
    drawPlunger(p, QPointF(160, 30), QPointF(160, kAxisY - kShaftHalf));
    drawPlunger(p, QPointF(240, 30), QPointF(240, kAxisY - kShaftHalf));
    drawDial(p, QPointF(160, 22));
    drawDial(p, QPointF(240, 22));
}

// Rim-and-face bracket: clamped on the moveable machine's shaft, reaching over the coupling to the
// fixed machine's half, a rim indicator on the half's circumference and a face indicator on its face.
// The other arrangement is the same bracket seen in a mirror about the coupling.
void drawRimFace(QPainter& p, bool onFixedHalf) {
    drawCentreLine(p, 6, 394);
    drawShaft(p, 140, 196);
    drawShaft(p, 204, 262);
    drawMachine(p, 14, 142, 36, 122, false);
    drawMachine(p, 260, 388, 282, 366, true);
    p.save();
    if (!onFixedHalf) {
        p.translate(2 * kCouplingX, 0);
        p.scale(-1, 1);
    }
    drawHalf(p, 181, 193, kHalfLarge);
    drawHalf(p, 199, 211, kHalfSmall);
    drawClamp(p, 238);
    drawBar(p, {QPointF(238, kAxisY - 8), QPointF(238, 12), QPointF(187, 12)});
    drawBar(p, {QPointF(214, 12), QPointF(214, 21)});
    // Rim: straight down onto the half's circumference.
    drawPlunger(p, QPointF(187, 18), QPointF(187, kAxisY - kHalfLarge));
    drawDial(p, QPointF(187, 15), 6);
    // Face: across onto the half's face, above the smaller half opposite.
    drawPlunger(p, QPointF(210, kAxisY - kHalfLarge + 4), QPointF(193, kAxisY - kHalfLarge + 4));
    drawDial(p, QPointF(214, 26), 6);
    p.restore();
}

// A face indicator held on a machine's coupling half and bearing on the jack shaft's flange.
// side = +1 when the flange is to the right of the half, -1 when to the left.
void drawJackIndicator(QPainter& p, qreal halfX, qreal flangeFace, int side) {
    const qreal armX = halfX;
    drawBar(p, {QPointF(armX, kAxisY - kHalfSmall), QPointF(armX, 14), QPointF(armX - side * 10, 14)});
    drawDial(p, QPointF(armX - side * 10, 21), 6);
    const qreal y = kAxisY - kHalfLarge + 4;
    drawPlunger(p, QPointF(armX - side * 4, y), QPointF(flangeFace, y));
}

void drawJackShaft(QPainter& p) {
    drawCentreLine(p, 6, 394);
    drawMachineStub(p, 30);
    drawShaft(p, 28, 56);
    drawHalf(p, 46, 58, kHalfSmall);  // fixed machine's half
    drawShaft(p, 76, 226);            // the jack shaft between its two flanges
    drawHalf(p, 66, 78, kHalfLarge);
    drawHalf(p, 224, 236, kHalfLarge);
    drawHalf(p, 244, 256, kHalfSmall);  // moveable machine's half
    drawShaft(p, 254, 276);
    drawMachine(p, 274, 392, 296, 374, true);
    drawJackIndicator(p, 52, 66, +1);
    drawJackIndicator(p, 250, 236, -1);
}

void drawArrowHead(QPainter& p, QPointF tip, int direction) {
    QPolygonF head;
    head << tip << QPointF(tip.x() - direction * 5, tip.y() - 2.2)
         << QPointF(tip.x() - direction * 5, tip.y() + 2.2);
    p.setPen(Qt::NoPen);
    p.setBrush(kDimension);
    p.drawPolygon(head);
}

// Extension lines at the marks and a dimension line between each pair, broken at the gap's
// centre where the length letter sits.
void drawMarks(QPainter& p, const std::vector<Mark>& marks) {
    p.setPen(QPen(kDimension, 1.0));
    for (const Mark& m : marks) {
        const qreal x = m.x + 0.5;  // crisp one-pixel line
        p.drawLine(QPointF(x, m.top), QPointF(x, kMarkBottom));
    }
    const qreal y = kDimensionY + 0.5;
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
        const qreal left = marks[i].x + 1.5;
        const qreal right = marks[i + 1].x - 0.5;
        const qreal centre = (marks[i].x + marks[i + 1].x) / 2;
        p.setPen(QPen(kDimension, 0.8));
        p.drawLine(QPointF(left, y), QPointF(centre - kLetterHalfWidth, y));
        p.drawLine(QPointF(centre + kLetterHalfWidth, y), QPointF(right, y));
        drawArrowHead(p, QPointF(left, y), -1);
        drawArrowHead(p, QPointF(right, y), +1);
    }
}

}  // namespace

void MachineSketch::paint(QPainter& p, Kind kind, const QRectF& target, const Options& options) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(target.topLeft());
    p.scale(target.width() / kWidth, target.height() / kHeight);
    if (options.background) p.fillRect(QRectF(0, 0, kWidth, kHeight), Qt::white);
    switch (kind) {
        case Kind::ReverseDial:
            drawReverseDial(p);
            break;
        case Kind::RimFaceFixed:
            drawRimFace(p, true);
            break;
        case Kind::RimFaceMoveable:
            drawRimFace(p, false);
            break;
        case Kind::JackShaft:
            drawJackShaft(p);
            break;
    }
    const std::array<int, 4> feet = footPositions(kind);
    for (int i = 0; i < 4; ++i)
        if (options.stationaryFeet[i] && feet[i] >= 0) drawStationaryFoot(p, feet[i]);
    drawMarks(p, marksOf(kind));
    if (options.labels) paintLabels(p, kind, options);
    if (options.frame) {
        p.setPen(QPen(QColor(0xb0, 0xb4, 0xba), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1));
    }
    p.restore();
}

std::vector<int> MachineSketch::markPositions(Kind kind) {
    std::vector<int> xs;
    for (const Mark& m : marksOf(kind)) xs.push_back(m.x);
    return xs;
}

std::vector<int> MachineSketch::gapCentres(Kind kind) {
    const std::vector<int> xs = markPositions(kind);
    std::vector<int> centres;
    for (std::size_t i = 0; i + 1 < xs.size(); ++i) centres.push_back((xs[i] + xs[i + 1]) / 2);
    return centres;
}

std::array<int, 4> MachineSketch::footPositions(Kind kind) {
    switch (kind) {
        case Kind::ReverseDial:
        case Kind::RimFaceFixed:
        case Kind::RimFaceMoveable:
            return {36, 122, 282, 366};
        case Kind::JackShaft:
            return {-1, -1, 296, 374};
    }
    return {-1, -1, -1, -1};
}

}  // namespace corvane
