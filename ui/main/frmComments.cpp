#include "ui/main/frmComments.h"

#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "project/AppState.h"

namespace corvane {

frmComments::frmComments(AppState& state, QWidget* mainWindow)
    : QDialog(mainWindow), state_(state), mainWindow_(mainWindow) {
    setObjectName(QStringLiteral("frmComments"));
    setWindowTitle(QStringLiteral("Comments"));
    setModal(true);

    txtComments = new QPlainTextEdit(this);
    txtComments->setObjectName(QStringLiteral("txtComments"));
    txtComments->setAccessibleName(QStringLiteral("Comments"));
    txtComments->setPlainText(QStringLiteral("Add your comments here."));
    if (!state_.Project.Comments.empty()) {
        QString text = QString::fromStdString(state_.Project.Comments);
        txtComments->setPlainText(text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    }
    // Tab moves on to the button instead of typing a tab into the comments.
    txtComments->setTabChangesFocus(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtComments);
    layout->addWidget(buttons);
    resize(420, 300);
}

void frmComments::storeComments() {
    // Project files keep line breaks as CR LF, as the program has always written them.
    QString text = txtComments->toPlainText();
    state_.Project.Comments = text.replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
    state_.Changed = true;
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
