#pragma once

#include <functional>
#include <memory>

#include "calc/format/DisplayFormat.h"
#include "calc/methods/Alignment.h"
#include "ui/main/MainPanel.h"

namespace corvane {

struct Assessment;
class DialogProvider;
class HeaderPanel;
class LengthPanel;
class MachinePanel;
class MainMenus;
class MainStatusBar;
class OptionsPanel;
class ReadingsPanel;
class ResultsPanel;

// The panels of the main window together: built in the order the technician meets them (the tab
// order follows from it), and shown at once where the whole job or the whole method changes.
class MainPanels {
public:
    // `loading` tells the length grid's editor that the window is filling its controls.
    MainPanels(const MainPanelContext& context, DialogProvider& dialogs, std::function<bool()> loading);
    ~MainPanels();

    HeaderPanel& header() { return *header_; }
    MachinePanel& machine() { return *machine_; }
    ReadingsPanel& readings() { return *readings_; }
    LengthPanel& lengths() { return *lengths_; }
    ResultsPanel& results() { return *results_; }
    OptionsPanel& options() { return *options_; }
    MainMenus& menus() { return *menus_; }
    MainStatusBar& status() { return *status_; }
    MainWindowControls& controls() { return ui_; }

    // What `method` shows: its drawing, captions, choices and letters.
    void showMethod(int method, bool growthOn);
    // The lengths, readings and stationary ticks of the selected method.
    void showGridAndReadings(const DisplayFormat& display);
    // Names, growth, the sag boxes and the date stamp.
    void showTexts(const DisplayFormat& display);
    // The zeroing notes, the boxes' explanations and the sag box for the choices shown now.
    void showGuidance(const CalcOptions& options);
    // The readings check and the verdict in the status bar, and on each box a finding is about.
    void showCheckAndVerdict(const Assessment& assessment);
    // The result lines, and the chosen move alternative drawn on the graphs as the target line.
    void showResult(const CalcResult& result, int method);
    // What is sized anew at each zoom of the window: the canvas centred in the `room` between the
    // bars, the length grid, the buttons' pictures, the status bar's room for the verdict.
    void showZoomed(QSize room);

private:
    frmDials& window_;
    AppState& state_;
    MainWindowControls& ui_;
    DesignLayout& layout_;
    QWidget* canvas_;
    std::unique_ptr<HeaderPanel> header_;
    std::unique_ptr<MachinePanel> machine_;
    std::unique_ptr<ReadingsPanel> readings_;
    std::unique_ptr<LengthPanel> lengths_;
    std::unique_ptr<MainMenus> menus_;
    std::unique_ptr<ResultsPanel> results_;
    std::unique_ptr<OptionsPanel> options_;
    std::unique_ptr<MainStatusBar> status_;
};

}  // namespace corvane
