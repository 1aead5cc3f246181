#pragma once

// Where everything of the main window sits, in design units: pixels at zoom 1, which is the
// window's own design size of 12000 x 8800 twips at 15 twips to the pixel. Each rectangle is
// relative to the frame it sits in. The window maps them to the screen through its DesignLayout.

#include <QRect>
#include <QSize>

namespace corvane::mainlayout {

constexpr QSize kWindow{800, 587};
// The part of it under the menu bar that holds the controls.
constexpr QSize kCanvas{800, 563};

// Left column: header, machine model, the two dials, method, lengths and buttons. Right column: the
// two graphs with their result lines, and the options.
constexpr int kLeftX = 4;
constexpr int kLeftWidth = 412;
constexpr int kRightX = 420;
constexpr int kRightWidth = 376;

// Header frame and its boxes.
constexpr QRect kHeader{kLeftX, 2, kWindow.width() - 2 * kLeftX, 34};
constexpr QRect kMachineCaption{8, 6, 56, 22};
constexpr QRect kMachine{64, 6, 220, 22};
constexpr QRect kTechnicianCaption{300, 6, 72, 22};
constexpr QRect kTechnician{372, 6, 200, 22};
constexpr QRect kDateCaption{600, 6, 36, 22};
constexpr QRect kDate{636, 6, 146, 22};

// "Machine Model": the drawing, the machine names over it, the stationary feet and growth boxes
// under it (placed under the drawing's feet), the length letters in its gaps.
constexpr QRect kMachineModel{kLeftX, 38, kLeftWidth, 194};
constexpr QRect kDrawing{6, 40, 400, 100};
constexpr QRect kFixedCaption{kDrawing.x() + 4, 17, 40, 22};
constexpr QRect kMoveableCaption{kDrawing.x() + 200, 17, 58, 22};
constexpr QRect kFixedName{kDrawing.x() + 48, 17, 140, 22};
constexpr QRect kMoveableName{kDrawing.x() + 258, 17, 140, 22};
constexpr QSize kLengthLetter{16, 14};
constexpr int kStationY = kDrawing.y() + kDrawing.height() + 3;
constexpr int kGrowthY = kStationY + 24;
constexpr int kFootRowHeight = 22;
constexpr int kGrowthBoxWidth = 56;
constexpr int kFootCaptionWidth = 100;

// The two dial frames. Inside, the knobs and boxes stand like a clock face in a cross of cells:
// 12:00 at the top, 3:00 right, 6:00 at the bottom, 9:00 left.
constexpr int kDialFrameWidth = (kLeftWidth - 4) / 2;
constexpr QRect kDialFrame1{kLeftX, 234, kDialFrameWidth, 190};
constexpr QRect kDialFrame2{kLeftX + kDialFrameWidth + 4, 234, kDialFrameWidth, 190};
constexpr int kDialCell = 66;
constexpr QSize kKnob{64, 62};
constexpr int kDialLeft = (kDialFrameWidth - 3 * kDialCell) / 2;
constexpr int kReadingBoxInset = 7;
constexpr int kReadingBoxHeight = 21;
constexpr int kClockCaptionHeight = 16;
constexpr QRect kViewedNote{kDialLeft, 136, kDialCell, 48};

// Method, lengths and the window buttons along the bottom left.
constexpr QRect kCalculation{kLeftX, 428, 120, 96};
constexpr int kMethodOptionTop = 20;
constexpr int kMethodOptionPitch = 24;
constexpr QSize kMethodOption{108, 22};
constexpr QRect kLengthFrame{kLeftX + 124, 428, 140, 133};
constexpr QPoint kLengthGrid{9, 22};
constexpr int kLengthColumnWidth = 60;  // 900 twips
constexpr int kLengthRowHeight = 19;    // 285 twips
constexpr int kWindowButton = 40;
constexpr QRect kComments{kLeftX + 268, 438, kWindowButton, kWindowButton};
constexpr QRect kGrowthButton{kLeftX + 268 + 49, 438, kWindowButton, kWindowButton};
constexpr QRect kTolerancesButton{kLeftX + 268 + 98, 438, kWindowButton, kWindowButton};
constexpr QRect kReset{kLeftX + 268, 528, 138, 30};

// The results: each graph with its result line under it, and its buttons to the right.
constexpr int kGraphWidth = kRightWidth - 30;
constexpr int kGraphHeight = 155;
constexpr QRect kGraph1{kRightX, 40, kGraphWidth, kGraphHeight};
constexpr QRect kResult1{kRightX + 2, 40 + kGraphHeight + 1, kRightWidth - 2, 34};
constexpr QRect kGraph2{kRightX, 233, kGraphWidth, kGraphHeight};
constexpr QRect kResult2{kRightX + 2, 233 + kGraphHeight + 1, kRightWidth - 2, 34};
constexpr int kGraphButton = 26;
constexpr int kGraphButtonX = kRightX + kGraphWidth + 4;
constexpr QRect kGraph1Widen{kGraphButtonX, 46, kGraphButton, kGraphButton};
constexpr QRect kGraph1Narrow{kGraphButtonX, 76, kGraphButton, kGraphButton};
constexpr QRect kAutoScale{kGraphButtonX, 163, kGraphButton, kGraphButton};
constexpr QRect kMovesButton{kGraphButtonX, 329, kGraphButton, kGraphButton};
constexpr QRect kGraph2Widen{kGraphButtonX, 239, kGraphButton, kGraphButton};
constexpr QRect kGraph2Narrow{kGraphButtonX, 269, kGraphButton, kGraphButton};

// "Miscellaneous".
constexpr QRect kMiscellaneous{kRightX, 428, kRightWidth, 133};
constexpr QRect kUnits{8, 18, 124, 66};
constexpr QRect kEnglish{10, 18, 100, 22};
constexpr QRect kMetric{10, 40, 100, 22};
constexpr QRect kMiscCaption{6, 98, 88, 22};
constexpr QRect kMiscBox{94, 98, 46, 22};
constexpr QRect kGrowthSwitch{146, 22, 130, 22};
constexpr QRect kToleranceSwitch{146, 48, 130, 22};
constexpr QRect kMachines{146, 96, 104, 26};
constexpr QRect kRotation{254, 96, 114, 26};
constexpr QRect kBracketSide{146, 96, 150, 26};
constexpr QRect kBracketCaption{146, 70, 226, 26};

}  // namespace corvane::mainlayout
