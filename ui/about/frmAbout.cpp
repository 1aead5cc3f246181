#include "ui/about/frmAbout.h"

#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTextStream>
#include <QVBoxLayout>

#include "project/Version.h"
#include "ui/common/DialogProvider.h"

namespace corvane {

namespace {

// The processor's model as the kernel reports it, where it can be read ("" elsewhere).
QString cpuModelName() {
    QFile cpuinfo(QStringLiteral("/proc/cpuinfo"));
    if (!cpuinfo.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QTextStream in(&cpuinfo);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon < 0) continue;
        const QString key = line.left(colon).trimmed();
        if (key == QLatin1String("model name") || key == QLatin1String("Model")) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

}  // namespace

frmAbout::frmAbout(QWidget* parent, DialogProvider* dialogs) : QDialog(parent), dialogs_(dialogs) {
    setWindowTitle(tr("About Corvane"));
    setModal(true);

    auto* title = new QLabel(QStringLiteral("Corvane"), this);
    title->setObjectName(QStringLiteral("lblTitle"));
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 2.2);
    titleFont.setBold(true);
    title->setFont(titleFont);

    auto* subtitle = new QLabel(tr("Shaft alignment calculator"), this);
    subtitle->setObjectName(QStringLiteral("lblSubtitle"));

    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QStringLiteral("lblVersion"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    auto* disclaimer = new QLabel(disclaimerText(), this);
    disclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    disclaimer->setWordWrap(true);
    disclaimer->setMinimumWidth(380);

    ok_ = new QPushButton(tr("OK"), this);
    ok_->setObjectName(QStringLiteral("cmdOK"));
    ok_->setDefault(true);
    // Enter always means OK, even while the focus rests on System Info.
    systemInfo_ = new QPushButton(tr("&System Info..."), this);
    systemInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    systemInfo_->setAutoDefault(false);
    systemInfo_->setToolTip(tr("Show information about this computer"));
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(systemInfo_, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(systemInfo_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 20, 24, 16);
    layout->setSpacing(6);
    layout->addWidget(title);
    layout->addWidget(subtitle);
    layout->addWidget(version);
    layout->addSpacing(8);
    layout->addWidget(rule);
    layout->addSpacing(8);
    layout->addWidget(disclaimer);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ok_->setFocus();
}

QString frmAbout::versionText() { return tr("Version %1").arg(QLatin1String(kVersionText)); }

QString frmAbout::disclaimerText() {
    return tr(
        "Corvane works out the foot moves from the readings and dimensions you enter. Its results are a "
        "guide to the alignment, not a guarantee of it: check your readings and dimensions, confirm "
        "every correction with a fresh set of readings, and follow your site's safety rules. You remain "
        "responsible for the machine and for the work done on it.");
}

frmAbout::SystemInfoTool frmAbout::findSystemInfoTool() {
#if defined(Q_OS_WIN)
    const QString msinfo = QStandardPaths::findExecutable(QStringLiteral("msinfo32"));
    if (!msinfo.isEmpty()) return {msinfo, {}};
#elif defined(Q_OS_MACOS)
    for (const char* app : {"/System/Applications/Utilities/System Information.app",
                            "/Applications/Utilities/System Information.app"}) {
        if (QFileInfo::exists(QString::fromUtf8(app))) {
            return {QStringLiteral("open"), {QStringLiteral("-a"), QStringLiteral("System Information")}};
        }
    }
#else
    for (const char* name : {"hardinfo", "gnome-system-monitor", "kinfocenter"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty()) return {path, {}};
    }
#endif
    return {};
}

QString frmAbout::systemSummary() {
    QString processor = QSysInfo::currentCpuArchitecture();
    const QString model = cpuModelName();
    if (!model.isEmpty()) processor += QStringLiteral(", ") + model;
    return tr("Operating system: %1\nProcessor: %2\nQt version: %3")
        .arg(QSysInfo::prettyProductName(), processor, QString::fromLatin1(qVersion()));
}

void frmAbout::cmdSysInfo_Click() {
    const SystemInfoTool tool = findSystemInfoTool();
    QString text;
    if (!tool.program.isEmpty()) {
        if (QProcess::startDetached(tool.program, tool.arguments)) return;
        // Found but would not start: say so rather than leave the click without an answer.
        text = tr("%1 could not be started.\n\n").arg(QFileInfo(tool.program).fileName());
    }
    text += systemSummary();
    if (dialogs_) {
        dialogs_->showMessage(this, text);
    } else {
        QMessageBox::information(this, tr("System Information"), text);
    }
}

}  // namespace corvane
