#pragma once

// A main window on a temporary program folder with scripted dialogs, started as the program
// starts it (without the about window), shown and active so that focus and keys work.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "UiTestSupport.h"
#include "project/AppState.h"
#include "project/ProjectFile.h"
#include "ui/main/frmDials.h"

namespace corvane {

struct MainWindowUnderTest {
    UiTestEnvironment env;
    AppState state;
    std::unique_ptr<frmDials> window;

    MainWindowUnderTest() {
        state.Paths = env.folder.paths();
        window = std::make_unique<frmDials>(state, env.dialogs);
        window->formLoad(false);
        window->show();
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window.get()))
            recordTestFailure(QStringLiteral("main window not active"));
    }

    frmDials& w() { return *window; }
    ScriptedDialogs& dialogs() { return env.dialogs; }
    QString defaultProject() const { return env.folder.filePath(QStringLiteral("Corvane.qdl")); }

    // Writes `record` as `name` in the program folder and opens it by File > Open; returns its path.
    QString openJob(const ProjectRecord& record, const QString& name) {
        const QString path = env.folder.filePath(name);
        if (!writeProject(path.toStdString(), record))
            recordTestFailure(QStringLiteral("cannot write ") + path);
        env.dialogs.openFileAnswers.push_back(path);
        window->controls().mnuFileOpen->trigger();
        return path;
    }
};

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The project as a file holds it.
inline ProjectRecord readBack(const QString& path) {
    ProjectRecord record;
    if (!readProject(path.toStdString(), record)) recordTestFailure(QStringLiteral("cannot read ") + path);
    return record;
}

// The result labels the calculation gives for the job and the choices the window's controls show
// now. The choices are read off the controls as the user sees them, never asked of the window's own
// code, so a window that calculates with other choices than it shows fails; the texts themselves
// are the calculation's tests' business.
struct Labels {
    QString vertical, horizontal;
};
inline Labels calculated(const frmDials& w, const AppState& state) {
    const MainWindowControls& c = w.controls();
    CalcOptions shown;
    for (int m = 0; m < 3; ++m)
        if (c.optAcalc[static_cast<std::size_t>(m)]->isChecked()) shown.method = m;
    shown.rotation = c.cmbRotation->currentIndex();
    shown.bracketSide = c.cmbFixMove->currentIndex();
    shown.growthOn = c.chkTgrowth->isChecked();
    shown.toleranceOn = c.chkTolerance->isChecked();
    shown.tolerance = state.Tolerance;
    shown.units = c.optEU[1]->isChecked() ? UnitSystem::Metric : UnitSystem::English;
    const CalcResult r = calcAlignment(state.Project, shown);
    return {QString::fromStdString(r.verticalText), QString::fromStdString(r.horizontalText)};
}
inline Labels calculated(MainWindowUnderTest& t) { return calculated(t.w(), t.state); }

// Moves the focus away from a box by Tab, as the user leaves it.
inline void tabOut(QWidget* widget) {
    focusInActiveWindow(widget);
    QTest::keyClick(widget, Qt::Key_Tab);
}

}  // namespace corvane
