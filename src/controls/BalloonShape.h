#pragma once
// The speech-balloon geometry of the tooltip: a rounded body around the text and
// a triangular stem below it whose tip touches the mouse pointer. The constants
// are the pixels of 96 DPI; BalloonMetricsAt gives them at a DPI.
#include "controls/PixelGeometry.h"

#include <array>

namespace controls {

constexpr int BalloonMarginX = 12;
constexpr int BalloonMarginY = 10;
constexpr int BalloonCornerWidth = 12;
constexpr int BalloonCornerHeight = 10;
constexpr int BalloonStemHeight = 25;
constexpr int BalloonIconGap = 5;
constexpr int BalloonFrameWidth = 3;   // the light frame inside the edge
constexpr int BalloonOutlineWidth = 1; // the dark outline on the edge

struct BalloonMetrics {
    int marginX = 0;
    int marginY = 0;
    int cornerWidth = 0;
    int cornerHeight = 0;
    int stemHeight = 0;
    int iconGap = 0;
    int frameWidth = 0;
    int outlineWidth = 0;
};
BalloonMetrics BalloonMetricsAt(int dpi);

struct BalloonShape {
    PixelRect body;                   // 0, 0, W, H
    std::array<PixelPoint, 3> stem{}; // the last-but-one point is the tip
    PixelSize window;                 // W, H + stem
    PixelPoint StemTip() const { return stem[1]; }
};

// `text` is the text's size as measured with one line per line break.
BalloonShape ComputeBalloonShape(const PixelSize& text, bool hasIcon, const PixelSize& icon,
                                 int dpi);

// Top-left corner of the balloon's window that puts the stem's tip on `anchor`.
PixelPoint BalloonOrigin(const BalloonShape& shape, const PixelPoint& anchor);

// Where the text is drawn inside the balloon's client area.
PixelRect BalloonTextRect(const PixelRect& client, bool hasIcon, const PixelSize& icon, int dpi);

// The icon's size is taken as twice its hot spot, kept to 8 bits.
PixelSize BalloonIconSize(unsigned hotSpotX, unsigned hotSpotY);

} // namespace controls
