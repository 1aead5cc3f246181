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
};

// The result labels of the default job (reverse dial, full rotation, English), as corvane-cli calc
// gives them: feet 3 and 4 move 25 mils down and 5 mils left.
inline const QString kDefaultVertical =
    QStringLiteral("Machine Foot 3: move  25.00 mils  DOWN\r\nMachine Foot 4: move  25.00 mils  DOWN");
inline const QString kDefaultHorizontal =
    QStringLiteral("Machine Foot 3: move  5.000 mils  LEFT \r\nMachine Foot 4: move  5.000 mils  LEFT ");

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

// Moves the focus away from a box by Tab, as the user leaves it.
inline void tabOut(QWidget* widget) {
    focusInActiveWindow(widget);
    QTest::keyClick(widget, Qt::Key_Tab);
}

}  // namespace corvane
