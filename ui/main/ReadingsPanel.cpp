#include "ui/main/ReadingsPanel.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "calc/graph/Ranges.h"
#include "calc/methods/DialGuide.h"
#include "calc/methods/MethodTraits.h"
#include "ui/common/DisplayText.h"
#include "ui/main/MainLayout.h"
#include "ui/main/frmDials.h"
#include "ui/widgets/EntryBox.h"
#include "ui/widgets/Knob.h"

namespace corvane {

using namespace mainlayout;

namespace {

const char* const kClock[4] = {"12:00", "3:00", "6:00", "9:00"};

// In the dial frames, the free corner right of the 6:00 knob, above its clock caption.
constexpr QRect kZeroNote{136, 135, 67, 30};

// The mark of a box a finding is about: an amber frame, on top of whatever else the box shows.
const QString kMarkedBox = QStringLiteral("QLineEdit { border: 2px solid #d19a2a; background: #fff6df; }");

}  // namespace

ReadingsPanel::ReadingsPanel(const MainPanelContext& context) : state_(context.state), ui_(context.ui) {
    buildDialFrame(context, 1);
    buildDialFrame(context, 2);
}

void ReadingsPanel::buildDialFrame(const MainPanelContext& context, int dial) {
    DesignLayout& layout = context.layout;
    frmDials& window = context.window;
    auto* frame = new QGroupBox(
        dial == 1 ? QStringLiteral("Dial Indicator 1") : QStringLiteral("Dial Indicator 2"), context.canvas);
    frame->setObjectName(dial == 1 ? QStringLiteral("frameDial1") : QStringLiteral("frameDial2"));
    layout.place(frame, dial == 1 ? kDialFrame1 : kDialFrame2);
    (dial == 1 ? ui_.frameDial1 : ui_.frameDial2) = frame;

    auto& knobs = dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2;
    auto& boxes = dial == 1 ? ui_.txtD1 : ui_.txtD2;
    auto& clocks = dial == 1 ? ui_.lblClock1 : ui_.lblClock2;
    // The four positions stand like a clock face: 12:00 at the top, 3:00 right, 6:00 at the
    // bottom, 9:00 left.
    const QPoint cells[4] = {{kDialLeft + kDialCell, 16},
                             {kDialLeft + 2 * kDialCell, 50},
                             {kDialLeft + kDialCell, 101},
                             {kDialLeft, 50}};
    for (int p = 0; p < 4; ++p) {
        const QString tip = QStringLiteral("Dial %1 - %2 o'clock ").arg(dial).arg(QLatin1String(kClock[p]));
        const QRect knobPlace(QPoint(cells[p].x() + (kDialCell - kKnob.width()) / 2, cells[p].y()), kKnob);
        auto* knob = new Knob(frame);
        knob->setObjectName(indexedName(dial == 1 ? "cwkDial1" : "cwkDial2", p));
        layout.place(knob, knobPlace);
        knob->setToolTip(tip);
        knob->setAccessibleName(tip.trimmed());
        knobs[p] = knob;
        QObject::connect(knob, &Knob::valueChanged, &window, [&window, dial, p](double value) {
            if (dial == 1)
                window.cwkDial1_ValueChanged(p, value);
            else
                window.cwkDial2_ValueChanged(p, value);
        });

        // The clock position beside its knob and box, in the free corners of the cross, so that a
        // reading is never typed into the wrong position.
        auto* clock = makeNamedLabel(QLatin1String(kClock[p]), frame, "lblClock");
        clock->setObjectName(indexedName(dial == 1 ? "lblClock1" : "lblClock2", p));
        QFont small = clock->font();
        small.setPointSizeF(small.pointSizeF() * 0.9);
        clock->setFont(small);
        const int besideKnob = knobPlace.right() + 3;
        switch (p) {
            case 0:  // right of the 12:00 knob, at its top
                layout.place(clock, besideKnob, cells[p].y(), kDialCell - 4, kClockCaptionHeight);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            case 2:  // right of the 6:00 box, at the foot of the frame
                layout.place(clock, besideKnob, cells[p].y() + kKnob.height() + 3, kDialCell - 4,
                             kClockCaptionHeight);
                clock->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                break;
            default:  // over the 3:00 and 9:00 knobs
                layout.place(clock, cells[p].x(), cells[p].y() - kClockCaptionHeight, kDialCell,
                             kClockCaptionHeight);
                clock->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
                break;
        }
        clocks[p] = clock;

        auto* box = new QLineEdit(frame);
        box->setObjectName(indexedName(dial == 1 ? "txtD1" : "txtD2", p));
        layout.place(box, cells[p].x() + kReadingBoxInset, cells[p].y() + kKnob.height() + 1,
                     kDialCell - 2 * kReadingBoxInset, kReadingBoxHeight);
        box->setAlignment(Qt::AlignCenter);
        box->setAccessibleName(tip + QStringLiteral("reading"));
        boxes[p] = box;
        EntryBox::attach(box, [&window, dial, p] {
            if (dial == 1)
                window.txtD1_LostFocus(p);
            else
                window.txtD2_LostFocus(p);
        });
    }
    // LEFT and RIGHT, and the 3:00 and 9:00 sides, read the same way as the results.
    auto* viewed = makeNamedLabel(QStringLiteral("Viewed from the fixed machine"), frame, "lblViewed");
    viewed->setObjectName(dial == 1 ? QStringLiteral("lblViewed1") : QStringLiteral("lblViewed2"));
    QFont note = viewed->font();
    note.setPointSizeF(note.pointSizeF() * 0.85);
    note.setItalic(true);
    viewed->setFont(note);
    viewed->setWordWrap(true);
    viewed->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    layout.place(viewed, kViewedNote);

    // Where the dial is zeroed and the sign of its readings.
    auto* zero = new QLabel(frame);
    zero->setObjectName(dial == 1 ? QStringLiteral("lblZero1") : QStringLiteral("lblZero2"));
    QFont smaller = zero->font();
    smaller.setPointSizeF(smaller.pointSizeF() * 0.8);
    zero->setFont(smaller);
    zero->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    layout.place(zero, kZeroNote);
    ui_.lblZero[static_cast<std::size_t>(dial - 1)] = zero;
}

void ReadingsPanel::showMethod(const MethodTraits& traits) {
    const auto text = [](std::string_view t) {
        return QString::fromLatin1(t.data(), static_cast<qsizetype>(t.size()));
    };
    // The frame's caption keeps a blank after it, as a frame's caption always had.
    ui_.frameDial1->setTitle(text(traits.dial1Title) + QLatin1Char(' '));
    ui_.frameDial2->setTitle(text(traits.dial2Title) + QLatin1Char(' '));
    ui_.frameDial1->setToolTip(text(traits.readingsViewpoint));
    ui_.frameDial2->setToolTip(ui_.frameDial1->toolTip());
}

void ReadingsPanel::showReadings(const ProjectRecord& record, int m, const DisplayFormat& display) {
    for (int p = 0; p < kPositionCount; ++p) {
        ui_.txtD1[p]->setText(toQString(display.readingBoxText(record.dial1(m, p))));
        ui_.txtD2[p]->setText(toQString(display.readingBoxText(record.dial2(m, p))));
    }
}

void ReadingsPanel::scaleKnobs(const ProjectRecord& record, int m, const DisplayFormat& display) {
    for (int dial = 1; dial <= 2; ++dial) {
        auto& knobs = dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2;
        const DialRange range = knobRange(record, m, dial, display.units);
        // The range first: a reading is never clipped, but the needle should land on the new range.
        for (Knob* knob : knobs) {
            knob->setRange(range.minimum, range.maximum);
            knob->setStep(range.step);
        }
        // A knob turns in the unit it shows; the value it gives back stores as the reading it had.
        for (int p = 0; p < kPositionCount; ++p)
            knobs[p]->setValue(
                display.shown(dial == 1 ? record.dial1(m, p) : record.dial2(m, p), Quantity::Reading));
    }
}

void ReadingsPanel::showRotation(bool half) {
    for (QWidget* six : std::initializer_list<QWidget*>{ui_.cwkDial1[2], ui_.cwkDial2[2], ui_.txtD1[2],
                                                        ui_.txtD2[2], ui_.lblClock1[2], ui_.lblClock2[2]})
        six->setVisible(!half);
}

void ReadingsPanel::showNineOClock(const ProjectRecord& record, int m, const DisplayFormat& display,
                                   bool half) {
    if (m < 0 || m >= kMethodCount) return;
    for (int dial = 1; dial <= 2; ++dial) {
        const float stored = dial == 1 ? record.dial1(m, 3) : record.dial2(m, 3);
        QLineEdit* box = (dial == 1 ? ui_.txtD1 : ui_.txtD2)[3];
        Knob* knob = (dial == 1 ? ui_.cwkDial1 : ui_.cwkDial2)[3];
        box->setText(toQString(display.readingBoxText(half ? 0.0f : stored)));
        box->setReadOnly(half);
        box->setToolTip(half ? QStringLiteral("Zeroed at 9:00 in a half rotation") : QString());
        {
            // Only shown: the job's reading is not written back through the knob.
            const QSignalBlocker quiet(knob);
            knob->setValue(half ? 0.0 : display.shown(stored, Quantity::Reading));
        }
        knob->setEnabled(!half);
    }
}

void ReadingsPanel::showGuidance(int m, int rotation, int bracketSide) {
    for (int dial = 1; dial <= 2; ++dial) {
        QLabel* note = ui_.lblZero[static_cast<std::size_t>(dial - 1)];
        note->setText(QString::fromStdString(zeroingNote(m, rotation)));
        note->setToolTip(QString::fromStdString(zeroingLine(m, rotation)));
        auto& boxes = dial == 1 ? ui_.txtD1 : ui_.txtD2;
        // The readings check adds its findings in front of it.
        for (int p = 0; p < kPositionCount; ++p)
            boxes[static_cast<std::size_t>(p)]->setProperty(
                "corvaneGuide", QString::fromStdString(readingTip(m, dial, p, rotation, bracketSide)));
    }
}

void ReadingsPanel::markFindings(const std::vector<ReadingFinding>& findings) {
    std::array<QStringList, 4> dial1, dial2;
    for (const ReadingFinding& f : findings) {
        const QString message = QString::fromStdString(f.message);
        for (int p = 0; p < kPositionCount; ++p)
            if (f.positions[static_cast<std::size_t>(p)]) (f.dial == 1 ? dial1 : dial2)[p] << message;
    }
    for (int p = 0; p < kPositionCount; ++p) {
        markFindingBox(ui_.txtD1[p], dial1[p]);
        markFindingBox(ui_.txtD2[p], dial2[p]);
    }
}

bool ReadingsPanel::takeKnob(int dial, int p, double value, const DisplayFormat& display) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return false;
    const std::optional<float> reading = storedValue(value, Quantity::Reading, display.units);
    if (!reading) return false;
    (dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p)) = *reading;
    (dial == 1 ? ui_.txtD1 : ui_.txtD2)[p]->setText(toQString(display.readingBoxText(*reading)));
    return true;
}

std::optional<double> ReadingsPanel::takeTyped(int dial, int p, const DisplayFormat& display) {
    const int m = state_.CalcMethod;
    if (m < 0 || m >= kMethodCount) return std::nullopt;
    QLineEdit* box = (dial == 1 ? ui_.txtD1 : ui_.txtD2)[p];
    float& stored = dial == 1 ? state_.Project.dial1(m, p) : state_.Project.dial2(m, p);
    const std::optional<float> reading =
        EntryBox::takeValue(box, Quantity::Reading, display.units, toQString(display.readingBoxText(stored)));
    if (!reading) return std::nullopt;
    stored = *reading;
    box->setText(toQString(display.readingBoxText(stored)));
    return display.shown(stored, Quantity::Reading);
}

void markFindingBox(QLineEdit* box, const QStringList& messages) {
    // A box's own explanation (what its reading means) follows the findings about it.
    QStringList tip = messages;
    const QString guide = box->property("corvaneGuide").toString();
    if (!guide.isEmpty()) tip << guide;
    box->setToolTip(tip.join(QLatin1Char('\n')));
    const QString style = messages.isEmpty() ? QString() : kMarkedBox;
    if (box->styleSheet() != style) box->setStyleSheet(style);
    box->setProperty("corvaneFinding", !messages.isEmpty());
}

}  // namespace corvane
