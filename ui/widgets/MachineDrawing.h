#pragma once

#include <QWidget>
#include <vector>

#include "report/MachineSketch.h"

namespace corvane {

// Fixed 400 x 100 drawing of the machine train for one measurement arrangement (MachineSketch at
// its own size). The main window puts the length letters over the gaps between the marks.
class MachineDrawing : public QWidget {
    Q_OBJECT
public:
    using Kind = MachineKind;

    explicit MachineDrawing(Kind kind, QWidget* parent = nullptr);
    Kind kind() const;
    // The job's names of the machines, drawn under "Fixed" and "Moveable".
    void setMachineNames(const QString& fixedName, const QString& moveableName);

    static std::vector<int> gapCentres(Kind kind) { return MachineSketch::gapCentres(kind); }
    static std::vector<int> markPositions(Kind kind) { return MachineSketch::markPositions(kind); }

    static constexpr int kWidth = MachineSketch::kWidth;
    static constexpr int kHeight = MachineSketch::kHeight;
    static constexpr int kMarkBand = MachineSketch::kMarkBand;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind kind_;
    QString fixedName_, moveableName_;
};

}  // namespace corvane
