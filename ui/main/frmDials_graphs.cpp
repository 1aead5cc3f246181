// The graph buttons: the range steps, AutoScale and the tolerance band switch.

#include <QPushButton>

#include "calc/graph/Ranges.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/ResultGraph.h"

namespace corvane {

void frmDials::stepGraphRange(ResultGraph* graph, bool widen) {
    // Only the view changes: no calculation, and AutoScale stays as it is.
    graph->setYRange(stepRange(graph->yRange(), widen));
    graph->replot();
}

void frmDials::cmdG1Inc_Click() { stepGraphRange(ui_.Graph1, true); }

void frmDials::cmdG1Dec_Click() { stepGraphRange(ui_.Graph1, false); }

void frmDials::cmdG2Inc_Click() { stepGraphRange(ui_.Graph2, true); }

void frmDials::cmdG2Dec_Click() { stepGraphRange(ui_.Graph2, false); }

void frmDials::cmdScale_Click() {
    AutoScale = !AutoScale;
    setAutoScaleButtonColour();
    ui_.Graph1->setYAutoScale(AutoScale);
    ui_.Graph2->setYAutoScale(AutoScale);
    recalculate();
    storeViewOptions();
}

}  // namespace corvane
