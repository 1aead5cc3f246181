#include "ui/widgets/EntryBox.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolTip>

namespace corvane {

namespace {

// A menu or another window taking the focus: the user has not moved on from the box.
bool focusPassesElsewhere(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}

}  // namespace

EntryBox::EntryBox(QLineEdit* box, std::function<void()> commit)
    : QObject(box), box_(box), commit_(std::move(commit)) {
    setObjectName(QStringLiteral("entryBox"));
    box_->installEventFilter(this);
}

EntryBox* EntryBox::attach(QLineEdit* box, std::function<void()> commit) {
    if (EntryBox* existing = of(box)) {
        existing->commit_ = std::move(commit);
        return existing;
    }
    return new EntryBox(box, std::move(commit));
}

EntryBox* EntryBox::of(const QObject* object) {
    if (!qobject_cast<const QLineEdit*>(object)) return nullptr;
    return object->findChild<EntryBox*>(QString(), Qt::FindDirectChildrenOnly);
}

void EntryBox::disableAll(QObject* window) {
    for (EntryBox* entry : window->findChildren<EntryBox*>()) entry->enabled_ = false;
}

void EntryBox::refuse(QLineEdit* box, const QString& why) {
    box->setProperty("corvaneRefusal", why);
    box->setAccessibleDescription(why);
    const QPoint below = box->mapToGlobal(QPoint(0, box->height()));
    QToolTip::showText(below, why, box, QRect(), 6000);
}

QString EntryBox::lastRefusal(const QLineEdit* box) { return box->property("corvaneRefusal").toString(); }

std::optional<float> EntryBox::takeValue(QLineEdit* box, Quantity quantity, UnitSystem units,
                                         const QString& kept) {
    const TypedValue typed = readTypedValue(box->text().toStdString(), quantity, units);
    if (typed.stored) return typed.stored;
    box->setText(kept);
    refuse(box, QString::fromStdString(typed.problem) + QStringLiteral(": the value stays ") + kept +
                    QStringLiteral("."));
    return std::nullopt;
}

void EntryBox::commitIfEdited() {
    if (enabled_) commitEdit();
}

void EntryBox::commitEdit() {
    if (!box_->isModified() || !commit_) return;
    box_->setProperty("corvaneRefusal", QVariant());
    box_->setAccessibleDescription(QString());
    commit_();
}

bool EntryBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || !enabled_) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::FocusIn:
            // Qt places the caret after the focus event on a mouse click, so the selection is
            // made just after it. Coming back from a menu or another window keeps the caret
            // where the user left it.
            if (!focusPassesElsewhere(event)) {
                QLineEdit* box = box_;
                QTimer::singleShot(0, box, [box] {
                    if (box->hasFocus()) box->selectAll();
                });
            }
            break;
        case QEvent::FocusOut:
            // Only what the user typed is stored: passing through a box, by Tab, a click, a menu
            // or another window, leaves the record exactly as it was (a rounded display is never
            // written back).
            commitEdit();
            break;
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                // One Tab keystroke: the focus moves on in the window's tab order, and leaving
                // the box commits it.
                QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
                QCoreApplication::sendEvent(box_, &tab);
                return true;
            }
            break;
        }
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

CaptionedBox makeCaptionedBox(QWidget* parent, const QString& caption, const QString& boxName,
                              std::function<void()> commit) {
    CaptionedBox made;
    made.caption = new QLabel(caption, parent);
    made.caption->setObjectName(boxName + QStringLiteral("Caption"));
    made.box = new QLineEdit(parent);
    made.box->setObjectName(boxName);
    // Read out, the box says what it holds without its trailing colon or blanks.
    QString name = caption.trimmed();
    if (name.endsWith(QLatin1Char(':'))) name.chop(1);
    made.box->setAccessibleName(name);
    made.caption->setBuddy(made.box);
    EntryBox::attach(made.box, std::move(commit));
    return made;
}

}  // namespace corvane
