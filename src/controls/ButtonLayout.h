#pragma once
// Where an image button puts its icon and its caption.
#include "controls/PixelGeometry.h"

namespace controls {

// Icon to the right of the caption; every other placement puts it on the left.
constexpr int IconRightOfCaption = 2;

struct ButtonLayout {
    PixelRect iconBox; // the icon is drawn at its top-left corner
    PixelRect textBox; // before the caption is centred vertically in it
};

// `item` is the button's client rectangle (left and top 0); `icon` is the icon's
// size, or 0 x 0 without an icon. `sunken` is the classic pressed look, which
// moves icon and caption one pixel (at 96 DPI) right and down.
ButtonLayout LayOutImageButton(const PixelRect& item, const PixelSize& icon, bool hasIcon,
                               bool hasCaption, int placement, bool sunken, int dpi);

// The focus rectangle: 3 pixels (at 96 DPI) inside the button's frame.
PixelRect FocusRect(const PixelRect& frame, int dpi);

// Moves a caption measured as `measured` (its top-left at the box's) down so that
// it sits in the middle of `box`.
PixelRect CentreCaptionVertically(const PixelRect& box, const PixelRect& measured);

} // namespace controls
