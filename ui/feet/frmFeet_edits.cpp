// The Feet window's edits: what was typed or picked goes into the job's ledger, the job goes on to
// the main window, and the window shows the ledger and the packs again.

#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>

#include "calc/format/NumberFormat.h"
#include "calc/judging/SoftFoot.h"
#include "project/AppState.h"
#include "ui/feet/frmFeet.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/ShimKitPreferences.h"

namespace corvane {

namespace {

// A lift or a shim is a size: never below 0.
std::optional<float> typedSize(QLineEdit* box, UnitSystem units, const QString& kept) {
    const std::optional<float> value = EntryBox::takeValue(box, Quantity::Reading, units, kept);
    if (value && *value < 0) {
        box->setText(kept);
        EntryBox::refuse(box, QStringLiteral("A lift or a shim is not below 0"));
        return std::nullopt;
    }
    return value;
}

}  // namespace

FootLedger frmFeet::ledger() const { return decodeFootLedger(state_.Project.ReservedText); }

ShimKit frmFeet::kit() const { return preferredShimKit(state_.Paths, units()); }

QString frmFeet::liftShown(const std::optional<float>& lift) const {
    return lift ? QString::fromStdString(liftText(*lift, units())) : QString();
}

QString frmFeet::thicknessShown(float mils) const {
    const double shown = displayValue(mils, Quantity::Move, units());
    return QString::fromStdString(units() == UnitSystem::Metric ? formatDecimals(shown, 2, 3)
                                                                : formatDecimals(shown, 0, 2));
}

void frmFeet::store(const FootLedger& l) {
    state_.Project.ReservedText = encodeFootLedger(l, state_.Project.ReservedText);
    reportEdit();
    refresh();
}

void frmFeet::liftTyped(int index, bool asLeft) {
    if (showing_) return;
    FootLedger l = ledger();
    FootCheck& f = l.feet[static_cast<std::size_t>(index)];
    std::optional<float>& lift = asLeft ? f.asLeft : f.asFound;
    QLineEdit* box =
        asLeft ? feet[static_cast<std::size_t>(index)].asLeft : feet[static_cast<std::size_t>(index)].asFound;
    // An empty box is a foot not measured, which is not the same as a foot that does not lift.
    if (box->text().trimmed().isEmpty()) {
        lift.reset();
    } else {
        const std::optional<float> value = typedSize(box, units(), liftShown(lift));
        if (!value) return;
        lift = *value;
    }
    store(l);
}

void frmFeet::shimTyped(int index) {
    if (showing_) return;
    FootLedger l = ledger();
    FootCheck& f = l.feet[static_cast<std::size_t>(index)];
    QLineEdit* box = feet[static_cast<std::size_t>(index)].shimAdded;
    if (box->text().trimmed().isEmpty()) {
        f.shimAdded = 0;
    } else {
        const std::optional<float> value =
            typedSize(box, units(), f.shimAdded == 0 ? QString() : thicknessShown(f.shimAdded));
        if (!value) return;
        f.shimAdded = *value;
    }
    store(l);
}

void frmFeet::kindPicked(int index) {
    if (showing_) return;
    FootLedger l = ledger();
    l.feet[static_cast<std::size_t>(index)].kind =
        static_cast<SoftFootKind>(feet[static_cast<std::size_t>(index)].kind->currentIndex());
    store(l);
}

void frmFeet::stackTyped(int position) {
    if (showing_) return;
    FootLedger l = ledger();
    QLineEdit* box = txtStack[static_cast<std::size_t>(position)];
    std::vector<float>& stack = l.stacks[static_cast<std::size_t>(position)];
    QStringList kept;
    for (const float s : stack) kept << thicknessShown(s);
    std::vector<float> typed;
    const QStringList pieces =
        box->text().split(QRegularExpression(QStringLiteral("[\\s;+]+")), Qt::SkipEmptyParts);
    for (const QString& piece : pieces) {
        const TypedValue value = readTypedValue(piece.toStdString(), Quantity::Move, units());
        QString problem;
        if (!value.stored)
            problem = QString::fromStdString(value.problem);
        else if (!(*value.stored > 0))
            problem = QStringLiteral("A shim is thicker than 0");
        else if (typed.size() >= kMostShimsInStack)
            problem = QStringLiteral("No more than %1 shims under one foot are kept").arg(kMostShimsInStack);
        if (!problem.isEmpty()) {
            box->setText(kept.join(QLatin1Char(' ')));
            EntryBox::refuse(box, QStringLiteral("\"%1\": %2").arg(piece, problem));
            return;
        }
        typed.push_back(*value.stored);
    }
    stack = std::move(typed);
    store(l);
}

void frmFeet::kitTyped() {
    if (showing_) return;
    const KitReading reading = readKitText(txtKit->text().toStdString());
    ShimKit k = kit();
    if (!reading.sizes) {
        txtKit->setText(QString::fromStdString(kitText(k)));
        EntryBox::refuse(txtKit, QString::fromStdString(reading.problem));
        return;
    }
    k.sizes = *reading.sizes;
    setPreferredShimKit(state_.Paths, k);
    refresh();
}

void frmFeet::mostShimsChanged(int most) {
    if (showing_) return;
    ShimKit k = kit();
    if (k.mostUnderFoot == most) return;
    k.mostUnderFoot = most;
    setPreferredShimKit(state_.Paths, k);
    refresh();
}

}  // namespace corvane
