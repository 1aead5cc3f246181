#pragma once

// What every widget test needs: dialogs that answer from a script instead of waiting for a
// person, a temporary program folder, a fixed locale, typing helpers, and a guard that fails the
// test when a real modal dialog appears instead of letting it hang.

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "project/AppState.h"
#include "ui/widgets/DialogProvider.h"

class QPrinter;

namespace corvane {

// Marks a dialog that a test shows on purpose, so that ModalDialogGuard leaves it alone.
inline constexpr const char* kScriptedDialogProperty = "corvaneScriptedDialog";

// Records a failure of the running test function without leaving it (a QFAIL usable from
// inside a callback or a function that must return a value).
inline void recordTestFailure(const QString& message) {
    QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
}

// A DialogProvider that answers from queues the test fills beforehand and records everything the
// program asked or said. A question or file dialog with no answer queued is a test failure:
// it is recorded (errors) and reported to Qt Test, and the safe answer (No, cancel) is returned,
// so the program under test never blocks.
class ScriptedDialogs : public DialogProvider {
public:
    struct FileRequest {
        bool save = false;
        QString folder;
        QString filter;
    };

    // --- answers, consumed in order
    std::deque<bool> yesNoAnswers;
    std::deque<std::optional<QString>> openFileAnswers;  // nullopt = Cancel
    std::deque<std::optional<QString>> saveFileAnswers;  // nullopt = Cancel

    void pushYesNo(bool yes) { yesNoAnswers.push_back(yes); }
    void pushOpenFile(std::optional<QString> name) { openFileAnswers.push_back(std::move(name)); }
    void pushSaveFile(std::optional<QString> name) { saveFileAnswers.push_back(std::move(name)); }

    // --- hooks
    // Drives a modal window. Default: the window is not shown and counts as rejected.
    std::function<int(QDialog&)> onModal;
    // Fills in the print dialog. Default: the user cancels.
    std::function<bool(QPrinter&)> onPrinter;

    // --- fixed clock: 15-Mar-2023 12:00:00 unless the test sets another
    double fixedDate = 45000.5;

    // --- what the program did
    QStringList messages;   // every OK-only message, in order
    QStringList questions;  // every Yes/No question, in order
    std::vector<FileRequest> fileRequests;
    QStringList modalDialogs;  // class name of every window run modally
    int printerRequests = 0;
    QStringList errors;  // unexpected dialogs (already reported as failures)

    void showMessage(QWidget*, const QString& text) override { messages << text; }

    bool askYesNo(QWidget*, const QString& text) override {
        questions << text;
        if (yesNoAnswers.empty()) {
            unexpected(QStringLiteral("unexpected question (no answer queued): ") + text);
            return false;
        }
        const bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }

    std::optional<QString> chooseOpenFile(QWidget*, const QString& folder, const QString& filter) override {
        fileRequests.push_back({false, folder, filter});
        return nextFile(openFileAnswers, "open");
    }

    std::optional<QString> chooseSaveFile(QWidget*, const QString& folder, const QString& filter) override {
        fileRequests.push_back({true, folder, filter});
        return nextFile(saveFileAnswers, "save");
    }

    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerRequests;
        return onPrinter ? onPrinter(printer) : false;
    }

    int runModal(QDialog& dialog) override {
        modalDialogs << QString::fromLatin1(dialog.metaObject()->className());
        if (!onModal) return QDialog::Rejected;
        return onModal(dialog);
    }

    double currentDate() override { return fixedDate; }

    // Queued answers the program never asked for: a test that expected a dialog which did not
    // come should check this is 0.
    int unusedAnswers() const {
        return static_cast<int>(yesNoAnswers.size() + openFileAnswers.size() + saveFileAnswers.size());
    }

    // For onModal: shows the window as the real exec() would (so its show and activation
    // handlers run), lets `drive` work on it, then closes it if `drive` left it open (as
    // rejected) and returns its result.
    static int runShown(QDialog& dialog, const std::function<void(QDialog&)>& drive) {
        dialog.setProperty(kScriptedDialogProperty, true);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowExposed(&dialog))
            recordTestFailure(QStringLiteral("modal window was not shown"));
        QPointer<QDialog> alive(&dialog);
        if (drive) drive(dialog);
        if (alive && dialog.isVisible()) dialog.reject();
        return alive ? dialog.result() : QDialog::Rejected;
    }

private:
    void unexpected(const QString& what) {
        errors << what;
        recordTestFailure(what);
    }

    std::optional<QString> nextFile(std::deque<std::optional<QString>>& queue, const char* kind) {
        if (queue.empty()) {
            unexpected(
                QStringLiteral("unexpected %1 file dialog (no answer queued)").arg(QLatin1String(kind)));
            return std::nullopt;
        }
        const bool cancel = !queue.front().has_value();
        const QString name = cancel ? QString() : *queue.front();
        queue.pop_front();
        if (cancel) return std::nullopt;
        return name;
    }
};

// A program folder of its own for one test: settings and default project land there and are
// removed with it.
class TempProgramFolder {
public:
    TempProgramFolder() {
        if (!dir_.isValid()) recordTestFailure(QStringLiteral("cannot create a temporary folder"));
    }
    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    AppPaths paths() const { return AppPaths{dir_.path().toStdString()}; }

private:
    QTemporaryDir dir_;
};

// Numbers are shown and read with a point whatever the machine's locale; tests pin the locale so
// that a toolkit default never slips in.
inline void useFixedLocale() { QLocale::setDefault(QLocale::c()); }

// Shows the widget's window if needed, makes it the active window and gives the widget the
// focus, as a click would. Focus events (and the lost-focus commits) only happen in an active
// window.
inline bool focusInActiveWindow(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isVisible()) window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return false;
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    return widget->hasFocus();
}

// Focuses the box, replaces its whole text with `text` by key clicks and, unless told not to,
// presses Enter.
inline void typeInto(QLineEdit* edit, const QString& text, bool pressEnter = true) {
    if (!focusInActiveWindow(edit)) recordTestFailure(QStringLiteral("cannot focus ") + edit->objectName());
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
    if (pressEnter) QTest::keyClick(edit, Qt::Key_Return);
}

// Fails the running test when a real modal dialog (a QMessageBox, QFileDialog, any modal
// window not run through ScriptedDialogs::runShown) appears: the dialog is closed (No / Cancel)
// so the test goes on instead of hanging, and the failure names it.
class ModalDialogGuard {
public:
    explicit ModalDialogGuard(int intervalMs = 50) {
        timer_.setInterval(intervalMs);
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start();
    }
    ~ModalDialogGuard() { timer_.stop(); }
    ModalDialogGuard(const ModalDialogGuard&) = delete;
    ModalDialogGuard& operator=(const ModalDialogGuard&) = delete;

    const QStringList& failures() const { return failures_; }

    // Also callable directly, e.g. right after an action that must not open anything.
    void check() {
        QList<QWidget*> offenders;
        if (QWidget* modal = QApplication::activeModalWidget()) offenders << modal;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (!w->isVisible() || offenders.contains(w)) continue;
            const bool modal = w->isModal() || qobject_cast<QMessageBox*>(w) || qobject_cast<QFileDialog*>(w);
            if (modal) offenders << w;
        }
        for (QWidget* w : offenders) {
            if (w->property(kScriptedDialogProperty).toBool()) continue;
            const QString what = describe(w);
            failures_ << what;
            recordTestFailure(what);
            close(w);
        }
    }

private:
    static QString describe(QWidget* w) {
        QString text = QStringLiteral("unexpected dialog %1 \"%2\"")
                           .arg(QLatin1String(w->metaObject()->className()), w->windowTitle());
        if (auto* box = qobject_cast<QMessageBox*>(w)) text += QStringLiteral(": ") + box->text();
        return text;
    }

    static void close(QWidget* w) {
        if (auto* box = qobject_cast<QMessageBox*>(w)) {
            if (QAbstractButton* no = box->button(QMessageBox::No))
                no->click();
            else
                box->reject();
        } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
        } else {
            w->close();
        }
    }

    QTimer timer_;
    QStringList failures_;
};

// Everything at once, for a test class member or a test function's first line.
struct UiTestEnvironment {
    UiTestEnvironment() { useFixedLocale(); }
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    ModalDialogGuard guard;
};

}  // namespace corvane
