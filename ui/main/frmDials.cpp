// The main window's construction, the other windows it opens, and the File and Edit menus handed
// to the session of the open job.

#include "ui/main/frmDials.h"

#include <QCloseEvent>
#include <QStatusBar>

#include "ui/common/DialogProvider.h"
#include "ui/common/WindowZoom.h"
#include "ui/feet/frmFeet.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainLayout.h"
#include "ui/main/MainMenus.h"
#include "ui/main/MainPanels.h"
#include "ui/main/MainSession.h"
#include "ui/main/MainViewChoices.h"
#include "ui/main/ToolWindows.h"
#include "ui/moves/frmMoves.h"
#include "ui/print/WindowPrinter.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"

namespace corvane {

frmDials::frmDials(AppState& state, DialogProvider& dialogs, QWidget* parent)
    : QMainWindow(parent), state_(state), dialogs_(dialogs) {
    setObjectName(QStringLiteral("frmDials"));
    auto* holder = new QWidget(this);
    holder->setObjectName(QStringLiteral("centralHolder"));
    setCentralWidget(holder);
    // The controls sit on a canvas of the design size times the zoom, centred in the window.
    canvas_ = new QWidget(holder);
    canvas_->setObjectName(QStringLiteral("central"));

    panels_ = std::make_unique<MainPanels>(MainPanelContext{*this, state_, ui_, layout_, canvas_}, dialogs_,
                                           [this] { return form_.Loading; });
    session_ = std::make_unique<MainSession>(state_, dialogs_, *this, *panels_);
    tools_ = std::make_unique<ToolWindows>(state_, *this, dialogs_);
    view_ = std::make_unique<MainViewChoices>(*this, state_, ui_, form_, *panels_, *session_, *tools_);
    showEditState();

    setWindowTitle(QStringLiteral("CORVANE"));
    setWindowIcon(toleranceIcon());
    // The design size holds the controls, the status bar comes below them; the window may grow
    // from there, and everything in it grows with it.
    zoom_ = new WindowZoom(this, layout_, mainlayout::kWindow + QSize(0, statusBar()->sizeHint().height()));
    zoom_->onZoom = [this](double) { panels_->showZoomed(centralWidget()->size()); };
    panels_->menus().buildViewMenu(*zoom_);
    zoom_->fit(1.0);
}

frmDials::~frmDials() {
    // Children losing the focus while they are torn down must not run the handlers.
    EntryBox::disableAll(this);
    // The zoom maps the places this window holds as a member: it goes before them.
    delete zoom_;
}

frmGrowth* frmDials::growthWindow() { return tools_->growth(); }

frmTolerances* frmDials::toleranceWindow() { return tools_->tolerances(); }

frmMoves* frmDials::movesWindow() { return tools_->moves(); }

frmFeet* frmDials::feetWindow() { return tools_->feet(); }

void frmDials::cmdComments_Click() { tools_->runComments(); }

void frmDials::cmdGrowth_Click() { tools_->runGrowth(); }

void frmDials::cmdTolerances_Click() { tools_->runTolerances(); }

void frmDials::cmdMoves_Click() {
    commitFocusedBox();
    ToolWindows::bringUp(movesWindow());
}

void frmDials::cmdFeet_Click() {
    commitFocusedBox();
    ToolWindows::bringUp(feetWindow());
}

void frmDials::mnuAbout_Click() { tools_->runAbout(); }

void frmDials::mnuFileNew_Click() { session_->fileNew(); }

void frmDials::mnuFileOpen_Click() { session_->fileOpen(); }

void frmDials::mnuFileSave_Click() { session_->fileSave(); }

void frmDials::mnuFileSaveAs_Click() { session_->fileSaveAs(); }

void frmDials::mnuFileMRU_Click(int index) { session_->fileRecent(index); }

void frmDials::mnuFilePrint_Click() {
    commitFocusedBox();
    printWindow(this, dialogs_);
}

void frmDials::mnuExit_Click() { close(); }

void frmDials::closeEvent(QCloseEvent* event) {
    if (session_->close())
        event->accept();
    else
        event->ignore();
}

void frmDials::offerRecovery() { session_->offerRecovery(); }

ProjectCommands& frmDials::commands() { return session_->commands(); }

RecoveryKeeper& frmDials::recovery() { return session_->recovery(); }

void frmDials::jobEdited() {
    if (form_.Loading) return;
    // The drag reports once, when it ends.
    for (const auto& knobs : {ui_.cwkDial1, ui_.cwkDial2})
        for (const Knob* knob : knobs)
            if (knob->isDragging()) return;
    session_->edited();
}

void frmDials::showEditState() { session_->showEditState(); }

void frmDials::undoEdit() { session_->undo(); }

void frmDials::redoEdit() { session_->redo(); }

void frmDials::startHistory() { session_->start(); }

void frmDials::markSaved() { session_->saved(); }

}  // namespace corvane
