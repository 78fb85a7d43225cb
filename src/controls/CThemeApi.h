#pragma once
// The visual-style functions, looked up in the visual-styles library when a
// button first draws, so that the program also runs where it is missing. One
// table for the process; every wrapper answers false, 0 or nothing while the
// table is incomplete.
#include "framework/Handles.h"

#include <windows.h>

class CThemeApi {
  public:
    using ThemeHandle = HANDLE;
    struct ThemeTraits;
    // An open theme, closed when it goes out of scope.
    using Theme = fw::UniqueHandle<ThemeTraits>;

    CThemeApi() = delete;

    // Looks the functions up on the first call.
    static bool IsLoaded();
    static ThemeHandle OpenThemeData(HWND window, const char* classList);
    static bool CloseThemeData(ThemeHandle theme);
    static bool DrawThemeBackground(ThemeHandle theme, HDC dc, int part, int state,
                                    const RECT* rect, const RECT* clip);
    static bool DrawThemeText(ThemeHandle theme, HDC dc, int part, int state, const char* text,
                              DWORD textFlags, DWORD secondFlags, const RECT* rect);
    static bool IsAppThemed();

  private:
    using CloseThemeDataFn = HRESULT(WINAPI*)(ThemeHandle);
    using DrawThemeBackgroundFn = HRESULT(WINAPI*)(ThemeHandle, HDC, int, int, const RECT*,
                                                   const RECT*);
    using DrawThemeTextFn = HRESULT(WINAPI*)(ThemeHandle, HDC, int, int, LPCWSTR, int, DWORD, DWORD,
                                             const RECT*);
    using GetThemeBackgroundContentRectFn = HRESULT(WINAPI*)(ThemeHandle, HDC, int, int,
                                                             const RECT*, RECT*);
    using IsAppThemedFn = BOOL(WINAPI*)();
    using IsThemeActiveFn = BOOL(WINAPI*)();
    using OpenThemeDataFn = ThemeHandle(WINAPI*)(HWND, LPCWSTR);

    static bool Load();

    static CloseThemeDataFn closeThemeData;
    static DrawThemeBackgroundFn drawThemeBackground;
    static DrawThemeTextFn drawThemeText;
    static GetThemeBackgroundContentRectFn getThemeBackgroundContentRect;
    static IsAppThemedFn isAppThemed;
    static IsThemeActiveFn isThemeActive;
    static OpenThemeDataFn openThemeData;
};

struct CThemeApi::ThemeTraits {
    using Handle = HANDLE;
    static void Close(HANDLE theme) noexcept { CThemeApi::CloseThemeData(theme); }
};

// Push-button part and states of the visual styles.
constexpr int ThemePartPushButton = 1;
constexpr int ThemeStateNormal = 1;
constexpr int ThemeStateHot = 2;
constexpr int ThemeStatePressed = 3;
constexpr int ThemeStateDefaulted = 5;
