// Undo and redo of every edit of the job, and whether the job differs from its saved state.
//
// The window does not wrap each handler in a command: after each keystroke, click, wheel turn or
// window closing it compares the job with the last step, and a difference becomes one step. A knob
// dragged is one step (it is compared when the button comes up), a typed reading is one step (it is
// stored as the box is left). The project counts as changed exactly when the job differs from what
// was last opened or saved.

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QUndoCommand>
#include <QUndoStack>

#include "project/RecordChanges.h"
#include "ui/main/frmDials.h"

namespace corvane {

namespace {

// One edit: the job before and after it. The first redo is the edit itself, already made.
class JobEdit : public QUndoCommand {
public:
    JobEdit(frmDials& window, ProjectRecord before, ProjectRecord after)
        : window_(window), before_(std::move(before)), after_(std::move(after)) {
        setText(QString::fromStdString(describeChange(before_, after_)));
    }
    void undo() override { window_.restoreJob(before_); }
    void redo() override {
        if (made_) {
            made_ = false;
            return;
        }
        window_.restoreJob(after_);
    }

private:
    frmDials& window_;
    ProjectRecord before_;
    ProjectRecord after_;
    bool made_ = true;
};

bool endsAnInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease:
        case QEvent::Wheel:
        case QEvent::Close:
            return true;
        default:
            return false;
    }
}

}  // namespace

void frmDials::buildEditMenu() {
    undo_ = new QUndoStack(this);
    QMenu* edit = new QMenu(QStringLiteral("&Edit"), this);
    edit->setObjectName(QStringLiteral("mnuEdit"));
    ui_.mnuEditUndo = undo_->createUndoAction(this, QStringLiteral("Undo"));
    ui_.mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    ui_.mnuEditUndo->setShortcut(QKeySequence::Undo);
    ui_.mnuEditRedo = undo_->createRedoAction(this, QStringLiteral("Redo"));
    ui_.mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    // Ctrl+Shift+Z everywhere, and the platform's own redo keys; a key listed twice would make the
    // shortcut ambiguous, and an ambiguous shortcut does nothing.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!redoKeys.contains(key)) redoKeys << key;
    ui_.mnuEditRedo->setShortcuts(redoKeys);
    // A value still being typed belongs to the job before the step is undone.
    connect(
        ui_.mnuEditUndo, &QAction::triggered, this, [this] { commitFocusedBox(); }, Qt::DirectConnection);
    edit->addAction(ui_.mnuEditUndo);
    edit->addAction(ui_.mnuEditRedo);
    // Between File and Tools, where every desktop program has it.
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, edit);
    qApp->installEventFilter(this);
}

namespace {

// Whether a key press of Ctrl+Z or Ctrl+Shift+Z in `box` is the box's own: only while the box has
// an edit of its own to take back or bring again. Otherwise the keys undo the job's last change,
// wherever the technician is; a box that swallowed them would make undo look broken.
bool boxTakesUndoKey(const QLineEdit* box, const QKeyEvent* key) {
    if (key->matches(QKeySequence::Undo)) return box->isUndoAvailable() && !box->isReadOnly();
    const bool redo = key->matches(QKeySequence::Redo) ||
                      QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (redo) return box->isRedoAvailable() && !box->isReadOnly();
    return true;
}

}  // namespace

bool frmDials::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && box->window() == this && !boxTakesUndoKey(box, static_cast<QKeyEvent*>(event))) {
            // Not taken by the box: the Edit menu's shortcut runs.
            event->ignore();
            return true;
        }
    }
    // The job is compared once the event that may have changed it is done.
    if (endsAnInput(event->type()) && !edits_.noteScheduled) {
        edits_.noteScheduled = true;
        QTimer::singleShot(0, this, [this] {
            edits_.noteScheduled = false;
            noteEdits();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmDials::noteEdits() {
    if (Loading) return;
    if (!sameJob(edits_.lastStep, state_.Project)) {
        ProjectRecord before = edits_.lastStep;
        edits_.lastStep = state_.Project;
        undo_->push(new JobEdit(*this, std::move(before), state_.Project));
    }
    updateChanged();
}

void frmDials::updateChanged() {
    state_.Changed = edits_.unsavedWithoutEdit || !sameJob(state_.Project, edits_.saved);
    // The title bar's "*" after the file name.
    setWindowModified(state_.Changed);
}

void frmDials::restoreJob(const ProjectRecord& job) {
    commitGridEdit();
    state_.Project = withKeptState(job, state_.Project);
    edits_.lastStep = state_.Project;
    refreshAll();
    updateChanged();
}

void frmDials::startHistory() {
    undo_->clear();
    edits_.lastStep = edits_.saved = state_.Project;
    // A job opened unsaved (its date stamp refreshed, or no copy could be written) stays changed
    // until it is saved.
    edits_.unsavedWithoutEdit = state_.Changed;
    setWindowModified(state_.Changed);
}

void frmDials::markSaved() {
    noteEdits();
    edits_.saved = state_.Project;
    edits_.unsavedWithoutEdit = false;
    updateChanged();
}

}  // namespace corvane
