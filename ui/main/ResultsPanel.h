#pragma once

#include <optional>

#include "calc/format/Units.h"
#include "calc/graph/PlotData.h"
#include "calc/methods/Alignment.h"
#include "ui/main/MainPanel.h"

namespace corvane {

class ResultGraph;
struct MethodTraits;

// The results: the vertical and horizontal graphs with their result lines, the buttons that widen
// and narrow each graph, AutoScale, and the Moves button.
class ResultsPanel {
public:
    explicit ResultsPanel(const MainPanelContext& context);

    // The graphs on the knobs' ranges, unless they follow the results.
    void startGraphs(bool autoScale, UnitSystem units);
    void showMethod(const MethodTraits& traits);
    // AutoScale: the graphs follow the results (the button green), or keep the range the user
    // stepped to (white).
    void setAutoScale(bool on);
    void setBandVisible(bool on);
    void setUnits(UnitSystem units);
    // Only the view changes: no calculation, and AutoScale stays as it is.
    void stepGraphRange(int graph, bool widen);
    void showGraphs(const CalcResult& result);
    // The two result labels of a calculation that ran.
    void showTexts(const CalcResult& result);
    // The chosen move alternative drawn on the graphs as the target line.
    void showTargets(const std::optional<PlotData>& vertical, const std::optional<PlotData>& horizontal);

private:
    void showScaleButton(bool autoScale);

    MainWindowControls& ui_;
};

}  // namespace corvane
