// The desktop program: one project state, the real dialogs, and the main window.

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include "project/AppState.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/DialogProvider.h"

namespace {

// The settings file and the default project live beside the program when that folder can be
// written (a copy on a USB stick keeps its projects with it), else in the user's data folder.
QString programFolder() {
    const QString exeFolder = QCoreApplication::applicationDirPath();
    if (QFileInfo(exeFolder).isWritable()) {
        QFile probe(QDir(exeFolder).filePath(QStringLiteral(".corvane-write-test")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            return exeFolder;
        }
    }
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(data);
    return data;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Corvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.5.6"));

    corvane::AppState state;
    state.Paths.programFolder = QDir::toNativeSeparators(programFolder()).toStdString();
    // Recovery copies are the user's own, wherever the program itself lives.
    state.Paths.recoveryFolder = QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                                     .filePath(QStringLiteral("recovery"))
                                     .toStdString();

    // The program takes no options. "--no-about" exists only for automated screenshots and
    // accessibility checks, which cannot click the about window away; it is not documented to users.
    const bool showAbout = !QCoreApplication::arguments().contains(QStringLiteral("--no-about"));

    corvane::QtDialogProvider dialogs;
    corvane::frmDials window(state, dialogs);
    window.formLoad(showAbout);
    window.show();
    // Asked over the window, so that the user sees which program is asking and what it shows.
    window.offerRecovery();
    return app.exec();
}
