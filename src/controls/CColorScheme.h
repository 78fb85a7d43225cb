#pragma once
// The colour scheme the program draws with: whether the system's high-contrast
// mode is on, and the system colours. Tests put a scheme of their own in the
// system's place (the system here cannot switch high contrast on).
#include "base/Color.h"

#include <windows.h>

namespace controls {

using ColorSchemeSource = base::ColorScheme (*)();

// The scheme of the system, or of the source a test put in its place.
base::ColorScheme CurrentColorScheme();
// Null puts the system back; returns the source that was in place.
ColorSchemeSource SetColorSchemeSource(ColorSchemeSource source) noexcept;

// The colour for `use` in the current scheme.
inline COLORREF ColorOf(base::ColorUse use) {
    return base::ColorFor(use, CurrentColorScheme());
}

} // namespace controls
