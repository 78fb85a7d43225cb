#pragma once
// Geometry of the input box: a message box made 20 pixels taller, with an edit
// control under its prompt and its buttons moved under the edit control. The
// steps are those of 96 DPI, scaled to the box's DPI; the metrics are the
// system's at that DPI.

#include "controls/PixelGeometry.h"

namespace commands {

using Rect = controls::PixelRect;

struct InputBoxMetrics {
    int cxEdge = 0;
    int cyEdge = 0;
    int cyCaption = 0;
};

struct InputBoxLayout {
    // Where the box is moved before it is centred over its parent.
    int boxX = 0;
    int boxY = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    Rect edit;           // in the box's client coordinates
    int buttonShift = 0; // pixels every button moves right (widening rule)
    int buttonTop = 0;   // the buttons' new vertical position
};

// `text` is the prompt control's rectangle in the box's client coordinates,
// `box` the box's own rectangle as the system laid it out.
InputBoxLayout LayOutInputBox(const Rect& text, const Rect& box, const InputBoxMetrics& metrics,
                              int dpi);

} // namespace commands
