#pragma once

#include <QObject>
#include <functional>

class QLineEdit;

namespace corvane {

// How every value box of the program behaves at the keyboard, so that a technician wearing gloves
// can walk a window with Enter alone:
//  - getting the focus selects the whole text, so that typing replaces the value;
//  - Enter walks on to the next control as Tab does, and the Enter key goes no further;
//  - leaving the box commits it: the commit callback stores the text and shows it back formatted.
// The focus passing to a menu or to another window is not leaving the box: the box is committed
// then only when its text was edited, so that a command started from the menu sees what was typed
// and an untouched value is not stored again. A box hidden from its window (a method that does not
// use it) and not edited holds nothing to store.
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
    // Stops the behaviour of every box in `window` for good: a window being torn down must not
    // run its handlers when its boxes lose the focus on the way out.
    static void disableAll(QObject* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EntryBox(QLineEdit* box, std::function<void()> commit);

    QLineEdit* box_;
    std::function<void()> commit_;
    bool enabled_ = true;
};

}  // namespace corvane
