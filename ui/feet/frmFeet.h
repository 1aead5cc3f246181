#pragma once

#include <array>
#include <optional>

#include "calc/format/Units.h"
#include "calc/judging/ShimPacks.h"
#include "project/FootLedger.h"
#include "ui/common/JobToolWindow.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace corvane {

// "Feet": the foot ledger of the job in the order of the procedure. The eight feet as the machines
// stand seen from above (the fixed machine on the left, each machine's left feet above its shaft),
// each with its soft-foot lift as found, the kind, the shim that corrected it and the lift as left;
// under each foot position the shims there now and the pack that makes its vertical move. The kit is
// the user's own and goes to the preferences.
class frmFeet : public JobToolWindow {
    Q_OBJECT
public:
    frmFeet(AppState& state, QWidget* mainWindow, OptionsSource currentOptions, JobEdited edited);

    // Shows the job's ledger and the packs of the moves the main window shows now, in the units
    // chosen now. Boxes keep their text where it has not changed, so that a selection stays.
    void refresh() override;

protected:
    // Every opening: sized afresh, over the main window, on the first foot.
    void placeOnOpening(bool firstTime) override;

private:
    friend class FeetWindowTestAdapter;

    // The controls of one physical foot, 0..7: foot 1 left, foot 1 right, foot 2 left, ...
    struct FootControls {
        QGroupBox* frame = nullptr;
        QLineEdit* asFound = nullptr;
        QComboBox* kind = nullptr;
        QLineEdit* shimAdded = nullptr;
        QLineEdit* asLeft = nullptr;
        QLabel* judgement = nullptr;
    };

    void buildControls();
    QGroupBox* buildMachine(const QString& title, int firstPosition);
    QGroupBox* buildFoot(int index);
    QGroupBox* buildKit();
    void arrangeTabOrder();

    // Edits: each stores what was typed or picked into the ledger, then hands the job on.
    void liftTyped(int index, bool asLeft);
    void shimTyped(int index);
    void kindPicked(int index);
    void stackTyped(int position);
    void kitTyped();
    void mostShimsChanged(int most);
    void store(const FootLedger& ledger);

    FootLedger ledger() const;
    ShimKit kit() const;
    QString liftShown(const std::optional<float>& lift) const;
    QString thicknessShown(float mils) const;

    std::array<FootControls, kPhysicalFeet> feet{};
    // Per foot position: the shims under it now, and its pack.
    std::array<QLineEdit*, kFootPositions> txtStack{};
    std::array<QLabel*, kFootPositions> lblPack{};
    QLineEdit* txtKit = nullptr;
    QSpinBox* spinMostShims = nullptr;
    QLabel* lblSummary = nullptr;
    bool showing_ = false;
};

}  // namespace corvane
