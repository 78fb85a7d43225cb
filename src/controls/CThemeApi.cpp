#include "controls/CThemeApi.h"

#include "framework/SystemLibrary.h"
#include "framework/Text.h"

#include <string>

CThemeApi::CloseThemeDataFn CThemeApi::closeThemeData = nullptr;
CThemeApi::DrawThemeBackgroundFn CThemeApi::drawThemeBackground = nullptr;
CThemeApi::DrawThemeTextFn CThemeApi::drawThemeText = nullptr;
CThemeApi::GetThemeBackgroundContentRectFn CThemeApi::getThemeBackgroundContentRect = nullptr;
CThemeApi::IsAppThemedFn CThemeApi::isAppThemed = nullptr;
CThemeApi::IsThemeActiveFn CThemeApi::isThemeActive = nullptr;
CThemeApi::OpenThemeDataFn CThemeApi::openThemeData = nullptr;

namespace {

template <typename Function> bool LookUp(const char* name, Function& function) {
    function = fw::SystemFunction<Function>("UXTHEME.DLL", name);
    return function != nullptr;
}

} // namespace

bool CThemeApi::IsLoaded() {
    static const bool loaded = Load();
    return loaded;
}

bool CThemeApi::Load() {
    // All seven are looked up in this order; a missing one makes the table unusable.
    return LookUp("CloseThemeData", closeThemeData) &&
           LookUp("DrawThemeBackground", drawThemeBackground) &&
           LookUp("DrawThemeText", drawThemeText) &&
           LookUp("GetThemeBackgroundContentRect", getThemeBackgroundContentRect) &&
           LookUp("IsAppThemed", isAppThemed) && LookUp("IsThemeActive", isThemeActive) &&
           LookUp("OpenThemeData", openThemeData);
}

CThemeApi::ThemeHandle CThemeApi::OpenThemeData(HWND window, const char* classList) {
    if (!IsLoaded())
        return nullptr;
    const std::wstring wide = fw::Widen(classList != nullptr ? classList : "");
    return openThemeData(window, wide.c_str());
}

bool CThemeApi::CloseThemeData(ThemeHandle theme) {
    if (!IsLoaded() || theme == nullptr)
        return false;
    return closeThemeData(theme) >= 0;
}

bool CThemeApi::DrawThemeBackground(ThemeHandle theme, HDC dc, int part, int state,
                                    const RECT* rect, const RECT* clip) {
    if (!IsLoaded() || theme == nullptr)
        return false;
    return drawThemeBackground(theme, dc, part, state, rect, clip) >= 0;
}

bool CThemeApi::DrawThemeText(ThemeHandle theme, HDC dc, int part, int state, const char* text,
                              DWORD textFlags, DWORD secondFlags, const RECT* rect) {
    if (!IsLoaded() || theme == nullptr)
        return false;
    const std::wstring wide = fw::Widen(text != nullptr ? text : "");
    return drawThemeText(theme, dc, part, state, wide.c_str(), int(wide.size()), textFlags,
                         secondFlags, rect) >= 0;
}

bool CThemeApi::IsAppThemed() {
    return IsLoaded() && isAppThemed() != FALSE;
}
