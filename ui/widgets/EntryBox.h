#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "calc/format/Units.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace corvane {

// How every value box of the program behaves at the keyboard, so that a technician wearing gloves
// can walk a window with Enter alone:
//  - getting the focus selects the whole text, so that typing replaces the value;
//  - Enter walks on to the next control as Tab does, and the Enter key goes no further;
//  - leaving the box commits it when its text was edited: the commit callback stores the text and
//    shows it back formatted. A box merely passed through stores nothing, so navigation never
//    changes the job (a value shown rounded is not written back rounded).
// A text that cannot be stored is refused: the callback puts the stored value back and calls
// refuse(), which tells the user why next to the box.
class EntryBox : public QObject {
    Q_OBJECT
public:
    // Installs the behaviour on `box`; the returned object belongs to the box.
    static EntryBox* attach(QLineEdit* box, std::function<void()> commit);
    // The behaviour installed on `object`, or nullptr when it is not such a box.
    static EntryBox* of(const QObject* object);

    QLineEdit* box() const { return box_; }
    // Runs the commit callback when the text was edited since it was last set, as a window does
    // before a command that reads the record (save, print, closing).
    void commitIfEdited();
    // Shows why a typed text was not taken, beside `box`, for a few seconds; a screen reader hears
    // it as the box's description until the box is next committed.
    static void refuse(QLineEdit* box, const QString& why);
    // The last refusal shown (tests, and the accessible description).
    static QString lastRefusal(const QLineEdit* box);
    // The Single to store for what was typed into `box`, read in `units`. When the text cannot be
    // stored (no number, too large), the box shows `kept` again, the user is told why, and there
    // is nothing to store.
    static std::optional<float> takeValue(QLineEdit* box, Quantity quantity, UnitSystem units,
                                          const QString& kept);
    // Stops the behaviour of every box in `window` for good: a window being torn down must not
    // run its handlers when its boxes lose the focus on the way out.
    static void disableAll(QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryBox(QLineEdit* box, std::function<void()> commit);
    void commitEdit();

    QLineEdit* box_;
    std::function<void()> commit_;
    bool enabled_ = true;
};

// A value box with its caption: the caption is the box's buddy (Alt+its letter reaches the box) and
// its accessible name, and the box has the entry-box behaviour with `commit` as its commit.
struct CaptionedBox {
    QLabel* caption = nullptr;
    QLineEdit* box = nullptr;
};
CaptionedBox makeCaptionedBox(QWidget* parent, const QString& caption, const QString& boxName,
                              std::function<void()> commit);

}  // namespace corvane
