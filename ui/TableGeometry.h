#pragma once

#include <QSize>

namespace vorbia {

// The table as laid out, in device-independent pixels of the drawing area.
constexpr int kCardWidth = 58;
constexpr int kCardHeight = 99;

constexpr int kTitlePanelHeight = 28;
constexpr int kComputerNamePanelHeight = 30;
constexpr int kHumanNamePanelHeight = 30;

constexpr int kTableEdgeX = 158;
constexpr int kTableEdgeTop = 48;

constexpr int kNewMatchButtonLeft = 6;
constexpr int kNewMatchButtonTop = 3;
constexpr int kNewMatchButtonSize = 22;
// The new-match button's picture, shown at its own size: scaled down it blurs.
constexpr QSize kNewMatchPictureSize{22, 21};

constexpr int kLastCardCaptionLeft = 4;
constexpr int kLastCardCaptionTop = 7;
constexpr QSize kLastCardCaptionSize{122, 13};

// Index 0 is the human's, 1 the computer's.
constexpr int kScoreLeft[2] = {3, 4};
constexpr QSize kScoreCaptionSize{67, 16};
constexpr QSize kScoreBarSize{67, 7};

// The background picture's size before any picture is loaded into it.
constexpr QSize kBackgroundDesignSize{157, 154};

// The drawing area the table was designed around; tests use it instead of the screen.
constexpr QSize kDesignDrawingArea{1016, 700};

}  // namespace vorbia
