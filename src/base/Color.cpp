#include "base/Color.h"

namespace base {

Color ColorFor(ColorUse use, const ColorScheme& scheme) {
    const SystemColors& system = scheme.system;
    if (scheme.highContrast) {
        switch (use) {
        case ColorUse::Warning:
        case ColorUse::BarStart:
        case ColorUse::BarEnd:
            return system.highlight;
        case ColorUse::Background:
        case ColorUse::AboutBackground:
            return system.window;
        case ColorUse::BarTextOnBar:
            return system.highlightText;
        default:
            return system.windowText;
        }
    }
    switch (use) {
    case ColorUse::Text:
        return system.windowText;
    case ColorUse::Title:
        return Rgb(25, 25, 112);
    case ColorUse::Figure:
        return Rgb(178, 34, 34);
    case ColorUse::Fine:
        return Rgb(0, 0, 205);
    case ColorUse::Warning:
        return Rgb(255, 0, 0);
    case ColorUse::Background:
        return system.window;
    case ColorUse::AboutBackground:
        return Rgb(250, 255, 250);
    case ColorUse::BarStart:
        return Rgb(173, 216, 230);
    case ColorUse::BarEnd:
        return Rgb(165, 42, 42);
    case ColorUse::BarTextOnBar:
        return system.highlightText;
    case ColorUse::BarTextOnBackground:
        return system.buttonText;
    case ColorUse::AboutText:
    case ColorUse::Frame:
        break;
    }
    return Rgb(0, 0, 0);
}

} // namespace base
