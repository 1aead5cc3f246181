#pragma once

#include <QString>

#include "ui/main/MainPanel.h"

namespace corvane {

// The header along the top of the main window: the machine, the technician and the job's date stamp.
class HeaderPanel {
public:
    explicit HeaderPanel(const MainPanelContext& context);

    void showJob(const ProjectRecord& record);
    void showDateStamp(const QString& formatted);

private:
    MainWindowControls& ui_;
};

}  // namespace corvane
