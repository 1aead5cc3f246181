#pragma once

#include <QWidget>
#include <vector>

namespace corvane {

// Fixed 400 x 100 drawing of the machine train for one measurement arrangement. The fixed machine
// is always on the left. Thin vertical marks along the bottom show the indicator planes and the
// feet; the main window puts the length letters over the gaps between them, so the gap centres
// just above the dimension line are kept free of drawing.
class MachineDrawing : public QWidget {
    Q_OBJECT
public:
    enum class Kind { ReverseDial, RimFaceFixed, RimFaceMoveable, JackShaft };

    explicit MachineDrawing(Kind kind, QWidget* parent = nullptr);
    Kind kind() const;

    // x centres, in the drawing's pixels, of the gaps between consecutive marks under the drawing, left to
    // right: 5 for ReverseDial (A..E), 2 for the rim-and-face kinds (A, B), 3 for JackShaft (A, B, C).
    static std::vector<int> gapCentres(Kind kind);
    static std::vector<int> markPositions(Kind kind);  // x of the marks themselves

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 100;
    // Height of the band along the bottom that holds the marks and the dimension line. The
    // dimension line is broken at each gap centre: a length letter about 12 px wide centred at
    // (gapCentres()[i], kHeight - kMarkBand / 2) sits in the break; so does one placed just above
    // the drawing over the same x.
    static constexpr int kMarkBand = 15;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
};

}  // namespace corvane
