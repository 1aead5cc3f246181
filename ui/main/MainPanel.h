#pragma once

#include <QString>

#include "project/AppState.h"
#include "ui/common/DesignLayout.h"
#include "ui/main/MainWindowControls.h"

class QIcon;
class QLabel;
class QPushButton;
class QWidget;

namespace corvane {

class frmDials;

// What a panel of the main window is built with: the window whose handlers its controls run, the
// job it shows, the controls' names (each panel fills in its own, for the window's tests and for
// tools that drive it from outside), the design its controls are placed by and the canvas they
// sit on.
struct MainPanelContext {
    frmDials& window;
    AppState& state;
    MainWindowControls& ui;
    DesignLayout& layout;
    QWidget* canvas;
};

// The main window's form state. Loading: the window fills its controls from the record, and the
// change handlers neither write back nor calculate. Each flag is set for a scope by a ScopedFlag.
struct MainFormState {
    bool Loading = false;
    bool GrowthOn = false;
    bool ToleranceOn = false;
    bool AutoScale = false;
    // Set while a change of method puts the 9:00 knobs to 0: the knobs still hold the old method's
    // readings, and the refresh that follows sets them from the new method's record.
    bool switchingMethod = false;
};

QLabel* makeNamedLabel(const QString& text, QWidget* parent, const char* name);
// "name_index", the object name of one control of an array.
QString indexedName(const char* name, int index);
// A square button of `size` design units that shows a picture, named by its tool tip.
QPushButton* pictureButton(const QIcon& icon, const QString& tip, QWidget* parent, const char* name,
                           int size);

// The technician's path through the window: who and what, the method, the readings of both dials,
// then (after the growth switch) the growth corrections, the stationary feet and the geometry; the
// knobs, options and buttons follow.
void arrangeMainTabOrder(const MainWindowControls& ui);

}  // namespace corvane
