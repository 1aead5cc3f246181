#include "ui/common/JobToolWindow.h"

#include <QApplication>
#include <QShowEvent>

#include "project/AppState.h"
#include "ui/common/WindowZoom.h"
#include "ui/widgets/EntryBox.h"

namespace corvane {

JobToolWindow::JobToolWindow(AppState& state, QWidget* mainWindow, OptionsSource currentOptions,
                             JobEdited jobEdited, const QString& objectName, const QString& title)
    : QDialog(mainWindow),
      state_(state),
      mainWindow_(mainWindow),
      currentOptions_(std::move(currentOptions)),
      jobEdited_(std::move(jobEdited)) {
    setObjectName(objectName);
    setWindowTitle(title);
    setAccessibleName(title);
}

JobToolWindow::~JobToolWindow() {
    // Boxes losing the focus while the window is torn down must not run its handlers.
    EntryBox::disableAll(this);
}

CalcOptions JobToolWindow::currentOptions() const {
    return currentOptions_ ? currentOptions_() : openingOptions(state_.Project, ViewOptions{});
}

UnitSystem JobToolWindow::units() const { return unitSystemOf(state_.EngUnits); }

void JobToolWindow::reportEdit() const {
    if (jobEdited_) jobEdited_();
}

void JobToolWindow::fitToMainWindow() {
    // The zoom's design is the window as the derived class built it, hence made at the first fit.
    if (!zoom_) zoom_ = new WindowZoom(this);
    zoom_->fit(WindowZoom::zoomOf(mainWindow_));
}

void JobToolWindow::placeOnOpening(bool firstTime) {
    if (firstTime) fitToMainWindow();
}

void JobToolWindow::showEvent(QShowEvent* event) {
    // A window shown again by the window system (restored from an icon) is as it was.
    if (!event->spontaneous()) {
        refresh();
        placeOnOpening(!opened_);
        opened_ = true;
    }
    QDialog::showEvent(event);
}

void JobToolWindow::done(int result) {
    // Closing with a value still being typed keeps it, as leaving the box would.
    QWidget* focus = QApplication::focusWidget();
    if (focus && isAncestorOf(focus))
        if (EntryBox* box = EntryBox::of(focus)) box->commitIfEdited();
    QDialog::done(result);
}

}  // namespace corvane
