#include "controls/CThemeApi.h"

#include <string>

CThemeApi::CloseThemeDataFn CThemeApi::closeThemeData = nullptr;
CThemeApi::DrawThemeBackgroundFn CThemeApi::drawThemeBackground = nullptr;
CThemeApi::DrawThemeTextFn CThemeApi::drawThemeText = nullptr;
CThemeApi::GetThemeBackgroundContentRectFn CThemeApi::getThemeBackgroundContentRect = nullptr;
CThemeApi::IsAppThemedFn CThemeApi::isAppThemed = nullptr;
CThemeApi::IsThemeActiveFn CThemeApi::isThemeActive = nullptr;
CThemeApi::OpenThemeDataFn CThemeApi::openThemeData = nullptr;
fw::Library CThemeApi::library;
bool CThemeApi::loaded = false;
int CThemeApi::referenceCount = 0;

namespace {

template <typename Function> bool LookUp(HMODULE library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    return function != nullptr;
}

std::wstring Widen(const char* text) {
    if (text == nullptr)
        return std::wstring();
    const int length = MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_ACP, MB_PRECOMPOSED, text, -1, &wide[0], length);
    wide.resize(std::size_t(length - 1));
    return wide;
}

} // namespace

CThemeApi::CThemeApi() {
    ++referenceCount;
    if (!loaded)
        Load();
}

CThemeApi::~CThemeApi() {
    if (referenceCount > 0)
        --referenceCount;
    if (referenceCount == 0)
        Unload();
}

void CThemeApi::Load() {
    library.Reset(LoadLibraryA("UXTHEME.DLL"));
    if (!library)
        return;
    // All seven are looked up in this order; a missing one makes the table unusable.
    HMODULE module = library.Get();
    const bool found =
        LookUp(module, "CloseThemeData", closeThemeData) &&
        LookUp(module, "DrawThemeBackground", drawThemeBackground) &&
        LookUp(module, "DrawThemeText", drawThemeText) &&
        LookUp(module, "GetThemeBackgroundContentRect", getThemeBackgroundContentRect) &&
        LookUp(module, "IsAppThemed", isAppThemed) &&
        LookUp(module, "IsThemeActive", isThemeActive) &&
        LookUp(module, "OpenThemeData", openThemeData);
    if (found) {
        loaded = true;
        return;
    }
    library.Reset();
}

void CThemeApi::Unload() {
    library.Reset();
    loaded = false;
}

CThemeApi::ThemeHandle CThemeApi::OpenThemeData(HWND window, const char* classList) {
    if (!loaded)
        return nullptr;
    const std::wstring wide = Widen(classList);
    return openThemeData(window, wide.c_str());
}

bool CThemeApi::CloseThemeData(ThemeHandle theme) {
    if (!loaded || theme == nullptr)
        return false;
    return closeThemeData(theme) >= 0;
}

bool CThemeApi::DrawThemeBackground(ThemeHandle theme, HDC dc, int part, int state,
                                    const RECT* rect, const RECT* clip) {
    if (!loaded || theme == nullptr)
        return false;
    return drawThemeBackground(theme, dc, part, state, rect, clip) >= 0;
}

bool CThemeApi::DrawThemeText(ThemeHandle theme, HDC dc, int part, int state, const char* text,
                              DWORD textFlags, DWORD secondFlags, const RECT* rect) {
    if (!loaded || theme == nullptr)
        return false;
    const std::wstring wide = Widen(text);
    return drawThemeText(theme, dc, part, state, wide.c_str(), int(wide.size()), textFlags,
                         secondFlags, rect) >= 0;
}

bool CThemeApi::IsAppThemed() {
    return loaded && isAppThemed() != FALSE;
}
