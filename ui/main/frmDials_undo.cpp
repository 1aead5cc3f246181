// Undo and redo of every edit of the job, and whether the job differs from its saved state.
//
// The job's history lives in the session (AppState::Session): each handler that changes the job
// reports it with jobEdited(), and the session makes a step of whatever differs from the last one.
// A knob dragged is one step (reported when the button comes up), a typed reading is one step (it
// is stored as the box is left). The project counts as changed exactly when the job differs from
// what was last opened or saved.

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>

#include "ui/main/frmDials.h"
#include "ui/widgets/Knob.h"

namespace corvane {

void frmDials::buildEditMenu() {
    QMenu* edit = new QMenu(QStringLiteral("&Edit"), this);
    edit->setObjectName(QStringLiteral("mnuEdit"));
    ui_.mnuEditUndo = new QAction(QStringLiteral("Undo"), this);
    ui_.mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    ui_.mnuEditUndo->setShortcut(QKeySequence::Undo);
    ui_.mnuEditRedo = new QAction(QStringLiteral("Redo"), this);
    ui_.mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    // Ctrl+Shift+Z everywhere, and the platform's own redo keys; a key listed twice would make the
    // shortcut ambiguous, and an ambiguous shortcut does nothing.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!redoKeys.contains(key)) redoKeys << key;
    ui_.mnuEditRedo->setShortcuts(redoKeys);
    connect(ui_.mnuEditUndo, &QAction::triggered, this, &frmDials::undoEdit);
    connect(ui_.mnuEditRedo, &QAction::triggered, this, &frmDials::redoEdit);
    edit->addAction(ui_.mnuEditUndo);
    edit->addAction(ui_.mnuEditRedo);
    // Between File and Tools, where every desktop program has it.
    const QList<QAction*> menus = menuBar()->actions();
    menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, edit);
    // A knob dragged is one edit, reported when the drag ends.
    for (const auto& knobs : {ui_.cwkDial1, ui_.cwkDial2}) {
        for (Knob* knob : knobs) connect(knob, &ScaleWidget::dragFinished, this, &frmDials::jobEdited);
    }
    // The boxes hand Ctrl+Z and Ctrl+Shift+Z to the Edit menu unless they have an edit of their own.
    for (QLineEdit* box : findChildren<QLineEdit*>()) box->installEventFilter(this);
    showEditState();
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
        if (box && !boxTakesUndoKey(box, static_cast<QKeyEvent*>(event))) {
            // Not taken by the box: the Edit menu's shortcut runs.
            event->ignore();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmDials::jobEdited() {
    if (Loading) return;
    // The drag reports once, when it ends.
    for (const auto& knobs : {ui_.cwkDial1, ui_.cwkDial2}) {
        for (const Knob* knob : knobs) {
            if (knob->isDragging()) return;
        }
    }
    state_.Session.noteEdit(state_.Project);
    showEditState();
}

void frmDials::showEditState() {
    const JobSession& session = state_.Session;
    const auto caption = [](const char* verb, const std::string& what) {
        return what.empty() ? QLatin1String(verb)
                            : QStringLiteral("%1 %2").arg(QLatin1String(verb), QString::fromStdString(what));
    };
    ui_.mnuEditUndo->setEnabled(session.canUndo());
    ui_.mnuEditUndo->setText(caption("Undo", session.undoText()));
    ui_.mnuEditRedo->setEnabled(session.canRedo());
    ui_.mnuEditRedo->setText(caption("Redo", session.redoText()));
    // The title bar's "*" after the file name.
    setWindowModified(session.changed());
}

void frmDials::undoEdit() {
    // A value still being typed belongs to the job before the step is undone.
    commitFocusedBox();
    commitGridEdit();
    if (const std::optional<ProjectRecord> job = state_.Session.undo(state_.Project)) restoreJob(*job);
    showEditState();
}

void frmDials::redoEdit() {
    commitFocusedBox();
    commitGridEdit();
    if (const std::optional<ProjectRecord> job = state_.Session.redo(state_.Project)) restoreJob(*job);
    showEditState();
}

void frmDials::restoreJob(const ProjectRecord& job) {
    state_.Project = job;
    refreshAll();
}

void frmDials::startHistory() {
    // A job opened unsaved (a default project that could not be written, a restored copy) stays
    // changed until it is saved.
    state_.Session.start(state_.Project, state_.Session.changed());
    viewNotKept_ = false;
    showEditState();
    showFileNotes();
}

void frmDials::markSaved() {
    showEditState();
    showFileNotes();
}

}  // namespace corvane
