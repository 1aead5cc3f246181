#include "ui/moves/frmMoves.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "calc/format/Units.h"
#include "calc/judging/Verdict.h"
#include "calc/methods/MethodTraits.h"
#include "project/AppState.h"

namespace corvane {

namespace {

QString qs(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kPlaneNames[2] = {"Vertical", "Horizontal"};

// Columns of an alternatives table.
enum Column { kHeld, kFoot1, kLargest = 5, kWorkable, kColumns };

// A table as large as its rows and columns: every alternative in view at once, no scrolling.
void fitToContents(QTableWidget* table) {
    table->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

QTableWidgetItem* readOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

frmMoves::frmMoves(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited jobEdited)
    : JobToolWindow(state, mainWindow, std::move(currentOptions), std::move(jobEdited),
                    QStringLiteral("frmMoves"), QStringLiteral("Move Alternatives")) {
    buildControls();
}

void frmMoves::buildControls() {
    auto* layout = new QVBoxLayout(this);

    auto* intro = new QLabel(
        QStringLiteral(
            "Every pair of feet that can be held still, and what the other two must do. Choose a pair "
            "to draw it on the graphs as the target line."),
        this);
    intro->setWordWrap(true);
    layout->addWidget(intro);

    // The fixed machine's feet, for the methods whose readings do not place them.
    ui_.frameFixedFeet = new QGroupBox(QStringLiteral("Fixed machine's feet"), this);
    ui_.frameFixedFeet->setObjectName(QStringLiteral("frameFixedFeet"));
    auto* feetForm = new QFormLayout(ui_.frameFixedFeet);
    ui_.txtInboard = new QLineEdit(ui_.frameFixedFeet);
    ui_.txtInboard->setObjectName(QStringLiteral("txtInboard"));
    ui_.txtSpacing = new QLineEdit(ui_.frameFixedFeet);
    ui_.txtSpacing->setObjectName(QStringLiteral("txtSpacing"));
    feetForm->addRow(QStringLiteral("&Inboard foot to coupling:"), ui_.txtInboard);
    feetForm->addRow(QStringLiteral("Foot &spacing:"), ui_.txtSpacing);
    for (QLineEdit* box : {ui_.txtInboard, ui_.txtSpacing}) {
        box->setMaximumWidth(120);
        connect(box, &QLineEdit::editingFinished, this, [this, box] { fixedFeetEdited(box); });
    }

    // What each foot can do.
    auto* limitsFrame = new QGroupBox(QStringLiteral("What each foot can do (empty: no limit)"), this);
    auto* limitsLayout = new QVBoxLayout(limitsFrame);
    ui_.tblLimits = new QTableWidget(4, 3, limitsFrame);
    ui_.tblLimits->setObjectName(QStringLiteral("tblLimits"));
    ui_.tblLimits->setAccessibleName(QStringLiteral("Foot limits"));
    ui_.tblLimits->setVerticalHeaderLabels({"Foot 1", "Foot 2", "Foot 3", "Foot 4"});
    ui_.tblLimits->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    fitToContents(ui_.tblLimits);
    ui_.tblLimits->setTabKeyNavigation(false);
    connect(ui_.tblLimits, &QTableWidget::cellChanged, this, &frmMoves::limitEdited);
    limitsLayout->addWidget(ui_.tblLimits);

    auto* top = new QHBoxLayout;
    top->addWidget(ui_.frameFixedFeet);
    top->addWidget(limitsFrame, 1);
    layout->addLayout(top);

    ui_.chkEither =
        new QCheckBox(QStringLiteral("Let the least move into tolerance move &either machine"), this);
    ui_.chkEither->setObjectName(QStringLiteral("chkEither"));
    connect(ui_.chkEither, &QCheckBox::toggled, this, [this] { refresh(); });
    layout->addWidget(ui_.chkEither);

    layout->addWidget(buildPlane(0, QStringLiteral("Vertical (shims)")));
    layout->addWidget(buildPlane(1, QStringLiteral("Horizontal")));

    ui_.lblProblem = new QLabel(this);
    ui_.lblProblem->setObjectName(QStringLiteral("lblProblem"));
    ui_.lblProblem->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(ui_.lblProblem);

    auto* buttons = new QHBoxLayout;
    ui_.lblChosen = new QLabel(this);
    ui_.lblChosen->setObjectName(QStringLiteral("lblChosen"));
    buttons->addWidget(ui_.lblChosen, 1);
    ui_.cmdChoose = new QPushButton(QStringLiteral("&Hold These Feet"), this);
    ui_.cmdChoose->setObjectName(QStringLiteral("cmdChoose"));
    ui_.cmdChoose->setAutoDefault(false);
    ui_.cmdClearChoice = new QPushButton(QStringLiteral("&Clear Choice"), this);
    ui_.cmdClearChoice->setObjectName(QStringLiteral("cmdClearChoice"));
    ui_.cmdClearChoice->setAutoDefault(false);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAutoDefault(false);
    connect(ui_.cmdChoose, &QPushButton::clicked, this, &frmMoves::chooseSelected);
    connect(ui_.cmdClearChoice, &QPushButton::clicked, this, &frmMoves::clearChoice);
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    buttons->addWidget(ui_.cmdChoose);
    buttons->addWidget(ui_.cmdClearChoice);
    buttons->addWidget(close);
    layout->addLayout(buttons);

    for (QWidget* w :
         std::initializer_list<QWidget*>{ui_.chkEither, ui_.cmdChoose, ui_.cmdClearChoice, close})
        w->setAccessibleName(qobject_cast<QAbstractButton*>(w)->text().remove('&'));
    ui_.txtInboard->setAccessibleName(QStringLiteral("Fixed machine's inboard foot to coupling"));
    ui_.txtSpacing->setAccessibleName(QStringLiteral("Fixed machine's foot spacing"));
}

QGroupBox* frmMoves::buildPlane(int plane, const QString& title) {
    auto* frame = new QGroupBox(title, this);
    frame->setObjectName(QStringLiteral("frame%1").arg(QLatin1String(kPlaneNames[plane])));
    auto* layout = new QVBoxLayout(frame);
    auto* table = new QTableWidget(6, kColumns, frame);
    table->setObjectName(QStringLiteral("tbl%1").arg(QLatin1String(kPlaneNames[plane])));
    table->setAccessibleName(QStringLiteral("%1 alternatives").arg(QLatin1String(kPlaneNames[plane])));
    table->setHorizontalHeaderLabels(
        {"Held feet", "Foot 1", "Foot 2", "Foot 3", "Foot 4", "Largest move", "Workable"});
    table->verticalHeader()->setVisible(false);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setTabKeyNavigation(false);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    fitToContents(table);
    // Both planes hold the same pair: a row picked in one table is picked in the other.
    connect(table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (filling_ || row < 0) return;
        selectPair(kHeldPairs[static_cast<std::size_t>(row)]);
    });
    connect(table, &QTableWidget::cellActivated, this, [this] { chooseSelected(); });
    layout->addWidget(table);
    ui_.tblAlternatives[static_cast<std::size_t>(plane)] = table;

    auto* tolerance = new QLabel(frame);
    tolerance->setObjectName(QStringLiteral("lblTolerance%1").arg(QLatin1String(kPlaneNames[plane])));
    tolerance->setWordWrap(true);
    tolerance->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    tolerance->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* below = new QHBoxLayout;
    layout->addLayout(below);
    below->addWidget(tolerance, 1);
    ui_.lblTolerance[static_cast<std::size_t>(plane)] = tolerance;

    auto* dial = new QLabel(frame);
    dial->setObjectName(QStringLiteral("lblDial%1").arg(QLatin1String(kPlaneNames[plane])));
    dial->setWordWrap(true);
    dial->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    dial->setTextInteractionFlags(Qt::TextSelectableByMouse);
    below->addWidget(dial, 1);
    ui_.lblDial[static_cast<std::size_t>(plane)] = dial;
    return frame;
}

MoveSetup frmMoves::setup() const { return decodeMoveSetup(state_.Project.ReservedText); }

std::array<int, 2> frmMoves::chosenPair() const {
    const MoveSetup s = setup();
    if (methodTraits(options_.method).hasStationaryTicks || !s.held)
        return resultHeldFeet(state_.Project, options_.method);
    return *s.held;
}

void frmMoves::refresh() {
    options_ = currentOptions();
    options_.units = units();
    const CalcResult result = calcAlignment(state_.Project, options_);
    const AlignmentVerdict verdict = judgeAlignment(state_.Project, options_, result);
    const MoveSetup s = setup();
    moves_ = moveAlternatives(state_.Project, options_, result, verdict, s, ui_.chkEither->isChecked());

    filling_ = true;
    const UnitSystem u = units();
    const QString moveUnit = qs(std::string(unitName(Quantity::Move, u)));
    const QString lengthUnit = qs(std::string(unitName(Quantity::Length, u)));
    ui_.tblLimits->setHorizontalHeaderLabels({QStringLiteral("Shim under it (%1)").arg(moveUnit),
                                              QStringLiteral("Bolt room left (%1)").arg(moveUnit),
                                              QStringLiteral("Bolt room right (%1)").arg(moveUnit)});
    for (int foot = 0; foot < 4; ++foot) {
        const FootLimits& f = s.feet[static_cast<std::size_t>(foot)];
        const std::optional<double>* values[3] = {&f.shim, &f.boltLeft, &f.boltRight};
        for (int c = 0; c < 3; ++c) {
            const QString text = *values[c] ? qs(formatStored(**values[c], Quantity::Move, u)) : QString();
            ui_.tblLimits->setItem(foot, c, new QTableWidgetItem(text));
        }
    }
    const bool twoFoot = methodTraits(options_.method).footCount == 2;
    ui_.frameFixedFeet->setVisible(twoFoot);
    ui_.frameFixedFeet->setTitle(QStringLiteral("Fixed machine's feet (%1)").arg(lengthUnit));
    ui_.txtInboard->setText(s.fixedInboardToCoupling
                                ? qs(formatStored(*s.fixedInboardToCoupling, Quantity::Length, u))
                                : QString());
    ui_.txtSpacing->setText(s.fixedFootSpacing ? qs(formatStored(*s.fixedFootSpacing, Quantity::Length, u))
                                               : QString());
    ui_.cmdClearChoice->setEnabled(s.held.has_value());
    filling_ = false;
    showAlternatives();
}

void frmMoves::showAlternatives() {
    filling_ = true;
    const UnitSystem u = units();
    const std::array<int, 2> chosen = chosenPair();
    for (int plane = 0; plane < 2; ++plane) {
        QTableWidget* table = ui_.tblAlternatives[static_cast<std::size_t>(plane)];
        const Plane p = plane == 0 ? Plane::Vertical : Plane::Horizontal;
        for (int row = 0; row < 6; ++row) {
            const auto k = static_cast<std::size_t>(row);
            QString held = qs(heldText(kHeldPairs[k]));
            if (kHeldPairs[k] == chosen) held += QStringLiteral("  (chosen)");
            table->setItem(row, kHeld, readOnlyItem(held));
            if (!moves_.given) {
                for (int c = kFoot1; c < kColumns; ++c) table->setItem(row, c, readOnlyItem(QString()));
                continue;
            }
            const MoveAlternative& alt = moves_.plane(p).alternatives[k];
            for (int foot = 0; foot < 4; ++foot) {
                const bool isHeld = foot + 1 == alt.held[0] || foot + 1 == alt.held[1];
                QString text;
                if (alt.computable)
                    text = isHeld ? QStringLiteral("held")
                                  : qs(moveWithDirection(alt.moves[static_cast<std::size_t>(foot)], p,
                                                         options_.method, u));
                table->setItem(row, kFoot1 + foot, readOnlyItem(text));
            }
            table->setItem(
                row, kLargest,
                readOnlyItem(alt.computable ? qs(formatStored(alt.largest, Quantity::Move, u)) : QString()));
            QString verdict = alt.workable ? QStringLiteral("yes") : QStringLiteral("no: ") + qs(alt.why);
            if (!alt.computable) verdict = qs(alt.why);
            auto* item = readOnlyItem(verdict);
            item->setToolTip(verdict);
            if (!alt.workable) item->setForeground(QColor(0xb0, 0, 0));
            table->setItem(row, kWorkable, item);
            if (kHeldPairs[k] == chosen) {
                for (int c = 0; c < kColumns; ++c) {
                    QFont bold = table->item(row, c)->font();
                    bold.setBold(true);
                    table->item(row, c)->setFont(bold);
                }
            }
        }
        QString toleranceText;
        if (moves_.given) {
            const PlaneMoves& pm = moves_.plane(p);
            const QString who =
                moves_.eitherMachine ? QStringLiteral("either machine") : QStringLiteral("moveable machine");
            toleranceText =
                QStringLiteral("Least move into tolerance (%1):\n").arg(who) +
                qs(toleranceMoveText(pm.acceptable, "Acceptable", moves_.table, moves_.eitherMachine, u)) +
                QLatin1Char('\n') +
                qs(toleranceMoveText(pm.excellent, "Excellent", moves_.table, moves_.eitherMachine, u));
        } else {
            toleranceText = qs(moves_.reason);
        }
        ui_.lblTolerance[static_cast<std::size_t>(plane)]->setText(toleranceText);
        ui_.lblTolerance[static_cast<std::size_t>(plane)]->setAccessibleName(toleranceText);
    }
    filling_ = false;
    selectPair(chosen);
    QString chosenText = QStringLiteral("Chosen: feet %1 held").arg(qs(heldText(chosen)));
    for (std::size_t k = 0; k < kHeldPairs.size(); ++k)
        if (moves_.given && kHeldPairs[k] == chosen && !moves_.vertical.alternatives[k].computable)
            chosenText +=
                QStringLiteral(" (not worked out: %1)").arg(qs(moves_.vertical.alternatives[k].why));
    ui_.lblChosen->setText(chosenText);
}

void frmMoves::selectPair(std::array<int, 2> held) {
    int row = 0;
    for (std::size_t k = 0; k < kHeldPairs.size(); ++k)
        if (kHeldPairs[k] == held) row = static_cast<int>(k);
    filling_ = true;
    for (QTableWidget* table : ui_.tblAlternatives)
        if (table->currentRow() != row) table->setCurrentCell(row, kHeld);
    filling_ = false;
    showDial(0);
    showDial(1);
}

void frmMoves::showDial(int plane) {
    QLabel* label = ui_.lblDial[static_cast<std::size_t>(plane)];
    const int row = ui_.tblAlternatives[static_cast<std::size_t>(plane)]->currentRow();
    if (!moves_.given || row < 0) {
        label->clear();
        return;
    }
    const Plane p = plane == 0 ? Plane::Vertical : Plane::Horizontal;
    const MoveAlternative& alt = moves_.plane(p).alternatives[static_cast<std::size_t>(row)];
    QString text = QStringLiteral("The dial to watch, feet %1 held:").arg(qs(heldText(alt.held)));
    const std::vector<std::string> lines = dialInstructions(alt, p, options_.method, units());
    if (!alt.computable)
        text += QLatin1Char(' ') + qs(alt.why);
    else if (lines.empty())
        text += QStringLiteral(" no foot moves.");
    for (const std::string& line : lines) text += QLatin1Char('\n') + qs(line);
    label->setText(text);
    label->setAccessibleName(text);
}

void frmMoves::storeSetup(const MoveSetup& s) {
    state_.Project.ReservedText = encodeMoveSetup(s, state_.Project.ReservedText);
    reportEdit();
    refresh();
}

void frmMoves::limitEdited(int row, int column) {
    if (filling_) return;
    QTableWidgetItem* item = ui_.tblLimits->item(row, column);
    const QString typed = item ? item->text().trimmed() : QString();
    MoveSetup s = setup();
    FootLimits& f = s.feet[static_cast<std::size_t>(row)];
    std::optional<double>& field = column == 0 ? f.shim : column == 1 ? f.boltLeft : f.boltRight;
    ui_.lblProblem->clear();
    if (typed.isEmpty()) {
        field.reset();
    } else {
        const TypedValue value = readTypedValue(typed.toStdString(), Quantity::Move, units());
        if (!value.stored || *value.stored < 0) {
            ui_.lblProblem->setText(
                QStringLiteral("Foot %1: \"%2\" is not a limit: %3.")
                    .arg(row + 1)
                    .arg(typed, value.stored ? QStringLiteral("a limit is 0 or more") : qs(value.problem)));
            refresh();  // the cell shows what the job keeps
            return;
        }
        field = *value.stored;
    }
    storeSetup(s);
}

void frmMoves::fixedFeetEdited(QLineEdit* box) {
    if (filling_ || !box->isModified()) return;
    box->setModified(false);
    const QString typed = box->text().trimmed();
    MoveSetup s = setup();
    std::optional<double>& field = box == ui_.txtInboard ? s.fixedInboardToCoupling : s.fixedFootSpacing;
    ui_.lblProblem->clear();
    if (typed.isEmpty()) {
        field.reset();
    } else {
        const TypedValue value = readTypedValue(typed.toStdString(), Quantity::Length, units());
        if (!value.stored || *value.stored < 0) {
            ui_.lblProblem->setText(QStringLiteral("\"%1\" is not a distance: %2.")
                                        .arg(typed, value.stored ? QStringLiteral("a distance is 0 or more")
                                                                 : qs(value.problem)));
            refresh();
            return;
        }
        field = *value.stored;
    }
    storeSetup(s);
}

void frmMoves::chooseSelected() {
    const int row = ui_.tblAlternatives[0]->currentRow();
    if (row < 0 || !moves_.given) return;
    const std::array<int, 2> held = kHeldPairs[static_cast<std::size_t>(row)];
    if (!moves_.vertical.alternatives[static_cast<std::size_t>(row)].computable) {
        ui_.lblProblem->setText(
            QStringLiteral("Feet %1 cannot be held: %2.")
                .arg(qs(heldText(held)),
                     qs(moves_.vertical.alternatives[static_cast<std::size_t>(row)].why)));
        return;
    }
    ui_.lblProblem->clear();
    MoveSetup s = setup();
    s.held = held;
    // A method with stationary feet works its result from them: the choice ticks them.
    if (methodTraits(options_.method).hasStationaryTicks)
        for (int i = 0; i < 4; ++i)
            state_.Project.Station[static_cast<std::size_t>(i)] =
                (i + 1 == held[0] || i + 1 == held[1]) ? 1 : 0;
    storeSetup(s);
}

void frmMoves::clearChoice() {
    MoveSetup s = setup();
    s.held.reset();
    storeSetup(s);
}

}  // namespace corvane
