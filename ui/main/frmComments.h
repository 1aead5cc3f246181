#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QPlainTextEdit;

namespace corvane {

struct AppState;

// Free comments on the job, kept with the project. The project file holds a limited number of
// characters: the window says how many are used, refuses an edit that would go past the limit
// (saying so), and names characters the file cannot hold, so that no text is lost unseen.
class frmComments : public QDialog {
    Q_OBJECT
public:
    frmComments(AppState& state, QWidget* mainWindow);

    // Whether the user changed the text since the window opened.
    bool edited() const;
    // Closing the window after an edit: the text goes into the project, which counts as changed.
    void storeComments();

    QPlainTextEdit* txtComments = nullptr;
    QLabel* lblRoom = nullptr;     // characters used of those the file holds
    QLabel* lblWarning = nullptr;  // an edit refused, or characters that would be lost

protected:
    void showEvent(QShowEvent* event) override;

private:
    void textEdited();
    // The text as the project stores it: line breaks as CR LF, or as bare LF when it came so.
    std::string storedText() const;

    AppState& state_;
    QWidget* mainWindow_;
    // The last text that fits, and where its caret stood: an edit past the limit goes back to it.
    QString accepted_;
    int acceptedCursor_ = 0;
    bool edited_ = false;
    QString lineBreak_;
};

}  // namespace corvane
