#pragma once

#include <QDialog>

class QPlainTextEdit;

namespace corvane {

struct AppState;

// Free comments on the job, kept with the project.
class frmComments : public QDialog {
    Q_OBJECT
public:
    frmComments(AppState& state, QWidget* mainWindow);

    // Closing the window: the text goes into the project, which counts as changed.
    void storeComments();

    QPlainTextEdit* txtComments = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    AppState& state_;
    QWidget* mainWindow_;
};

}  // namespace corvane
