#pragma once

#include <QRectF>
#include <QString>
#include <array>
#include <vector>

class QPainter;

namespace corvane {

// The four arrangements of the machine train that the methods measure.
enum class MachineKind { ReverseDial, RimFaceFixed, RimFaceMoveable, JackShaft };

// The drawing of the machine train for one arrangement, shared by the main window and the report. It
// is drawn in its own 400 x 100 units and scaled into whatever rectangle it is given, so it stays
// sharp at any size. The fixed machine is always on the left. Thin vertical marks along the bottom show
// the indicator planes and the feet; the length letters go over the gaps between them, so the gap
// centres just above the dimension line are kept free of drawing.
class MachineSketch {
public:
    using Kind = MachineKind;

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 100;
    // Height of the band along the bottom that holds the marks and the dimension line. The dimension
    // line is broken at each gap centre: a length letter about 12 units wide centred at
    // (gapCentres()[i], kDimensionY) sits in the break.
    static constexpr int kMarkBand = 15;
    static constexpr int kDimensionY = kHeight - 8;

    struct Options {
        // Feet 1..4 (1 and 2 the fixed machine's) to mark as stationary; a foot the drawing does not
        // show is left alone.
        std::array<bool, 4> stationaryFeet{};
        bool background = true;  // white under the drawing
        bool frame = true;       // thin grey border
        // Names at the indicators (the dial, the shaft it is clamped on, the surface it reads) and
        // on the machines, as the window shows them where the readings are typed.
        bool labels = false;
        QString fixedName, moveableName;  // the job's names of the machines, if it has them
    };

    // Paints the drawing of `kind` into `target`, which should be 4:1 like the drawing.
    static void paint(QPainter& painter, Kind kind, const QRectF& target, const Options& options);
    static void paint(QPainter& painter, Kind kind, const QRectF& target) {
        paint(painter, kind, target, Options{});
    }

    // x, in drawing units, of the marks under the drawing, left to right.
    static std::vector<int> markPositions(Kind kind);
    // x centres of the gaps between consecutive marks: 5 for ReverseDial (A..E), 2 for the rim-and-face
    // kinds (A, B), 3 for JackShaft (A, B, C).
    static std::vector<int> gapCentres(Kind kind);
    // x of feet 1..4; -1 for a foot that is not drawn (the jack shaft drawing shows only the end of the
    // fixed machine).
    static std::array<int, 4> footPositions(Kind kind);

private:
    static void paintLabels(QPainter& painter, Kind kind, const Options& options);
};

}  // namespace corvane
