#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <vector>

class QLineEdit;
class QListWidget;
class QAction;

namespace corvane {

// The pages of the manual, built into the program. Pictures named "drawing:<arrangement>" are the
// program's own machine drawings, drawn when the page is shown, sharp at any zoom.
class ManualBrowser : public QTextBrowser {
    Q_OBJECT
public:
    explicit ManualBrowser(QWidget* parent = nullptr);
    QVariant loadResource(int type, const QUrl& name) override;
};

// The manual's window: the contents on the left with a search box, the page on the right, back and
// forward. One per main window, opened at a section.
class ManualWindow : public QWidget {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* mainWindow);

    // Shows the manual's window of `mainWindow` (made at the first call) at `page`, e.g.
    // "sag.html" or "mounting.html#rim-face", raised and with the keyboard in the page.
    static ManualWindow* showSection(QWidget* mainWindow, const QString& page);

    void open(const QString& page);
    ManualBrowser* browser() const { return browser_; }
    QListWidget* contents() const { return contents_; }
    QLineEdit* searchBox() const { return search_; }

    // The pages in reading order: file and title.
    struct Page {
        const char* file;
        const char* title;
    };
    static const std::vector<Page>& pages();

private:
    void search(const QString& words);
    void showContents();
    void followPage(const QUrl& url);

    ManualBrowser* browser_ = nullptr;
    QListWidget* contents_ = nullptr;
    QLineEdit* search_ = nullptr;
    QAction* back_ = nullptr;
    QAction* forward_ = nullptr;
    bool listingSearch_ = false;
};

}  // namespace corvane
