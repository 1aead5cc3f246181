#include "ui/main/frmComments.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

#include "project/AppState.h"
#include "project/Cp1252.h"

namespace corvane {

namespace {

const QString kWarningSign = QStringLiteral("\u26A0 ");

}  // namespace

frmComments::frmComments(AppState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Comments"));
    setModal(true);

    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setAccessibleName(QStringLiteral("Comments"));
    txtComments->setPlainText(QStringLiteral("Add your comments here."));
    // Comments written elsewhere may break lines with a bare LF: they are counted and kept as they
    // are stored, so that a text near the limit stays editable.
    const std::string& stored = state_.Project.Comments;
    lineBreak_ = stored.find('\n') != std::string::npos && stored.find("\r\n") == std::string::npos
                     ? QStringLiteral("\n")
                     : QStringLiteral("\r\n");
    if (!state_.Project.Comments.empty()) {
        QString text = QString::fromStdString(state_.Project.Comments);
        txtComments->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    // Tab moves on to the button instead of typing a tab into the comments.
    txtComments->setTabChangesFocus(true);
    accepted_ = txtComments->toPlainText();

    lblRoom = new QLabel(this);
    lblRoom->setObjectName(QStringLiteral("lblRoom"));
    lblWarning = new QLabel(this);
    lblWarning->setObjectName(QStringLiteral("lblWarning"));
    lblWarning->setWordWrap(true);
    lblWarning->setStyleSheet(QStringLiteral("color: #a05a00;"));
    lblWarning->hide();
    connect(txtComments, &QPlainTextEdit::textChanged, this, &frmComments::textEdited);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtComments);
    layout->addWidget(lblRoom);
    layout->addWidget(lblWarning);
    layout->addWidget(buttons);
    resize(420, 300);
    textEdited();
}

std::string frmComments::storedText() const {
    // Project files keep line breaks as CR LF, as the program has always written them, unless the
    // comments came with bare LF breaks.
    QString text = txtComments->toPlainText();
    if (lineBreak_ == QStringLiteral("\n")) return text.toStdString();
    return text.replace(QStringLiteral("\n"), lineBreak_).toStdString();
}

void frmComments::textEdited() {
    const std::string stored = storedText();
    const std::size_t used = utf8ToCp1252(stored).size();
    if (used > kMaxTextBytes) {
        // Typed or pasted past what the file holds: the edit is taken back whole and the user is
        // told, rather than the text being cut somewhere unseen when the project is saved.
        const QSignalBlocker block(txtComments);
        txtComments->setPlainText(accepted_);
        QTextCursor cursor = txtComments->textCursor();
        cursor.setPosition(std::min(acceptedCursor_, static_cast<int>(accepted_.size())));
        txtComments->setTextCursor(cursor);
        lblWarning->setText(
            kWarningSign +
            QStringLiteral("That would not fit: a project keeps at most %1 characters of "
                           "comments%2. The edit was not made.")
                .arg(kMaxTextBytes)
                .arg(lineBreak_.size() == 2 ? QStringLiteral(" (a line break counts as two)") : QString()));
        lblWarning->show();
        return;
    }
    if (accepted_ != txtComments->toPlainText()) edited_ = true;
    accepted_ = txtComments->toPlainText();
    acceptedCursor_ = txtComments->textCursor().position();
    lblRoom->setText(QStringLiteral("%1 of %2 characters used").arg(used).arg(kMaxTextBytes));
    const std::string lacking = charactersCp1252Lacks(stored);
    if (lacking.empty()) {
        lblWarning->hide();
    } else {
        lblWarning->setText(kWarningSign +
                            QStringLiteral("A project file cannot hold %1; saved, each becomes \"?\".")
                                .arg(QString::fromStdString(lacking)));
        lblWarning->show();
    }
    lblWarning->setAccessibleName(lblWarning->text());
}

bool frmComments::edited() const { return edited_; }

void frmComments::storeComments() {
    state_.Project.Comments = storedText();
    state_.Session.noteEdit(state_.Project);
}

void frmComments::showEvent(QShowEvent* event) {
    // Centred on the main window, wherever the user has moved it.
    if (mainWindow_) {
        const QRect main = mainWindow_->frameGeometry();
        move(main.center().x() - width() / 2, main.center().y() - height() / 2);
    }
    txtComments->setFocus();
    // The prompt text is selected so that the first key replaces it.
    if (state_.Project.Comments.empty()) txtComments->selectAll();
    QDialog::showEvent(event);
}

}  // namespace corvane
