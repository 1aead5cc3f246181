#include "ui/main/OptionsPanel.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/methods/BracketText.h"
#include "calc/methods/MethodTraits.h"
#include "project/RimFaceSag.h"
#include "ui/common/DisplayText.h"
#include "ui/help/HelpTexts.h"
#include "ui/main/MainLayout.h"
#include "ui/main/ReadingsPanel.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"

namespace corvane {

using namespace mainlayout;

namespace {

// Right of the result switches.
constexpr QRect kRimSagCaption{282, 22, 88, 20};
constexpr QRect kRimSagBox{300, 44, 54, 22};

}  // namespace

OptionsPanel::OptionsPanel(const MainPanelContext& context) : state_(context.state), ui_(context.ui) {
    DesignLayout& layout = context.layout;
    frmDials& window = context.window;
    ui_.frameMisc = new QGroupBox(QStringLiteral("Miscellaneous"), context.canvas);
    ui_.frameMisc->setObjectName(QStringLiteral("frameMisc"));
    ui_.frameMisc->setAccessibleName(ui_.frameMisc->title());
    layout.place(ui_.frameMisc, kMiscellaneous);

    ui_.frameUnits = new QGroupBox(QStringLiteral("Engineering Units"), ui_.frameMisc);
    ui_.frameUnits->setObjectName(QStringLiteral("frameUnits"));
    // Named explicitly: a frame inside a frame is otherwise announced by its outer frame's caption.
    ui_.frameUnits->setAccessibleName(ui_.frameUnits->title());
    layout.place(ui_.frameUnits, kUnits);
    auto* units = new QButtonGroup(ui_.frameUnits);
    const char* const captions[2] = {"English", "Metric"};
    for (int i = 0; i < 2; ++i) {
        ui_.optEU[i] = new QRadioButton(QLatin1String(captions[i]), ui_.frameUnits);
        ui_.optEU[i]->setObjectName(indexedName("optEU", i));
        layout.place(ui_.optEU[i], i == 0 ? kEnglish : kMetric);
        units->addButton(ui_.optEU[i], i);
        QObject::connect(ui_.optEU[i], &QRadioButton::toggled, &window, [&window, i](bool on) {
            if (on) window.optEU_Click(i);
        });
    }

    const CaptionedBox misc =
        makeCaptionedBox(ui_.frameMisc, QStringLiteral("Sag (mils)"), QStringLiteral("txtMisc1"),
                         [&window] { window.txtMisc1_LostFocus(); });
    ui_.lblMisc1 = misc.caption;
    ui_.lblMisc1->setObjectName(QStringLiteral("lblMisc1"));
    ui_.txtMisc1 = misc.box;
    ui_.txtMisc1->setAlignment(Qt::AlignCenter);
    layout.place(ui_.lblMisc1, kMiscCaption);
    layout.place(ui_.txtMisc1, kMiscBox);

    ui_.chkTgrowth = new QCheckBox(QStringLiteral("Thermal Growth"), ui_.frameMisc);
    ui_.chkTgrowth->setObjectName(QStringLiteral("chkTgrowth"));
    layout.place(ui_.chkTgrowth, kGrowthSwitch);
    QObject::connect(ui_.chkTgrowth, &QCheckBox::toggled, &window, &frmDials::chkTgrowth_Click);
    ui_.chkTolerance = new QCheckBox(QStringLiteral("Apply Tolerance"), ui_.frameMisc);
    ui_.chkTolerance->setObjectName(QStringLiteral("chkTolerance"));
    layout.place(ui_.chkTolerance, kToleranceSwitch);
    QObject::connect(ui_.chkTolerance, &QCheckBox::toggled, &window, &frmDials::chkTolerance_Click);

    // Screen readers on Linux announce a combo box by its current entry, not by its name: the
    // description says what the box chooses.
    ui_.cmbMachine = new QComboBox(ui_.frameMisc);
    ui_.cmbMachine->setObjectName(QStringLiteral("cmbMachine"));
    ui_.cmbMachine->addItem(QStringLiteral("2 Machines"));
    ui_.cmbMachine->setAccessibleName(QStringLiteral("Machines"));
    ui_.cmbMachine->setAccessibleDescription(QStringLiteral("Machines"));
    layout.place(ui_.cmbMachine, kMachines);

    ui_.cmbRotation = new QComboBox(ui_.frameMisc);
    ui_.cmbRotation->setObjectName(QStringLiteral("cmbRotation"));
    ui_.cmbRotation->addItems({QStringLiteral("Full Rotation"), QStringLiteral("Half Rotation")});
    ui_.cmbRotation->setAccessibleName(QStringLiteral("Rotation"));
    ui_.cmbRotation->setAccessibleDescription(QStringLiteral("Rotation"));
    layout.place(ui_.cmbRotation, kRotation);
    QObject::connect(ui_.cmbRotation, &QComboBox::currentIndexChanged, &window, &frmDials::cmbRotation_Click);

    ui_.cmbFixMove = new QComboBox(ui_.frameMisc);
    ui_.cmbFixMove->setObjectName(QStringLiteral("cmbFixMove"));
    ui_.cmbFixMove->addItems({QStringLiteral("Fixed Mach"), QStringLiteral("Moveable Machine")});
    ui_.cmbFixMove->setToolTip(QStringLiteral("Indicators Attached to Machine"));
    ui_.cmbFixMove->setAccessibleName(QStringLiteral("Indicators Attached to Machine"));
    ui_.cmbFixMove->setAccessibleDescription(QStringLiteral("Indicators Attached to Machine"));
    layout.place(ui_.cmbFixMove, kBracketSide);
    ui_.cmbFixMove->hide();
    // The list's items name the half the dials run on, easily misread as the bracket's shaft: the
    // caption says both, in full.
    ui_.lblFixMove = new QLabel(ui_.frameMisc);
    ui_.lblFixMove->setObjectName(QStringLiteral("lblFixMove"));
    ui_.lblFixMove->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    ui_.lblFixMove->setBuddy(ui_.cmbFixMove);
    layout.place(ui_.lblFixMove, kBracketCaption);
    ui_.lblFixMove->hide();
    QObject::connect(ui_.cmbFixMove, &QComboBox::currentIndexChanged, &window, &frmDials::cmbFixMove_Click);

    // The bar sag of the rim dial, for rim and face only.
    const CaptionedBox sag =
        makeCaptionedBox(ui_.frameMisc, QStringLiteral("Rim sag (mils)"), QStringLiteral("txtRimSag"),
                         [&window] { window.txtRimSag_LostFocus(); });
    ui_.lblRimSag = sag.caption;
    ui_.lblRimSag->setObjectName(QStringLiteral("lblRimSag"));
    ui_.txtRimSag = sag.box;
    ui_.txtRimSag->setAlignment(Qt::AlignCenter);
    ui_.txtRimSag->setProperty("corvaneGuide",
                               QStringLiteral("Bar sag of the rim dial, added to its 6:00 reading"));
    layout.place(ui_.lblRimSag, kRimSagCaption);
    layout.place(ui_.txtRimSag, kRimSagBox);
    ui_.lblRimSag->hide();
    ui_.txtRimSag->hide();
}

void OptionsPanel::showMethod(int method) {
    const MethodTraits& traits = methodTraits(method);
    ui_.cmbFixMove->setVisible(traits.hasBracketSide);
    ui_.lblFixMove->setVisible(traits.hasBracketSide);
    showBracketCaption();
    ui_.cmbRotation->setVisible(traits.hasRotationChoice);
    ui_.cmbMachine->setVisible(traits.hasRotationChoice);
    ui_.chkTgrowth->show();
    ui_.chkTolerance->show();
}

void OptionsPanel::showBracketCaption() {
    const QString meaning = QString::fromStdString(bracketArrangement(ui_.cmbFixMove->currentIndex()));
    // Two short lines in the room above the list.
    QString caption = meaning;
    caption.replace(QStringLiteral(", "), QStringLiteral(",\n"));
    ui_.lblFixMove->setText(caption);
    ui_.lblFixMove->setToolTip(meaning);
    ui_.cmbFixMove->setAccessibleDescription(meaning);
}

void OptionsPanel::showView(const ViewOptions& v) {
    const QSignalBlocker blockRotation(ui_.cmbRotation), blockSide(ui_.cmbFixMove),
        blockGrowth(ui_.chkTgrowth), blockTolerance(ui_.chkTolerance);
    ui_.cmbRotation->setCurrentIndex(v.rotation);
    ui_.cmbFixMove->setCurrentIndex(v.bracketSide);
    ui_.chkTgrowth->setChecked(v.growthOn);
    ui_.chkTolerance->setChecked(v.toleranceOn);
}

void OptionsPanel::showUnits(int engUnits) {
    for (int i = 0; i < 2; ++i) {
        const QSignalBlocker block(ui_.optEU[i]);
        ui_.optEU[i]->setChecked(i == engUnits);
    }
}

void OptionsPanel::showJob(const ProjectRecord& r, int method, const DisplayFormat& display) {
    if (methodTraits(method).miscField == MiscField::Sag) {
        ui_.lblMisc1->setText(QStringLiteral("Sag (%1)").arg(toQString(display.unit(Quantity::Reading))));
        ui_.txtMisc1->setText(toQString(display.readingBoxText(r.Sag)));
    } else {
        ui_.lblMisc1->setText(QStringLiteral("Face Dia (%1)").arg(toQString(display.unit(Quantity::Length))));
        ui_.txtMisc1->setText(toQString(display.boxText(miscValue(r, method), Quantity::Length)));
    }
    ui_.txtMisc1->setAccessibleName(ui_.lblMisc1->text().trimmed());
}

void OptionsPanel::showRimSag(const ProjectRecord& r, const DisplayFormat& display) {
    ui_.lblRimSag->setText(QStringLiteral("Rim sag (%1)").arg(toQString(display.unit(Quantity::Reading))));
    ui_.txtRimSag->setAccessibleName(ui_.lblRimSag->text());
    ui_.txtRimSag->setText(toQString(display.readingBoxText(rimFaceSag(r))));
}

void OptionsPanel::showGuidance(int method) {
    const bool rimSag = methodTraits(method).hasRimSag;
    ui_.lblRimSag->setVisible(rimSag);
    ui_.txtRimSag->setVisible(rimSag);
    ui_.txtMisc1->setWhatsThis(whatsThisFor(QStringLiteral("txtMisc1"), method));
}

void OptionsPanel::markFindings(const std::vector<ReadingFinding>& findings, int method) {
    QStringList sag;
    for (const ReadingFinding& f : findings)
        if (f.kind == FindingKind::SagSign) sag << QString::fromStdString(f.message);
    markFindingBox(ui_.txtMisc1, methodTraits(method).miscField == MiscField::Sag ? sag : QStringList());
    markFindingBox(ui_.txtRimSag, methodTraits(method).hasRimSag ? sag : QStringList());
}

void OptionsPanel::takeMisc(const DisplayFormat& display) {
    const int m = state_.CalcMethod;
    const bool sag = methodTraits(m).miscField == MiscField::Sag;
    const float shown = miscValue(state_.Project, m);
    const std::optional<float> value = EntryBox::takeValue(
        ui_.txtMisc1, sag ? Quantity::Reading : Quantity::Length, display.units,
        sag ? toQString(display.readingBoxText(shown)) : toQString(display.boxText(shown, Quantity::Length)));
    if (value) miscValue(state_.Project, m) = *value;
}

void OptionsPanel::takeRimSag(const DisplayFormat& display) {
    const float shown = rimFaceSag(state_.Project);
    const std::optional<float> value = EntryBox::takeValue(ui_.txtRimSag, Quantity::Reading, display.units,
                                                           toQString(display.readingBoxText(shown)));
    if (value && *value != shown)
        state_.Project.ReservedText = encodeRimFaceSag(*value, state_.Project.ReservedText);
}

}  // namespace corvane
