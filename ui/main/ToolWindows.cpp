#include "ui/main/ToolWindows.h"

#include <QComboBox>

#include "calc/graph/ToleranceBand.h"
#include "ui/about/frmAbout.h"
#include "ui/common/DialogProvider.h"
#include "ui/feet/frmFeet.h"
#include "ui/growth/frmGrowth.h"
#include "ui/help/HelpTexts.h"
#include "ui/main/frmComments.h"
#include "ui/main/frmDials.h"
#include "ui/moves/frmMoves.h"
#include "ui/tolerance/frmTolerances.h"

namespace corvane {

ToolWindows::ToolWindows(AppState& state, frmDials& window, DialogProvider& dialogs)
    : state_(state), window_(window), dialogs_(dialogs) {}

ToolWindows::~ToolWindows() = default;

frmGrowth* ToolWindows::growth() {
    // Built when first needed: every showing rebuilds it from the record, so a window made later
    // shows the same as one kept hidden since the start.
    if (!growth_) {
        growth_ = std::make_unique<frmGrowth>(state_, &window_);
        QObject::connect(growth_.get(), &frmGrowth::growthApplied, &window_, &frmDials::fillTXTfields);
        growth_->initGrowthPanel(window_.controls().cmbFixMove->currentIndex());
        explainControls(growth_.get(), state_.CalcMethod);
    }
    return growth_.get();
}

frmFeet* ToolWindows::feet() {
    if (!feet_) {
        // An edit in the Feet window is an edit of the job: recalculated at once (the readings check
        // and the verdict name soft feet), and made an undo step like any other.
        frmDials* window = &window_;
        feet_ = std::make_unique<frmFeet>(
            state_, window, [window] { return window->currentOptions(); },
            [window] {
                window->recalculate();
                window->jobEdited();
            });
    }
    return feet_.get();
}

frmTolerances* ToolWindows::tolerances() {
    if (!tolerances_) {
        // A new window takes its span from the geometry; until it is first shown the span is the
        // one the last refresh picked, so that it keeps what the user sees in the results.
        const float span = state_.Project.Span;
        frmDials* window = &window_;
        tolerances_ =
            std::make_unique<frmTolerances>(state_, window, [window] { return window->currentOptions(); });
        // A new speed or span changes the band and the verdict: the results follow at once.
        tolerances_->setOnChange([window] { window->recalculate(); });
        state_.Project.Span = span;
        tolerances_->calcTolerance();
        explainControls(tolerances_.get(), state_.CalcMethod);
    }
    return tolerances_.get();
}

frmMoves* ToolWindows::moves() {
    if (!moves_) {
        frmDials* window = &window_;
        moves_ = std::make_unique<frmMoves>(
            state_, window, [window] { return window->currentOptions(); },
            [window] { window->movesEdited(); });
    }
    return moves_.get();
}

void ToolWindows::bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

void ToolWindows::runComments() {
    window_.commitFocusedBox();
    frmComments comments(state_, &window_);
    dialogs_.runModal(comments);
    // Opened and closed without typing, the window leaves the job as it was.
    if (comments.edited()) comments.storeComments();
    window_.showEditState();
}

void ToolWindows::runGrowth() {
    window_.commitFocusedBox();
    frmGrowth& window = *growth();
    window.initGrowthPanel(window_.controls().cmbFixMove->currentIndex());
    dialogs_.runModal(window);
    window_.recalculate();
    window_.showEditState();
}

void ToolWindows::runTolerances() {
    window_.commitFocusedBox();
    dialogs_.runModal(*tolerances());
    window_.showEditState();
}

void ToolWindows::runAbout() {
    frmAbout about(&window_, &dialogs_);
    dialogs_.runModal(about);
}

void ToolWindows::followBracketSide(int side) {
    // A growth window not built yet is built from the record when it is first shown.
    if (growth_) growth_->initGrowthPanel(side);
}

void ToolWindows::calcTolerance() {
    if (tolerances_)
        tolerances_->calcTolerance();
    else
        state_.Tolerance = corvane::calcTolerance(state_.Project.Span, state_.Project.RPM);
}

void ToolWindows::showTolerance(bool visibleOnly) {
    if (tolerances_ && (!visibleOnly || tolerances_->isVisible())) tolerances_->showTolerance();
}

void ToolWindows::refreshMoves() {
    if (moves_ && moves_->isVisible()) moves_->refresh();
}

void ToolWindows::showLedger() {
    if (feet_) feet_->refresh();
}

}  // namespace corvane
