#include "ui/help/ManualWindow.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QSplitter>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "report/MachineSketch.h"

// The pages are a resource of this library; a static library's resources are registered by hand.
static void registerManualPages() { Q_INIT_RESOURCE(manual); }

namespace corvane {

namespace {

constexpr const char* kRoot = "qrc:/manual/";

std::optional<MachineKind> drawingNamed(const QString& name) {
    if (name == QLatin1String("reverse-dial")) return MachineKind::ReverseDial;
    if (name == QLatin1String("rim-face-fixed")) return MachineKind::RimFaceFixed;
    if (name == QLatin1String("rim-face-moveable")) return MachineKind::RimFaceMoveable;
    if (name == QLatin1String("jack-shaft")) return MachineKind::JackShaft;
    return std::nullopt;
}

QString pageText(const QString& file) {
    QFile f(QStringLiteral(":/manual/") + file);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QTextDocument doc;
    doc.setHtml(QString::fromUtf8(f.readAll()));
    return doc.toPlainText();
}

}  // namespace

ManualBrowser::ManualBrowser(QWidget* parent) : QTextBrowser(parent) {
    setObjectName(QStringLiteral("manualPage"));
    setAccessibleName(QStringLiteral("Manual page"));
    setOpenExternalLinks(false);
}

QVariant ManualBrowser::loadResource(int type, const QUrl& name) {
    if (type == QTextDocument::ImageResource && name.scheme() == QLatin1String("drawing")) {
        const auto kind = drawingNamed(name.path());
        if (!kind) return {};
        // Drawn at twice its size for the screen's pixel ratio: sharp at 100 % and at 200 %.
        const qreal ratio = std::max<qreal>(2, devicePixelRatioF() * 2);
        QImage image(QSize(MachineSketch::kWidth, MachineSketch::kHeight) * ratio, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        MachineSketch::Options options;
        options.labels = true;
        MachineSketch::paint(p, *kind, QRectF(QPointF(0, 0), QSizeF(image.size())), options);
        // The length letters, which the main window sets over the drawing as captions of its own.
        p.scale(ratio, ratio);
        QFont letters = font();
        letters.setPixelSize(10);
        letters.setBold(true);
        p.setFont(letters);
        p.setPen(Qt::black);
        const std::vector<int> gaps = MachineSketch::gapCentres(*kind);
        for (std::size_t i = 0; i < gaps.size(); ++i)
            p.drawText(QRectF(gaps[i] - 8, MachineSketch::kDimensionY - 7, 16, 14), Qt::AlignCenter,
                       QString(QChar('A' + static_cast<int>(i))));
        p.end();
        image.setDevicePixelRatio(ratio / 1.0);
        return image;
    }
    return QTextBrowser::loadResource(type, name);
}

const std::vector<ManualWindow::Page>& ManualWindow::pages() {
    static const std::vector<Page> list = {
        {"index.html", "Contents"},
        {"before.html", "Before you start"},
        {"mounting.html", "Mounting and zeroing the dials"},
        {"readings.html", "Taking readings"},
        {"sag.html", "Measuring bar sag"},
        {"results.html", "What the results mean"},
        {"tolerances.html", "Tolerances and the verdict"},
        {"growth.html", "Thermal growth"},
        {"alternatives.html", "Move alternatives"},
        {"feet.html", "The foot ledger"},
        {"report.html", "The report"},
        {"cli.html", "The command line"},
        {"examples.html", "Worked examples"},
    };
    return list;
}

ManualWindow::ManualWindow(QWidget* mainWindow) : QWidget(mainWindow, Qt::Window) {
    registerManualPages();
    setObjectName(QStringLiteral("frmManual"));
    setWindowTitle(QStringLiteral("Corvane Manual"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("manualTools"));
    back_ = bar->addAction(QStringLiteral("Back"));
    back_->setObjectName(QStringLiteral("manualBack"));
    back_->setShortcut(QKeySequence::Back);
    back_->setToolTip(QStringLiteral("Back (Alt+Left)"));
    forward_ = bar->addAction(QStringLiteral("Forward"));
    forward_->setObjectName(QStringLiteral("manualForward"));
    forward_->setShortcut(QKeySequence::Forward);
    forward_->setToolTip(QStringLiteral("Forward (Alt+Right)"));
    QAction* home = bar->addAction(QStringLiteral("Contents"));
    home->setObjectName(QStringLiteral("manualHome"));
    // Larger print for a laptop held at arm's length; the pictures are drawn sharp enough for it.
    QAction* larger = bar->addAction(QStringLiteral("Larger"));
    larger->setObjectName(QStringLiteral("manualLarger"));
    larger->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    QAction* smaller = bar->addAction(QStringLiteral("Smaller"));
    smaller->setObjectName(QStringLiteral("manualSmaller"));
    smaller->setShortcut(QKeySequence::ZoomOut);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* searchCaption = new QLabel(QStringLiteral("&Search:"), this);
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("manualSearch"));
    search_->setAccessibleName(QStringLiteral("Search the manual"));
    search_->setPlaceholderText(QStringLiteral("words to find"));
    search_->setClearButtonEnabled(true);
    searchCaption->setBuddy(search_);
    contents_ = new QListWidget(this);
    contents_->setObjectName(QStringLiteral("manualContents"));
    contents_->setAccessibleName(QStringLiteral("Contents"));
    browser_ = new ManualBrowser(this);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchCaption);
    searchRow->addWidget(search_);
    leftLayout->addLayout(searchRow);
    leftLayout->addWidget(contents_);
    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(browser_);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 560});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 4);
    layout->addWidget(bar);
    layout->addWidget(split);
    setTabOrder(search_, contents_);
    setTabOrder(contents_, browser_);
    resize(800, 600);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, [this] {
        search_->clear();
        open(QStringLiteral("index.html"));
    });
    connect(larger, &QAction::triggered, this, [this] { browser_->zoomIn(2); });
    connect(smaller, &QAction::triggered, this, [this] { browser_->zoomOut(2); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &ManualWindow::followPage);
    connect(search_, &QLineEdit::textChanged, this, &ManualWindow::search);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (contents_->count() > 0) {
            contents_->setCurrentRow(0);
            contents_->setFocus();
        }
    });
    // A page is opened by choosing it in the list: a click, or Enter on the keyboard.
    connect(contents_, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        open(item->data(Qt::UserRole).toString());
        // A search leaves the words marked in the page and the keyboard there, to read on.
        if (!search_->text().trimmed().isEmpty()) browser_->find(search_->text().trimmed());
    });
    connect(contents_, &QListWidget::itemClicked, contents_, &QListWidget::itemActivated);
    showContents();
}

ManualWindow* ManualWindow::showSection(QWidget* mainWindow, const QString& page) {
    auto* window =
        mainWindow->findChild<ManualWindow*>(QStringLiteral("frmManual"), Qt::FindDirectChildrenOnly);
    if (!window) window = new ManualWindow(mainWindow);
    window->open(page);
    window->show();
    window->raise();
    window->activateWindow();
    window->browser_->setFocus();
    return window;
}

void ManualWindow::open(const QString& page) {
    const QUrl url(QLatin1String(kRoot) + page);
    if (browser_->source() == url)
        browser_->reload();
    else
        browser_->setSource(url);
}

void ManualWindow::showContents() {
    listingSearch_ = false;
    contents_->clear();
    for (const Page& p : pages()) {
        auto* item = new QListWidgetItem(QLatin1String(p.title), contents_);
        item->setData(Qt::UserRole, QLatin1String(p.file));
    }
}

void ManualWindow::search(const QString& words) {
    const QStringList wanted = words.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (wanted.isEmpty()) {
        showContents();
        return;
    }
    listingSearch_ = true;
    contents_->clear();
    for (const Page& p : pages()) {
        const QString text = pageText(QLatin1String(p.file));
        const bool all = std::all_of(wanted.begin(), wanted.end(), [&text](const QString& w) {
            return text.contains(w, Qt::CaseInsensitive);
        });
        if (!all) continue;
        auto* item = new QListWidgetItem(QLatin1String(p.title), contents_);
        item->setData(Qt::UserRole, QLatin1String(p.file));
    }
    if (contents_->count() == 0) {
        auto* none = new QListWidgetItem(QStringLiteral("Nothing found"), contents_);
        none->setFlags(Qt::NoItemFlags);
    }
}

// The contents list follows the page shown, whichever way it was reached.
void ManualWindow::followPage(const QUrl& url) {
    const QString file = url.fileName();
    for (int i = 0; i < contents_->count(); ++i) {
        if (contents_->item(i)->data(Qt::UserRole).toString() == file) {
            const QSignalBlocker quiet(contents_);
            contents_->setCurrentRow(i);
            return;
        }
    }
}

}  // namespace corvane
