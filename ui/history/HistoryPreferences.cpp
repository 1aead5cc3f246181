#include "ui/history/HistoryPreferences.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "history/HistoryLocation.h"
#include "ui/history/HistoryAccess.h"

namespace corvane {

HistoryPreferences::HistoryPreferences(const AppPaths& paths, QWidget* parent)
    : QDialog(parent), paths_(paths) {
    setWindowTitle(QStringLiteral("Preferences"));
    setObjectName(QStringLiteral("HistoryPreferences"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    database_ = new QLineEdit(historyPreference(paths), this);
    database_->setObjectName(QStringLiteral("txtHistoryDatabase"));
    database_->setPlaceholderText(QDir::toNativeSeparators(defaultHistoryFile()));
    database_->setAccessibleName(QStringLiteral("History database"));
    database_->setMinimumWidth(420);
    auto* label = new QLabel(QStringLiteral("History &database:"), this);
    label->setBuddy(database_);
    form->addRow(label, database_);
    layout->addLayout(form);
    auto* note = new QLabel(
        QStringLiteral(
            "Leave empty for the history on this computer. A plant's shared history is a URL such as "
            "postgresql://corvane@server/plant; its password goes in PostgreSQL's password file "
            "(~/.pgpass), never here. The CORVANE_HISTORY environment variable overrides this choice."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    problem_ = makeProblemLabel(this);
    layout->addWidget(problem_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

void HistoryPreferences::accept() {
    const QString text = database_->text().trimmed();
    QString error;
    if (!text.isEmpty() && !parseHistoryLocation(text, &error)) {
        problem_->setText(QStringLiteral("Not saved: ") + error + QLatin1Char('.'));
        problem_->setVisible(true);
        database_->setFocus();
        return;
    }
    setHistoryPreference(paths_, text);
    QDialog::accept();
}

}  // namespace corvane
