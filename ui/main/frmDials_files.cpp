// The File menu, the other windows, and closing the program.

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QTimer>

#include "project/ProjectCommands.h"
#include "ui/about/frmAbout.h"
#include "ui/growth/frmGrowth.h"
#include "ui/main/frmComments.h"
#include "ui/main/frmDials.h"
#include "ui/print/WindowPrinter.h"
#include "ui/tolerance/frmTolerances.h"
#include "ui/widgets/DialogProvider.h"

namespace corvane {

void frmDials::mnuFileNew_Click() {
    commitFocusedBox();
    commands_->fileNew();
}

void frmDials::mnuFileOpen_Click() {
    commitFocusedBox();
    commands_->fileOpen();
}

void frmDials::mnuFileSave_Click() {
    commitFocusedBox();
    commands_->fileSave();
}

void frmDials::mnuFileSaveAs_Click() {
    commitFocusedBox();
    commands_->fileSaveAs();
}

void frmDials::mnuFilePrint_Click() {
    commitFocusedBox();
    printWindow(this, dialogs_);
}

void frmDials::mnuFileMRU_Click(int index) {
    commitFocusedBox();
    commands_->fileRecent(index);
}

void frmDials::mnuExit_Click() { close(); }

void frmDials::closeEvent(QCloseEvent* event) {
    commitFocusedBox();
    commands_->exitProgram();
    Timer1->stop();
    event->accept();
}

void frmDials::setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        QString caption = QString::fromStdString(captions[i]);
        // A path is shown as it is: an ampersand in it is not a keyboard mnemonic.
        mnuFileMRU[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        mnuFileMRU[i]->setVisible(!captions[i].empty());
    }
}

void frmDials::cmdComments_Click() {
    commitFocusedBox();
    frmComments comments(state_, this);
    dialogs_.runModal(comments);
    comments.storeComments();
}

void frmDials::cmdGrowth_Click() {
    commitFocusedBox();
    growth_->initGrowthPanel(cmbFixMove->currentIndex());
    dialogs_.runModal(*growth_);
    calcAlignment();
}

void frmDials::cmdTolerances_Click() {
    commitFocusedBox();
    dialogs_.runModal(*tolerances_);
}

void frmDials::mnuAbout_Click() {
    frmAbout about(this, &dialogs_);
    dialogs_.runModal(about);
}

}  // namespace corvane
