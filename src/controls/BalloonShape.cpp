#include "controls/BalloonShape.h"

#include <cstdint>

namespace controls {

BalloonShape ComputeBalloonShape(const PixelSize& text, bool hasIcon, const PixelSize& icon) {
    int width = text.width + 2 * BalloonMarginX;
    int height = text.height + 2 * BalloonMarginY;
    if (hasIcon) {
        width += icon.width + BalloonIconGap;
        if (height < icon.height)
            height = icon.height;
    }
    BalloonShape shape;
    shape.body = PixelRect{0, 0, width, height};
    shape.stem = {PixelPoint{width - 12, height - 10}, PixelPoint{width - 12, height + 15},
                  PixelPoint{width - 37, height - 10}};
    shape.window = PixelSize{width, height + BalloonStemHeight};
    return shape;
}

PixelPoint BalloonOrigin(const BalloonShape& shape, const PixelPoint& anchor) {
    const PixelPoint tip = shape.StemTip();
    return PixelPoint{anchor.x - tip.x, anchor.y - tip.y};
}

PixelRect BalloonTextRect(const PixelRect& client, bool hasIcon, const PixelSize& icon) {
    PixelRect rect = client;
    rect.left += BalloonMarginX;
    rect.top += BalloonMarginY;
    if (hasIcon)
        rect.left += icon.width + BalloonIconGap;
    return rect;
}

PixelSize BalloonIconSize(unsigned hotSpotX, unsigned hotSpotY) {
    return PixelSize{static_cast<std::uint8_t>(2 * hotSpotX),
                     static_cast<std::uint8_t>(2 * hotSpotY)};
}

} // namespace controls
