#pragma once

#include <QSize>

namespace vorbia {

// The table as laid out, in device-independent pixels of the drawing area.
constexpr int kCardWidth = 58;
constexpr int kCardHeight = 99;

constexpr int kPanel3D1Height = 28;
constexpr int kPanel3D2Height = 30;
constexpr int kPanel3D3Height = 30;

constexpr int kLine1X = 158;
constexpr int kLine1Top = 48;

constexpr int kCommand3d1Left = 6;
constexpr int kCommand3d1Top = 3;
constexpr int kCommand3d1Size = 22;
// The new-match button's picture, shown at its own size: scaled down it blurs.
constexpr QSize kNewMatchPictureSize{22, 21};

constexpr int kLabel2Left = 4;
constexpr int kLabel2Top = 7;
constexpr QSize kLabel2Size{122, 13};

// Index 0 is the human's, 1 the computer's.
constexpr int kScoreLeft[2] = {3, 4};
constexpr QSize kLabel1Size{67, 16};
constexpr QSize kPicture3Size{67, 7};

// Picture2 before any picture is loaded into it.
constexpr QSize kPicture2DesignSize{157, 154};

// The drawing area the table was designed around; tests use it instead of the screen.
constexpr QSize kDesignDrawingArea{1016, 700};

}  // namespace vorbia
