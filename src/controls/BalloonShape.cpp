#include "controls/BalloonShape.h"

#include "base/Dpi.h"

#include <cstdint>

namespace controls {

using base::Scale;

BalloonMetrics BalloonMetricsAt(int dpi) {
    BalloonMetrics metrics;
    metrics.marginX = Scale(BalloonMarginX, dpi);
    metrics.marginY = Scale(BalloonMarginY, dpi);
    metrics.cornerWidth = Scale(BalloonCornerWidth, dpi);
    metrics.cornerHeight = Scale(BalloonCornerHeight, dpi);
    metrics.stemHeight = Scale(BalloonStemHeight, dpi);
    metrics.iconGap = Scale(BalloonIconGap, dpi);
    metrics.frameWidth = Scale(BalloonFrameWidth, dpi);
    metrics.outlineWidth = Scale(BalloonOutlineWidth, dpi);
    return metrics;
}

BalloonShape ComputeBalloonShape(const PixelSize& text, bool hasIcon, const PixelSize& icon,
                                 int dpi) {
    const BalloonMetrics metrics = BalloonMetricsAt(dpi);
    int width = text.width + 2 * metrics.marginX;
    int height = text.height + 2 * metrics.marginY;
    if (hasIcon) {
        width += icon.width + metrics.iconGap;
        if (height < icon.height)
            height = icon.height;
    }
    const int stemX = width - Scale(12, dpi);
    const int stemTop = height - Scale(10, dpi);
    BalloonShape shape;
    shape.body = PixelRect{0, 0, width, height};
    shape.stem = {PixelPoint{stemX, stemTop}, PixelPoint{stemX, height + Scale(15, dpi)},
                  PixelPoint{width - Scale(37, dpi), stemTop}};
    shape.window = PixelSize{width, height + metrics.stemHeight};
    return shape;
}

PixelPoint BalloonOrigin(const BalloonShape& shape, const PixelPoint& anchor) {
    const PixelPoint tip = shape.StemTip();
    return PixelPoint{anchor.x - tip.x, anchor.y - tip.y};
}

PixelRect BalloonTextRect(const PixelRect& client, bool hasIcon, const PixelSize& icon, int dpi) {
    const BalloonMetrics metrics = BalloonMetricsAt(dpi);
    PixelRect rect = client;
    rect.left += metrics.marginX;
    rect.top += metrics.marginY;
    if (hasIcon)
        rect.left += icon.width + metrics.iconGap;
    return rect;
}

PixelSize BalloonIconSize(unsigned hotSpotX, unsigned hotSpotY) {
    return PixelSize{static_cast<std::uint8_t>(2 * hotSpotX),
                     static_cast<std::uint8_t>(2 * hotSpotY)};
}

} // namespace controls
