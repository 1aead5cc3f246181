#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include "project/AppState.h"
#include "ui/common/DialogProvider.h"
#include "ui/common/WindowZoom.h"

class QPrinter;

namespace corvane {

// Marks a dialog that a test shows on purpose, so that ModalDialogGuard leaves it alone.
inline constexpr const char* kScriptedDialogProperty = "corvaneScriptedDialog";

// Records a failure without leaving the running test function (usable inside callbacks).
inline void recordTestFailure(const QString& message) {
    QTest::qFail(message.toUtf8().constData(), __FILE__, __LINE__);
}

// Answers from queues the test fills; an unqueued question or file dialog fails and gets No/Cancel.
class ScriptedDialogs : public DialogProvider {
public:
    std::deque<bool> yesNoAnswers;
    std::deque<SaveAnswer> saveAnswers;
    std::deque<OverwriteAnswer> overwriteAnswers;
    std::vector<Default> yesNoDefaults;                  // the default button of each Yes/No question asked
    std::deque<std::optional<QString>> openFileAnswers;  // nullopt = Cancel
    std::deque<std::optional<QString>> saveFileAnswers;

    // Drives a modal window; by default it is not shown and counts as rejected.
    std::function<int(QDialog&)> onModal;
    // From now on every modal window is shown and handed to `drive` (see runShown).
    void driveModals(std::function<void(QDialog&)> drive) {
        onModal = [drive = std::move(drive)](QDialog& dialog) { return runShown(dialog, drive); };
    }
    // Fills in the print dialog; by default the user cancels.
    std::function<bool(QPrinter&)> onPrinter;
    std::deque<std::optional<QString>> reportFileAnswers;  // nullopt = Cancel
    // Stands in for the print preview: gets the printer and what paints the pages; by default the
    // user closes the preview without printing.
    std::function<void(QPrinter&, const std::function<void(QPrinter&)>&)> onPreview;
    double fixedDate = 45000.5;  // 15-Mar-2023 12:00:00

    QStringList messages, questions;
    QStringList modalDialogs;  // class name of every window run modally
    int printerRequests = 0;
    QStringList reportProposals;  // the path each report save dialog opened on
    int previewRequests = 0;

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    bool askYesNo(QWidget*, const QString& text, Default defaultAnswer) override {
        questions << text;
        yesNoDefaults.push_back(defaultAnswer);
        return next(yesNoAnswers, QStringLiteral("question: ") + text, false);
    }
    SaveAnswer askToSave(QWidget*, const QString& text) override {
        questions << text;
        return next(saveAnswers, QStringLiteral("save prompt: ") + text, SaveAnswer::Cancel);
    }
    OverwriteAnswer askOverwrite(QWidget*, const QString& text) override {
        questions << text;
        return next(overwriteAnswers, QStringLiteral("overwrite question: ") + text, OverwriteAnswer::Cancel);
    }
    std::optional<QString> chooseOpenFile(QWidget*, const QString&, const QString&) override {
        return nextFile(openFileAnswers, QStringLiteral("open file dialog"));
    }
    std::optional<QString> chooseSaveFile(QWidget*, const QString&, const QString&) override {
        return nextFile(saveFileAnswers, QStringLiteral("save file dialog"));
    }
    bool setUpPrinter(QWidget*, QPrinter& printer) override {
        ++printerRequests;
        return onPrinter ? onPrinter(printer) : false;
    }
    std::optional<QString> chooseReportFile(QWidget*, const QString& proposedPath) override {
        reportProposals << proposedPath;
        return nextFile(reportFileAnswers, QStringLiteral("report file dialog"));
    }
    void previewReport(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override {
        ++previewRequests;
        if (onPreview) onPreview(printer, paint);
    }
    int runModal(QDialog& dialog) override {
        modalDialogs << QString::fromLatin1(dialog.metaObject()->className());
        return onModal ? onModal(dialog) : int(QDialog::Rejected);
    }
    double currentDate() override { return fixedDate; }

    // For onModal: shows the window as exec() would, lets `drive` work on it, rejects it if still open.
    static int runShown(QDialog& dialog, const std::function<void(QDialog&)>& drive) {
        dialog.setProperty(kScriptedDialogProperty, true);
        dialog.setResult(QDialog::Rejected);
        dialog.show();
        dialog.activateWindow();
        if (!QTest::qWaitForWindowExposed(&dialog))
            recordTestFailure(QStringLiteral("modal window not shown"));
        QPointer<QDialog> alive(&dialog);
        if (drive) drive(dialog);
        if (alive && dialog.isVisible()) dialog.reject();
        return alive ? dialog.result() : int(QDialog::Rejected);
    }

private:
    // The next scripted answer; with none left the test fails and gets `none` (No / Cancel).
    template <class T>
    static T next(std::deque<T>& queue, const QString& what, T none) {
        if (queue.empty()) {
            recordTestFailure(QStringLiteral("unexpected ") + what);
            return none;
        }
        const T answer = queue.front();
        queue.pop_front();
        return answer;
    }
    // The same for a file dialog; the name is copied out rather than the optional, which GCC
    // takes for uninitialized.
    static std::optional<QString> nextFile(std::deque<std::optional<QString>>& queue, const QString& what) {
        if (queue.empty()) recordTestFailure(QStringLiteral("unexpected ") + what);
        if (queue.empty() || !queue.front()) {
            if (!queue.empty()) queue.pop_front();
            return std::nullopt;
        }
        const QString name = *queue.front();
        queue.pop_front();
        return name;
    }
};

// A program folder of its own for one test, removed with it.
struct TempProgramFolder : QTemporaryDir {
    AppPaths paths() const { return AppPaths{path().toStdString(), {}, {}}; }
};

// Numbers are shown and read with a point whatever the machine's locale.
inline void useFixedLocale() { QLocale::setDefault(QLocale::c()); }

// Focus as a click gives it: focus events (and commits on leaving a box) need an active window.
inline bool focusInActiveWindow(QWidget* widget) {
    QWidget* window = widget->window();
    if (!window->isVisible()) window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) return false;
    widget->setFocus(Qt::OtherFocusReason);
    QCoreApplication::processEvents();
    return widget->hasFocus();
}

// Focuses the box, replaces its whole text by key clicks and, unless told not to, presses Enter.
inline void typeInto(QLineEdit* edit, const QString& text, bool pressEnter = true) {
    if (!focusInActiveWindow(edit)) recordTestFailure(QStringLiteral("cannot focus ") + edit->objectName());
    edit->selectAll();
    if (text.isEmpty()) QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (pressEnter) QTest::keyClick(edit, Qt::Key_Return);
}

// Fails the test when a real modal dialog appears, and closes it (No / Cancel) instead of hanging.
class ModalDialogGuard {
public:
    ModalDialogGuard() {
        QObject::connect(&timer_, &QTimer::timeout, [] { check(); });
        timer_.start(50);
    }

    static void check() {
        for (QWidget* w : QApplication::topLevelWidgets()) {
            const bool modal = w->isModal() || qobject_cast<QMessageBox*>(w) || qobject_cast<QFileDialog*>(w);
            if (!modal || !w->isVisible() || w->property(kScriptedDialogProperty).toBool()) continue;
            auto* box = qobject_cast<QMessageBox*>(w);
            recordTestFailure(QStringLiteral("unexpected dialog %1 \"%2\" %3")
                                  .arg(QLatin1String(w->metaObject()->className()), w->windowTitle(),
                                       box ? box->text() : QString()));
            if (box && box->button(QMessageBox::No))
                box->button(QMessageBox::No)->click();
            else if (auto* dialog = qobject_cast<QDialog*>(w))
                dialog->reject();
            else
                w->close();
        }
    }

private:
    QTimer timer_;
};

// Everything at once, for a test class member or a test function's first line. A closed window
// never ends the test program.
struct UiTestEnvironment {
    UiTestEnvironment() {
        useFixedLocale();
        QApplication::setQuitOnLastWindowClosed(false);
    }
    TempProgramFolder folder;
    ScriptedDialogs dialogs;
    ModalDialogGuard guard;
};

// The default job and a stand-in main window at `zoom`, for the growth and tolerance windows.
struct OptionWindowStage {
    UiTestEnvironment env;
    AppState state;
    QWidget main;

    explicit OptionWindowStage(int method = 0, double zoom = 1.0) {
        setDefaults(state.Project);
        state.Paths = env.folder.paths();
        state.CalcMethod = method;
        main.resize(1000, 750);
        WindowZoom::setZoomOf(&main, zoom);
    }
};

}  // namespace corvane
