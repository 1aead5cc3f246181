#pragma once

// A main window on a temporary program folder with scripted dialogs, started as the program
// starts it (without the about window), shown and active so that focus and keys work.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
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

inline const char* const kDefaultVertical =
    "Machine Foot 3: move  25.00 mils  DOWN\r\nMachine Foot 4: move  25.00 mils  DOWN";
inline const char* const kDefaultHorizontal =
    "Machine Foot 3: move  5.000 mils  LEFT \r\nMachine Foot 4: move  5.000 mils  LEFT ";

// Moves the focus away from a box by Tab, as the user leaves it.
inline void tabOut(QWidget* widget) {
    focusInActiveWindow(widget);
    QTest::keyClick(widget, Qt::Key_Tab);
}

}  // namespace corvane
