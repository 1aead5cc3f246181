#pragma once

#include <QDialog>

#include "project/AppState.h"

class QLabel;
class QLineEdit;

namespace corvane {

// Edit > Preferences: where the machine history lives. Empty is the file in the user's data folder;
// a path or a postgresql:// URL names another. A URL with a password is refused with the reason.
class HistoryPreferences : public QDialog {
    Q_OBJECT
public:
    HistoryPreferences(const AppPaths& paths, QWidget* parent = nullptr);
    void accept() override;

private:
    friend class HistoryPreferencesTestAdapter;

    const AppPaths& paths_;
    QLineEdit* database_ = nullptr;
    QLabel* problem_ = nullptr;
};

}  // namespace corvane
