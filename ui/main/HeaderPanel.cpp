#include "ui/main/HeaderPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "calc/format/NumberFormat.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"

namespace corvane {

using namespace mainlayout;

HeaderPanel::HeaderPanel(const MainPanelContext& context) : ui_(context.ui) {
    DesignLayout& layout = context.layout;
    frmDials& window = context.window;
    auto* frame = ui_.frameHeader = new QGroupBox(context.canvas);
    frame->setObjectName(QStringLiteral("frameHeader"));
    // A frame without a caption: without a name a screen reader would announce a nameless panel.
    frame->setAccessibleName(QStringLiteral("Header"));
    layout.place(frame, kHeader);

    const CaptionedBox machine =
        makeCaptionedBox(frame, QStringLiteral("Machine:"), QStringLiteral("txtMachine"),
                         [&window] { window.txtMachine_LostFocus(); });
    ui_.txtMachine = machine.box;
    layout.place(machine.caption, kMachineCaption);
    layout.place(machine.box, kMachine);
    const CaptionedBox technician =
        makeCaptionedBox(frame, QStringLiteral("Technician:"), QStringLiteral("txtTechnician"),
                         [&window] { window.txtTechnician_LostFocus(); });
    ui_.txtTechnician = technician.box;
    layout.place(technician.caption, kTechnicianCaption);
    layout.place(technician.box, kTechnician);

    auto* dateCaption = makeNamedLabel(QStringLiteral("Date:"), frame, "lblDateCaption");
    layout.place(dateCaption, kDateCaption);
    ui_.lblCompany = makeNamedLabel(QString(), frame, "lblCompany");
    layout.place(ui_.lblCompany, kDate);
    ui_.lblCompany->setAccessibleDescription(QStringLiteral("Date stamp"));
    // The caption and the date are two labels on screen; read out, the date says what it is.
    ui_.lblCompany->setAccessibleName(QStringLiteral("Date:"));
}

void HeaderPanel::showJob(const ProjectRecord& r) {
    ui_.txtMachine->setText(r.Machine.empty() ? QStringLiteral("machine")
                                              : QString::fromStdString(r.Machine));
    ui_.txtTechnician->setText(r.Technician.empty() ? QStringLiteral("technician")
                                                    : QString::fromStdString(r.Technician));
    showDateStamp(QString::fromStdString(formatDateTime(r.DateStamp)));
}

void HeaderPanel::showDateStamp(const QString& formatted) {
    ui_.lblCompany->setText(formatted);
    ui_.lblCompany->setAccessibleName(QStringLiteral("Date: ") + formatted);
}

}  // namespace corvane
