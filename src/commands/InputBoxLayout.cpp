#include "commands/InputBoxLayout.h"

#include "base/Dpi.h"

namespace commands {

namespace {

void Offset(Rect& rect, int dx, int dy) {
    rect.left += dx;
    rect.right += dx;
    rect.top += dy;
    rect.bottom += dy;
}

} // namespace

InputBoxLayout LayOutInputBox(const Rect& text, const Rect& box, const InputBoxMetrics& metrics,
                              int dpi) {
    const auto px = [dpi](int pixels) { return base::Scale(pixels, dpi); };
    InputBoxLayout layout;

    Rect window = box;
    window.bottom -= px(7);
    Offset(window, -metrics.cxEdge, -(metrics.cyEdge + metrics.cyCaption));
    // Net effect: the same width, 20 pixels taller (27 more after 7 less).
    layout.boxX = window.left;
    layout.boxY = window.top - px(13);
    layout.boxWidth = window.Width();
    layout.boxHeight = window.Height() + px(27);

    window.bottom -= metrics.cyCaption + metrics.cyEdge;

    layout.edit.left = text.left;
    layout.edit.right = text.right;
    layout.edit.top = text.bottom + px(2);
    const int height = window.Height();
    const int seventhEighths = height - height / 8;
    layout.edit.bottom = seventhEighths > text.bottom ? seventhEighths : text.bottom;

    const int needed = layout.edit.Height() + 2 * metrics.cxEdge + px(34);
    if (window.Width() < needed) {
        layout.buttonShift = (needed - window.Width()) / 2;
    }

    layout.buttonTop = layout.edit.bottom + px(5);
    return layout;
}

} // namespace commands
