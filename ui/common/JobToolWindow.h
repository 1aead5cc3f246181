#pragma once

#include <QDialog>
#include <functional>

#include "calc/format/Units.h"
#include "calc/methods/Alignment.h"

class QShowEvent;

namespace corvane {

struct AppState;
class WindowZoom;

// A window that stays open beside the main window on part of the open job, calculated with the main
// window's choices of now (method, rotation, units, ...). What the user changes in it goes into the
// job at once and is reported to the main window, which recalculates and keeps the undo history; the
// main window asks it to show the job again after every change of its own. Escape or the frame
// closes it, keeping a value still being typed.
class JobToolWindow : public QDialog {
    Q_OBJECT
public:
    // The choices the main window calculates with now.
    using OptionsSource = std::function<CalcOptions()>;
    // Called after the window changed the job.
    using JobEdited = std::function<void()>;

    ~JobToolWindow() override;

    // Shows the job as it is now, with the main window's choices of now.
    virtual void refresh() = 0;

public slots:
    void done(int result) override;

protected:
    JobToolWindow(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited jobEdited,
                  const QString& objectName, const QString& title);

    // The main window's choices; without a main window, those the job was saved with.
    CalcOptions currentOptions() const;
    UnitSystem units() const;
    // Tells the main window that the job has been changed here.
    void reportEdit() const;

    // Where the window stands, and what has the focus, as it opens (after refresh). The first time it
    // opens at the main window's zoom; after that where and as large as the user left it.
    virtual void placeOnOpening(bool firstTime);
    // Sizes the window for what it shows, at the main window's zoom.
    void fitToMainWindow();
    QWidget* mainWindow() const { return mainWindow_; }

    void showEvent(QShowEvent* event) override;

    AppState& state_;

private:
    QWidget* mainWindow_;
    OptionsSource currentOptions_;
    JobEdited jobEdited_;
    WindowZoom* zoom_ = nullptr;
    bool opened_ = false;
};

}  // namespace corvane
