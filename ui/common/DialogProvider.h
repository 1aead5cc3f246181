#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "project/ProjectCommands.h"

class QWidget;
class QDialog;
class QPrinter;

namespace corvane {

// Everything that stops and waits for a person: message boxes, file and print dialogs, and the
// modal auxiliary windows. The program uses QtDialogProvider; widget tests hand in a scripted
// provider, so that no test ever blocks on a dialog.
class DialogProvider {
public:
    virtual ~DialogProvider() = default;

    // Message with an OK button only; the caption is the program's title.
    virtual void showMessage(QWidget* parent, const QString& text) = 0;
    // Yes/No question; true on Yes. The default button (Enter) is the answer that loses nothing.
    enum class Default { Yes, No };
    virtual bool askYesNo(QWidget* parent, const QString& text, Default defaultAnswer = Default::Yes) = 0;
    // The save prompt: Save / Don't Save / Cancel, Save the default and Escape cancelling.
    virtual SaveAnswer askToSave(QWidget* parent, const QString& text) = 0;
    // File dialogs; nullopt on cancel. The filter is given as the program writes it
    // ("Corvane Files (*.qdl)| *.qdl") and shown as the toolkit shows filters.
    virtual std::optional<QString> chooseOpenFile(QWidget* parent, const QString& folder,
                                                  const QString& filter) = 0;
    virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& folder,
                                                  const QString& filter) = 0;
    // The print dialog: sets the printer (copies, destination); false on cancel.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
    // The save dialog of a report (PDF), opened on `proposedPath`; asks before replacing a file;
    // nullopt on cancel.
    virtual std::optional<QString> chooseReportFile(QWidget* parent, const QString& proposedPath) = 0;
    // The print preview: shows the pages `paint` draws on the printer and prints them, through the
    // printer dialog, when the user asks.
    virtual void previewReport(QWidget* parent, QPrinter& printer,
                               const std::function<void(QPrinter&)>& paint) = 0;
    // Shows an auxiliary window modally and returns when it has closed.
    virtual int runModal(QDialog& dialog) = 0;
    // The present date and time as an OLE date.
    virtual double currentDate();
    // Overwrite / Save As / Cancel, before a save over a file that changed on disk. Unanswered: Cancel.
    virtual OverwriteAnswer askOverwrite(QWidget* parent, const QString& text);
};

// The real dialogs.
class QtDialogProvider : public DialogProvider {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool askYesNo(QWidget* parent, const QString& text, Default defaultAnswer = Default::Yes) override;
    SaveAnswer askToSave(QWidget* parent, const QString& text) override;
    OverwriteAnswer askOverwrite(QWidget* parent, const QString& text) override;
    std::optional<QString> chooseOpenFile(QWidget* parent, const QString& folder,
                                          const QString& filter) override;
    std::optional<QString> chooseSaveFile(QWidget* parent, const QString& folder,
                                          const QString& filter) override;
    bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
    std::optional<QString> chooseReportFile(QWidget* parent, const QString& proposedPath) override;
    void previewReport(QWidget* parent, QPrinter& printer,
                       const std::function<void(QPrinter&)>& paint) override;
    int runModal(QDialog& dialog) override;
};

// The program's title, the caption of every message box.
inline const char* const kProgramTitle = "Corvane";

}  // namespace corvane
