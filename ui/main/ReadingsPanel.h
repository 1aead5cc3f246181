#pragma once

#include <QStringList>
#include <optional>
#include <vector>

#include "calc/format/DisplayFormat.h"
#include "calc/judging/ReadingsCheck.h"
#include "ui/main/MainPanel.h"

class QLineEdit;

namespace corvane {

struct MethodTraits;

// The two dial frames: for each dial the knobs and reading boxes of the four clock positions with
// their captions, where the dial is zeroed, and what each box means.
class ReadingsPanel {
public:
    explicit ReadingsPanel(const MainPanelContext& context);

    void showMethod(const MethodTraits& traits);
    // The readings of `method` in the boxes; the knobs on the job's scale with the readings.
    void showReadings(const ProjectRecord& record, int method, const DisplayFormat& display);
    void scaleKnobs(const ProjectRecord& record, int method, const DisplayFormat& display);
    // A half rotation has no 6:00 reading: its knobs, boxes and captions are hidden. It takes both
    // dials as zeroed at 9:00: they show 0 there and take no entry, while the job keeps the 9:00
    // readings of a full turn for when it is chosen again.
    void showRotation(bool half);
    void showNineOClock(const ProjectRecord& record, int method, const DisplayFormat& display, bool half);
    void showGuidance(int method, int rotation, int bracketSide);
    // Each reading box a finding names carries it.
    void markFindings(const std::vector<ReadingFinding>& findings);

    // A knob turned to `value` (in the units shown): the reading stored and its box showing it;
    // false when nothing was stored.
    bool takeKnob(int dial, int p, double value, const DisplayFormat& display);
    // The reading typed into a box stored and shown again; the value its knob is to show, or
    // nothing when the box keeps the stored reading.
    std::optional<double> takeTyped(int dial, int p, const DisplayFormat& display);

private:
    void buildDialFrame(const MainPanelContext& context, int dial);

    AppState& state_;
    MainWindowControls& ui_;
};

// Marks a box that findings are about (an amber frame) and puts them in its tool tip, in front of
// what the box itself explains.
void markFindingBox(QLineEdit* box, const QStringList& messages);

}  // namespace corvane
