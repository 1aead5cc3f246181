#pragma once

#include <vector>

#include "calc/format/DisplayFormat.h"
#include "calc/judging/ReadingsCheck.h"
#include "project/ViewOptions.h"
#include "ui/main/MainPanel.h"

namespace corvane {

// "Miscellaneous": the unit system, the growth and tolerance switches, the machines, rotation and
// bracket-side choices with the bracket's caption, the sag / face-diameter box and the rim-and-face
// bar sag.
class OptionsPanel {
public:
    explicit OptionsPanel(const MainPanelContext& context);

    // The choices `method` offers.
    void showMethod(int method);
    // The caption of the bracket choice: on which shaft the bracket is, on which half the dials run.
    void showBracketCaption();
    // The switches and choices of a saved view, without running their handlers.
    void showView(const ViewOptions& view);
    void showUnits(int engUnits);
    // The box beside the grid and the rim sag, in the units shown.
    void showJob(const ProjectRecord& record, int method, const DisplayFormat& display);
    void showRimSag(const ProjectRecord& record, const DisplayFormat& display);
    void showGuidance(int method);
    // The sag boxes carry the findings about the sag's sign.
    void markFindings(const std::vector<ReadingFinding>& findings, int method);
    // What was typed into the sag / face-diameter box stored in its field of the job.
    void takeMisc(const DisplayFormat& display);
    void takeRimSag(const DisplayFormat& display);

private:
    AppState& state_;
    MainWindowControls& ui_;
};

}  // namespace corvane
