#include "ui/main/MainMenus.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QWhatsThis>

#include "ui/common/WindowZoom.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/print/ReportActions.h"

namespace corvane {

using namespace mainlayout;

namespace {

// Whether a key press of Ctrl+Z or Ctrl+Shift+Z in `box` is the box's own: only while the box has
// an edit of its own to take back or bring again. Otherwise the keys undo the job's last change,
// wherever the technician is; a box that swallowed them would make undo look broken.
bool boxTakesUndoKey(const QLineEdit* box, const QKeyEvent* key) {
    if (key->matches(QKeySequence::Undo)) return box->isUndoAvailable() && !box->isReadOnly();
    const bool redo = key->matches(QKeySequence::Redo) ||
                      QKeySequence(key->keyCombination()) == QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    if (redo) return box->isRedoAvailable() && !box->isReadOnly();
    return true;
}

class UndoKeyRouter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* box = qobject_cast<QLineEdit*>(watched);
            if (box && !boxTakesUndoKey(box, static_cast<QKeyEvent*>(event))) {
                // Not taken by the box: the Edit menu's shortcut runs.
                event->ignore();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void MainMenus::routeUndoKeys(QWidget* window) {
    auto* router = new UndoKeyRouter(window);
    for (QLineEdit* box : window->findChildren<QLineEdit*>()) box->installEventFilter(router);
}

MainMenus::MainMenus(const MainPanelContext& context, DialogProvider& dialogs)
    : context_(context), ui_(context.ui), dialogs_(dialogs) {}

void MainMenus::buildButtons() {
    constexpr int kButton = kWindowButton;
    QWidget* central = context_.canvas;
    DesignLayout& layout = context_.layout;
    frmDials* window = &context_.window;
    ui_.cmdComments =
        pictureButton(commentsIcon(), QStringLiteral("Add Comments"), central, "cmdComments", kButton);
    ui_.cmdGrowth = pictureButton(thermometerIcon(), QStringLiteral("Thermal Growth Calcs"), central,
                                  "cmdGrowth", kButton);
    ui_.cmdTolerances = pictureButton(toleranceIcon(), QStringLiteral("Alignment Tolerance Calcs"), central,
                                      "cmdTolerances", kButton);
    layout.place(ui_.cmdComments, kComments);
    layout.place(ui_.cmdGrowth, kGrowthButton);
    layout.place(ui_.cmdTolerances, kTolerancesButton);
    QObject::connect(ui_.cmdComments, &QPushButton::clicked, window, &frmDials::cmdComments_Click);
    QObject::connect(ui_.cmdGrowth, &QPushButton::clicked, window, &frmDials::cmdGrowth_Click);
    QObject::connect(ui_.cmdTolerances, &QPushButton::clicked, window, &frmDials::cmdTolerances_Click);

    ui_.cmdReset = new QPushButton(QStringLiteral("Reset Values"), central);
    ui_.cmdReset->setObjectName(QStringLiteral("cmdReset"));
    ui_.cmdReset->setToolTip(QStringLiteral("Reset ALL data values to 0"));
    layout.place(ui_.cmdReset, kReset);
    QObject::connect(ui_.cmdReset, &QPushButton::clicked, window, &frmDials::cmdReset_Click);
}

void MainMenus::buildMenus() {
    frmDials* window = &context_.window;
    QMenuBar* bar = window->menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    ui_.mnuFileNew = file->addAction(QStringLiteral("&New File..."), window, &frmDials::mnuFileNew_Click);
    ui_.mnuFileNew->setShortcut(QKeySequence::New);
    ui_.mnuFileOpen = file->addAction(QStringLiteral("&Open File..."), window, &frmDials::mnuFileOpen_Click);
    ui_.mnuFileOpen->setShortcut(QKeySequence::Open);
    file->addSeparator();
    ui_.mnuFileSaveAs =
        file->addAction(QStringLiteral("Save &As..."), window, &frmDials::mnuFileSaveAs_Click);
    ui_.mnuFileSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ui_.mnuFileSave = file->addAction(QStringLiteral("&Save"), window, &frmDials::mnuFileSave_Click);
    ui_.mnuFileSave->setShortcut(QKeySequence::Save);
    file->addSeparator();
    ui_.mnuFilePrint = file->addAction(QStringLiteral("&Print..."), window, &frmDials::mnuFilePrint_Click);
    ui_.mnuFilePrint->setShortcut(QKeySequence::Print);
    ui_.mnuFileExportReport = file->addAction(QStringLiteral("&Export Report..."), window, [this, window] {
        window->commitFocusedBox();
        exportReport(window, context_.state, window->currentOptions(), dialogs_);
    });
    ui_.mnuFileExportReport->setObjectName(QStringLiteral("mnuFileExportReport"));
    ui_.mnuFilePrintReport = file->addAction(QStringLiteral("Print &Report..."), window, [this, window] {
        window->commitFocusedBox();
        printReport(window, context_.state, window->currentOptions(), dialogs_);
    });
    ui_.mnuFilePrintReport->setObjectName(QStringLiteral("mnuFilePrintReport"));
    file->addSeparator();
    for (int i = 0; i < kRecentFileCount; ++i) {
        ui_.mnuFileMRU[i] = file->addAction(QString(), window, [window, i] { window->mnuFileMRU_Click(i); });
        ui_.mnuFileMRU[i]->setObjectName(indexedName("mnuFileMRU", i));
        ui_.mnuFileMRU[i]->setVisible(false);
    }
    file->addSeparator();
    ui_.mnuExit = file->addAction(QStringLiteral("E&xit"), window, &frmDials::mnuExit_Click);

    QMenu* tools = bar->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("mnuTools"));
    ui_.mnuGrowth =
        tools->addAction(QStringLiteral("&Thermal Growth..."), window, &frmDials::cmdGrowth_Click);
    ui_.mnuTolerance =
        tools->addAction(QStringLiteral("T&olerance..."), window, &frmDials::cmdTolerances_Click);
    ui_.mnuMoves =
        tools->addAction(QStringLiteral("&Move Alternatives..."), window, &frmDials::cmdMoves_Click);
    ui_.mnuFeet = tools->addAction(QStringLiteral("&Feet..."), window, &frmDials::cmdFeet_Click);

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    ui_.mnuAbout = help->addAction(QStringLiteral("&About..."), window, &frmDials::mnuAbout_Click);

    const std::pair<QAction*, const char*> names[] = {{ui_.mnuFileNew, "mnuFileNew"},
                                                      {ui_.mnuFileOpen, "mnuFileOpen"},
                                                      {ui_.mnuFileSaveAs, "mnuFileSaveAs"},
                                                      {ui_.mnuFileSave, "mnuFileSave"},
                                                      {ui_.mnuFilePrint, "mnuFilePrint"},
                                                      {ui_.mnuExit, "mnuExit"},
                                                      {ui_.mnuGrowth, "mnuGrowth"},
                                                      {ui_.mnuTolerance, "mnuTolerance"},
                                                      {ui_.mnuMoves, "mnuMoves"},
                                                      {ui_.mnuFeet, "mnuFeet"},
                                                      {ui_.mnuAbout, "mnuAbout"}};
    for (const auto& [action, name] : names) action->setObjectName(QLatin1String(name));

    QMenu* edit = new QMenu(QStringLiteral("&Edit"), window);
    edit->setObjectName(QStringLiteral("mnuEdit"));
    ui_.mnuEditUndo = new QAction(QStringLiteral("Undo"), window);
    ui_.mnuEditUndo->setObjectName(QStringLiteral("mnuEditUndo"));
    ui_.mnuEditUndo->setShortcut(QKeySequence::Undo);
    ui_.mnuEditRedo = new QAction(QStringLiteral("Redo"), window);
    ui_.mnuEditRedo->setObjectName(QStringLiteral("mnuEditRedo"));
    // Ctrl+Shift+Z everywhere, and the platform's own redo keys; a key listed twice would make the
    // shortcut ambiguous, and an ambiguous shortcut does nothing.
    QList<QKeySequence> redoKeys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Redo))
        if (!redoKeys.contains(key)) redoKeys << key;
    ui_.mnuEditRedo->setShortcuts(redoKeys);
    QObject::connect(ui_.mnuEditUndo, &QAction::triggered, window, &frmDials::undoEdit);
    QObject::connect(ui_.mnuEditRedo, &QAction::triggered, window, &frmDials::redoEdit);
    edit->addAction(ui_.mnuEditUndo);
    edit->addAction(ui_.mnuEditRedo);
    // Between File and Tools, where every desktop program has it.
    const QList<QAction*> menus = bar->actions();
    bar->insertMenu(menus.size() > 1 ? menus[1] : nullptr, edit);
    buildHelpMenu();
}

void MainMenus::buildViewMenu(WindowZoom& zoom) {
    QMenu* view = new QMenu(QStringLiteral("&View"), &context_.window);
    view->setObjectName(QStringLiteral("mnuView"));
    ui_.mnuViewZoomIn =
        view->addAction(QStringLiteral("Zoom &In"), &context_.window, [&zoom] { zoom.zoomBy(+1); });
    ui_.mnuViewZoomIn->setShortcuts({QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    ui_.mnuViewZoomOut =
        view->addAction(QStringLiteral("Zoom &Out"), &context_.window, [&zoom] { zoom.zoomBy(-1); });
    ui_.mnuViewZoomOut->setShortcut(QKeySequence::ZoomOut);
    ui_.mnuViewActualSize =
        view->addAction(QStringLiteral("&Actual Size"), &context_.window, [&zoom] { zoom.zoomTo(1.0); });
    ui_.mnuViewActualSize->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    ui_.mnuViewZoomIn->setObjectName(QStringLiteral("mnuViewZoomIn"));
    ui_.mnuViewZoomOut->setObjectName(QStringLiteral("mnuViewZoomOut"));
    ui_.mnuViewActualSize->setObjectName(QStringLiteral("mnuViewActualSize"));
    // Before Tools, after Edit.
    const QList<QAction*> menus = context_.window.menuBar()->actions();
    context_.window.menuBar()->insertMenu(menus.size() > 2 ? menus[2] : nullptr, view);
}

void MainMenus::buildHelpMenu() {
    // Help: the manual first, the worked examples, What's This, then About.
    frmDials* window = &context_.window;
    QMenu* help = window->menuBar()->findChild<QMenu*>(QStringLiteral("mnuHelp"));
    QAction* about = ui_.mnuAbout;
    ui_.mnuHelpContents = new QAction(QStringLiteral("&Contents"), window);
    ui_.mnuHelpContents->setObjectName(QStringLiteral("mnuHelpContents"));
    ui_.mnuHelpContents->setShortcut(QKeySequence::HelpContents);
    QObject::connect(ui_.mnuHelpContents, &QAction::triggered, window, &frmDials::mnuHelpContents_Click);
    help->insertAction(about, ui_.mnuHelpContents);
    QMenu* examples = new QMenu(QStringLiteral("&Worked Examples"), help);
    examples->setObjectName(QStringLiteral("mnuExamples"));
    const char* const names[3] = {"&Reverse Dial", "Rim and &Face", "&Jack Shaft"};
    for (int m = 0; m < 3; ++m) {
        ui_.mnuExample[static_cast<std::size_t>(m)] = examples->addAction(
            QLatin1String(names[m]), window, [window, m] { window->mnuExample_Click(m); });
        ui_.mnuExample[static_cast<std::size_t>(m)]->setObjectName(QStringLiteral("mnuExample%1").arg(m));
    }
    help->insertMenu(about, examples);
    ui_.mnuWhatsThis = QWhatsThis::createAction(window);
    ui_.mnuWhatsThis->setObjectName(QStringLiteral("mnuWhatsThis"));
    help->insertAction(about, ui_.mnuWhatsThis);
    help->insertSeparator(about);
    window->setWindowFlag(Qt::WindowContextHelpButtonHint);
}

void MainMenus::setRecentFileCaptions(const std::array<std::string, kRecentFileCount>& captions) {
    for (int i = 0; i < kRecentFileCount; ++i) {
        QString caption = QString::fromStdString(captions[i]);
        // A path is shown as it is: an ampersand in it is not a keyboard mnemonic.
        ui_.mnuFileMRU[i]->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
        ui_.mnuFileMRU[i]->setVisible(!captions[i].empty());
    }
}

void MainMenus::showEditState(const JobSession& session) {
    const auto caption = [](const char* verb, const std::string& what) {
        return what.empty() ? QLatin1String(verb)
                            : QStringLiteral("%1 %2").arg(QLatin1String(verb), QString::fromStdString(what));
    };
    ui_.mnuEditUndo->setEnabled(session.canUndo());
    ui_.mnuEditUndo->setText(caption("Undo", session.undoText()));
    ui_.mnuEditRedo->setEnabled(session.canRedo());
    ui_.mnuEditRedo->setText(caption("Redo", session.redoText()));
}

}  // namespace corvane
