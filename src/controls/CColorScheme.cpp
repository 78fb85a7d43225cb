#include "controls/CColorScheme.h"

#include <utility>

namespace controls {
namespace {

base::ColorScheme SystemColorScheme() {
    base::ColorScheme scheme;
    HIGHCONTRASTA highContrast{};
    highContrast.cbSize = sizeof highContrast;
    scheme.highContrast =
        SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof highContrast, &highContrast, 0) &&
        (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    scheme.system = base::SystemColors{
        GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_WINDOW), GetSysColor(COLOR_HIGHLIGHT),
        GetSysColor(COLOR_HIGHLIGHTTEXT), GetSysColor(COLOR_BTNTEXT)};
    return scheme;
}

ColorSchemeSource source = &SystemColorScheme;

} // namespace

base::ColorScheme CurrentColorScheme() {
    return source();
}

ColorSchemeSource SetColorSchemeSource(ColorSchemeSource newSource) noexcept {
    return std::exchange(source, newSource != nullptr ? newSource : &SystemColorScheme);
}

} // namespace controls
