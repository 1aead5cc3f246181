#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QLabel;
class QPushButton;

namespace corvane {

class DialogProvider;

// The about window: title, version and the disclaimer, shown modally at start-up and from
// Help > "About...". "System Info..." starts the operating system's information tool when one is
// installed, and otherwise shows the essentials in a message.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // When dialogs is given, the system summary is shown through it (tests script it); otherwise
    // through a plain message box.
    explicit frmAbout(QWidget* parent = nullptr, DialogProvider* dialogs = nullptr);

    static QString versionText();  // "Version 1.5.6"
    static QString disclaimerText();

    // The system's information tool as a program and its arguments; empty program when none is found.
    struct SystemInfoTool {
        QString program;
        QStringList arguments;
    };
    static SystemInfoTool findSystemInfoTool();
    // Operating system, processor and Qt version, one per line.
    static QString systemSummary();

    QPushButton* okButton() const { return ok_; }
    QPushButton* systemInfoButton() const { return systemInfo_; }

public slots:
    void cmdSysInfo_Click();

private:
    DialogProvider* dialogs_;
    QPushButton* ok_ = nullptr;
    QPushButton* systemInfo_ = nullptr;
};

}  // namespace corvane
