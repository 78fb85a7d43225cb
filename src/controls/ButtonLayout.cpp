#include "controls/ButtonLayout.h"

#include "base/Dpi.h"

namespace controls {

ButtonLayout LayOutImageButton(const PixelRect& item, const PixelSize& icon, bool hasIcon,
                               bool hasCaption, int placement, bool sunken, int dpi) {
    const int press = base::Scale(1, dpi);
    ButtonLayout layout{item, item};
    if (hasIcon) {
        PixelRect& iconBox = layout.iconBox;
        PixelRect& textBox = layout.textBox;
        if (hasCaption) {
            const int half = icon.width / 2;
            const int width = textBox.Width();
            if (placement == IconRightOfCaption) {
                textBox.left = half;
                textBox.right = width - half - icon.width;
                iconBox.left = item.right - half - icon.width;
            } else {
                textBox.right = width - half;
                textBox.left = 2 * icon.width;
                iconBox.left = half;
            }
        } else {
            iconBox.left += (iconBox.Width() - icon.width) / 2;
        }
        iconBox.top += (iconBox.Height() - icon.height) / 2;
        if (sunken)
            iconBox.Offset(press, press);
    }
    if (sunken)
        layout.textBox.Offset(press, press);
    return layout;
}

PixelRect FocusRect(const PixelRect& frame, int dpi) {
    const int inset = base::Scale(3, dpi);
    return PixelRect{frame.left + inset, frame.top + inset, frame.right - inset,
                     frame.bottom - inset};
}

PixelRect CentreCaptionVertically(const PixelRect& box, const PixelRect& measured) {
    PixelRect centred = measured;
    centred.Offset(0, (box.Height() - measured.Height()) / 2);
    return centred;
}

} // namespace controls
