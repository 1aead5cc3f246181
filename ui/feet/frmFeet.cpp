#include "ui/feet/frmFeet.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

#include "calc/format/NumberFormat.h"
#include "calc/judging/SoftFoot.h"
#include "project/AppState.h"
#include "ui/common/WindowPlacement.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/ShimKitPreferences.h"

namespace corvane {

namespace {

QString footName(int index) {
    return QStringLiteral("Foot %1 %2")
        .arg(index / 2 + 1)
        .arg(index % 2 == 0 ? QStringLiteral("left") : QStringLiteral("right"));
}

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Sets a box's text only when it differs: setting it again would drop the selection the user sees.
void showText(QLineEdit* box, const QString& value) {
    if (box->text() != value) box->setText(value);
}

}  // namespace

frmFeet::frmFeet(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited edited)
    : JobToolWindow(state, mainWindow, std::move(currentOptions), std::move(edited),
                    QStringLiteral("frmFeet"), QStringLiteral("Feet")) {
    buildControls();
    arrangeTabOrder();
    refresh();
}

void frmFeet::buildControls() {
    auto* intro = new QLabel(
        QStringLiteral(
            "Seen from above, the fixed machine on the left: each machine's left feet (seen from the "
            "fixed machine) above its shaft, its right feet below. A lift over 2.0 mils (0.05 mm) "
            "is a soft foot: correct it before taking readings."),
        this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);
    // Wrapped to the width the feet take, not the other way round.
    intro->setMinimumWidth(intro->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);

    auto* machines = new QHBoxLayout;
    machines->addWidget(buildMachine(QStringLiteral("Fixed machine"), 0));
    auto* coupling = new QLabel(QStringLiteral("coupling"), this);
    coupling->setObjectName(QStringLiteral("lblCoupling"));
    coupling->setAlignment(Qt::AlignCenter);
    machines->addWidget(coupling);
    machines->addWidget(buildMachine(QStringLiteral("Moveable machine"), 2));

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setWordWrap(true);
    lblSummary->setAccessibleName(QStringLiteral("Soft foot summary"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(machines);
    layout->addWidget(lblSummary);
    layout->addWidget(buildKit());
}

QGroupBox* frmFeet::buildMachine(const QString& title, int firstPosition) {
    auto* machine = new QGroupBox(title, this);
    machine->setObjectName(firstPosition == 0 ? QStringLiteral("frameFixed")
                                              : QStringLiteral("frameMoveable"));
    auto* grid = new QGridLayout(machine);
    for (int column = 0; column < 2; ++column) {
        const int position = firstPosition + column;
        grid->addWidget(buildFoot(2 * position), 0, column);
        // The shaft between the left and the right feet, as it lies seen from above.
        auto* shaft = new QFrame(machine);
        shaft->setObjectName(QStringLiteral("lineShaft%1").arg(position + 1));
        shaft->setFrameShape(QFrame::HLine);
        shaft->setLineWidth(3);
        shaft->setFrameShadow(QFrame::Plain);
        grid->addWidget(shaft, 1, column);
        grid->addWidget(buildFoot(2 * position + 1), 2, column);

        const CaptionedBox stack = makeCaptionedBox(
            machine, QStringLiteral("Shims under foot &%1:").arg(position + 1),
            QStringLiteral("txtStack%1").arg(position + 1), [this, position] { stackTyped(position); });
        txtStack[static_cast<std::size_t>(position)] = stack.box;
        stack.box->setToolTip(
            QStringLiteral("The shims under foot %1 now, thickest first: \"20 10 5\"").arg(position + 1));
        stack.box->setAccessibleName(QStringLiteral("Foot %1 shims").arg(position + 1));
        auto* stackRow = new QVBoxLayout;
        stackRow->addWidget(stack.caption);
        stackRow->addWidget(stack.box);
        grid->addLayout(stackRow, 3, column);

        QLabel* pack = new QLabel(machine);
        pack->setObjectName(QStringLiteral("lblPack%1").arg(position + 1));
        pack->setWordWrap(true);
        pack->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pack->setAccessibleName(QStringLiteral("Foot %1 shim pack").arg(position + 1));
        pack->setTextInteractionFlags(Qt::TextSelectableByMouse);
        pack->setMinimumWidth(
            pack->fontMetrics().horizontalAdvance(QStringLiteral("pull 20 + 10 = 30 mils")));
        pack->setMinimumHeight(pack->fontMetrics().lineSpacing() * 3);
        lblPack[static_cast<std::size_t>(position)] = pack;
        grid->addWidget(pack, 4, column);
    }
    return machine;
}

QGroupBox* frmFeet::buildFoot(int index) {
    FootControls& f = feet[static_cast<std::size_t>(index)];
    const QString name = footName(index);
    f.frame = new QGroupBox(name, this);
    f.frame->setObjectName(
        QStringLiteral("frameFoot%1%2").arg(index / 2 + 1).arg(index % 2 == 0 ? 'L' : 'R'));
    auto* form = new QGridLayout(f.frame);
    const QString suffix = QStringLiteral("%1%2").arg(index / 2 + 1).arg(index % 2 == 0 ? 'L' : 'R');

    const CaptionedBox found =
        makeCaptionedBox(f.frame, QStringLiteral("Lift as found:"), QStringLiteral("txtFound") + suffix,
                         [this, index] { liftTyped(index, false); });
    f.asFound = found.box;
    f.asFound->setAccessibleName(name + QStringLiteral(" lift"));
    f.asFound->setToolTip(QStringLiteral(
        "The indicator's lift with the bolt loosened, before correcting; empty when not measured"));

    auto* kindCaption = new QLabel(QStringLiteral("Kind:"), f.frame);
    f.kind = new QComboBox(f.frame);
    f.kind->setObjectName(QStringLiteral("cmbKind") + suffix);
    for (int k = 0; k < kSoftFootKindCount; ++k)
        f.kind->addItem(text(softFootKindName(static_cast<SoftFootKind>(k))));
    f.kind->setAccessibleName(name + QStringLiteral(" kind"));
    // As wide as the shortest names need: the long one shows whole in the open list.
    f.kind->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    f.kind->setMinimumContentsLength(10);
    kindCaption->setBuddy(f.kind);
    connect(f.kind, &QComboBox::activated, this, [this, index] { kindPicked(index); });

    const CaptionedBox shim =
        makeCaptionedBox(f.frame, QStringLiteral("Shim added:"), QStringLiteral("txtShim") + suffix,
                         [this, index] { shimTyped(index); });
    f.shimAdded = shim.box;
    f.shimAdded->setAccessibleName(name + QStringLiteral(" shim added"));
    f.shimAdded->setToolTip(QStringLiteral("The shim put under this foot alone to correct it"));

    const CaptionedBox left =
        makeCaptionedBox(f.frame, QStringLiteral("Lift as left:"), QStringLiteral("txtLeft") + suffix,
                         [this, index] { liftTyped(index, true); });
    f.asLeft = left.box;
    f.asLeft->setAccessibleName(name + QStringLiteral(" lift as left"));
    f.asLeft->setToolTip(QStringLiteral("The lift after correcting; empty when not measured yet"));

    f.judgement = new QLabel(f.frame);
    f.judgement->setObjectName(QStringLiteral("lblJudgement") + suffix);
    f.judgement->setAccessibleName(name + QStringLiteral(" judgement"));

    const int boxWidth = f.asFound->fontMetrics().horizontalAdvance(QStringLiteral("-000.00")) + 16;
    for (QLineEdit* box : {f.asFound, f.shimAdded, f.asLeft}) {
        box->setFixedWidth(boxWidth);
        box->setAlignment(Qt::AlignRight);
    }
    form->addWidget(found.caption, 0, 0);
    form->addWidget(f.asFound, 0, 1);
    form->addWidget(kindCaption, 1, 0);
    form->addWidget(f.kind, 1, 1);
    form->addWidget(shim.caption, 2, 0);
    form->addWidget(f.shimAdded, 2, 1);
    form->addWidget(left.caption, 3, 0);
    form->addWidget(f.asLeft, 3, 1);
    form->addWidget(f.judgement, 4, 0, 1, 2);
    return f.frame;
}

QGroupBox* frmFeet::buildKit() {
    auto* frame = new QGroupBox(QStringLiteral("Shim kit (your own, kept for every job)"), this);
    frame->setObjectName(QStringLiteral("frameKit"));
    const CaptionedBox kitBox = makeCaptionedBox(frame, QStringLiteral("Si&zes x on hand:"),
                                                 QStringLiteral("txtKit"), [this] { kitTyped(); });
    txtKit = kitBox.box;
    txtKit->setToolTip(
        QStringLiteral("Each shim size of the kit with the number on hand: \"1x10 2x10 5x4\""));
    spinMostShims = new QSpinBox(frame);
    spinMostShims->setObjectName(QStringLiteral("spinMostShims"));
    spinMostShims->setRange(1, 6);
    spinMostShims->setAccessibleName(QStringLiteral("Most shims under one foot"));
    auto* mostCaption = new QLabel(QStringLiteral("&Most under one foot:"), frame);
    mostCaption->setBuddy(spinMostShims);
    connect(spinMostShims, &QSpinBox::valueChanged, this, &frmFeet::mostShimsChanged);
    auto* row = new QHBoxLayout(frame);
    row->addWidget(kitBox.caption);
    row->addWidget(txtKit, 1);
    row->addSpacing(12);
    row->addWidget(mostCaption);
    row->addWidget(spinMostShims);
    return frame;
}

void frmFeet::arrangeTabOrder() {
    // Foot by foot in shaft order: each foot's left then right side, then the shims under it.
    QWidget* previous = nullptr;
    const auto next = [&previous](QWidget* w) {
        if (previous) setTabOrder(previous, w);
        previous = w;
    };
    for (int position = 0; position < kFootPositions; ++position) {
        for (int side = 0; side < 2; ++side) {
            const FootControls& f = feet[static_cast<std::size_t>(2 * position + side)];
            next(f.asFound);
            next(f.kind);
            next(f.shimAdded);
            next(f.asLeft);
        }
        next(txtStack[static_cast<std::size_t>(position)]);
    }
    next(txtKit);
    next(spinMostShims);
}

void frmFeet::refresh() {
    const bool was = showing_;
    showing_ = true;
    const FootLedger l = ledger();
    const UnitSystem u = units();
    const QString unit = text(unitName(Quantity::Reading, u));
    for (int i = 0; i < kPhysicalFeet; ++i) {
        const FootCheck& check = l.feet[static_cast<std::size_t>(i)];
        FootControls& f = feet[static_cast<std::size_t>(i)];
        showText(f.asFound, liftShown(check.asFound));
        showText(f.asLeft, liftShown(check.asLeft));
        showText(f.shimAdded, check.shimAdded == 0 ? QString() : thicknessShown(check.shimAdded));
        f.kind->setCurrentIndex(static_cast<int>(check.kind));
        // Never colour alone: the word says it too.
        const std::optional<float> now = currentLift(check);
        QString judged = QStringLiteral("\u2013 not measured");
        QString style;
        if (now && isSoftFoot(*now, u)) {
            judged = QStringLiteral("\u26A0 Soft foot: ") + QString::fromStdString(liftText(*now, u)) +
                     QLatin1Char(' ') + unit;
            style = QStringLiteral("QLabel { color: #6d0f0f; background: #f8d4d4; padding: 1px 4px; }");
        } else if (now) {
            judged = QStringLiteral("\u2714 Sound") +
                     (check.asLeft && check.asFound && isSoftFoot(*check.asFound, u)
                          ? QStringLiteral(" (corrected)")
                          : QString());
            style = QStringLiteral("QLabel { color: #14501e; background: #d9f2dc; padding: 1px 4px; }");
        }
        if (f.judgement->text() != judged) f.judgement->setText(judged);
        if (f.judgement->styleSheet() != style) f.judgement->setStyleSheet(style);
    }

    const ShimKit k = kit();
    const CalcOptions options = currentOptions();
    const CalcResult result = calcAlignment(state_.Project, options);
    const std::vector<ShimPack> packs = shimPacks(verticalMovesByPosition(result, options.method), l, k);
    for (int p = 0; p < kFootPositions; ++p) {
        QStringList shims;
        for (const float s : l.stacks[static_cast<std::size_t>(p)]) shims << thicknessShown(s);
        showText(txtStack[static_cast<std::size_t>(p)], shims.join(QLatin1Char(' ')));
        // Without a result there is no move to make a pack for; a foot the method does not move has none.
        QString packText = result.hasResult() ? QStringLiteral("No move of this foot")
                                              : QStringLiteral("No pack: the calculation has no result");
        for (const ShimPack& pack : packs) {
            if (pack.position != p) continue;
            packText = QString::fromStdString(pack.text);
            packText[0] = packText[0].toUpper();
        }
        lblPack[static_cast<std::size_t>(p)]->setText(packText);
    }
    showText(txtKit, QString::fromStdString(kitText(k)));
    spinMostShims->setValue(k.mostUnderFoot);

    const int soft = softFootCount(l, u);
    if (const auto worst = worstSoftFoot(l, u)) {
        lblSummary->setText(QStringLiteral("\u26A0 ") + QString::fromStdString(describeSoftFoot(*worst, u)) +
                            (soft > 1 ? QStringLiteral(" %1 feet are soft.").arg(soft) : QString()));
    } else {
        lblSummary->setText(QStringLiteral("\u2714 No soft foot recorded."));
    }
    showing_ = was;
}

void frmFeet::placeOnOpening(bool) {
    fitToMainWindow();
    centreOnMainWindow(this, mainWindow());
    feet[0].asFound->setFocus(Qt::OtherFocusReason);
}

}  // namespace corvane
