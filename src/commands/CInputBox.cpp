#include "commands/CInputBox.h"

#include "commands/InputBoxLayout.h"
#include "framework/Application.h"
#include "framework/CreationHook.h"
#include "framework/Dpi.h"
#include "resource.h"

#include <algorithm>

namespace {

constexpr DWORD EditStyle =
    WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | ES_WANTRETURN | ES_AUTOVSCROLL | ES_MULTILINE;
constexpr int MessageTextId = 0xFFFF;

commands::Rect NormalPosition(HWND window) {
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof placement;
    GetWindowPlacement(window, &placement);
    const RECT& r = placement.rcNormalPosition;
    return {r.left, r.top, r.right, r.bottom};
}

struct ButtonMove {
    int shift;
    int top;
};

BOOL CALLBACK MoveButton(HWND child, LPARAM lParam) {
    char className[256] = {};
    GetClassNameA(child, className, sizeof className - 1);
    if (lstrcmpA(className, "Button") == 0) {
        const auto* move = reinterpret_cast<const ButtonMove*>(lParam);
        const commands::Rect rect = NormalPosition(child);
        SetWindowPos(child, nullptr, rect.left + move->shift, move->top, rect.Width(),
                     rect.Height(), SWP_NOZORDER);
    }
    return TRUE;
}

} // namespace

CInputBox::CInputBox(HWND parent) : parent(parent) {}

CInputBox::~CInputBox() {
    if (fw::IsWindowCreateHooked()) {
        fw::UnhookWindowCreate();
    }
}

const fw::MessageMap& CInputBox::Messages() {
    static const fw::MessageEntry entries[] = {
        fw::OnMessage<&CInputBox::OnCreate>(WM_CREATE),
        fw::OnMessage<&CInputBox::OnInitDialog>(WM_INITDIALOG),
        fw::OnNotify<&CInputBox::OnEditKillFocus>(EN_KILLFOCUS, IDC_INPUT_EDIT),
    };
    static const fw::MessageMap map(entries, &fw::Window::Messages());
    return map;
}

int CInputBox::Show(const char* prompt, std::string* result, UINT) {
    answerText = result;
    edit = nullptr;
    fw::HookNextWindowCreate(*this, "#32770");
    const int answer = fw::AppMessageBox(prompt, MB_ICONQUESTION);
    fw::UnhookWindowCreate();
    return answer;
}

LRESULT CInputBox::OnCreate(WPARAM, LPARAM) {
    fw::UnhookWindowCreate();
    return Default();
}

LRESULT CInputBox::OnInitDialog(WPARAM, LPARAM) {
    const LRESULT result = Default();
    HWND box = GetHwnd();
    HWND text = ::GetDlgItem(box, MessageTextId);
    const commands::Rect textRect = NormalPosition(text);
    const auto font = static_cast<WPARAM>(SendMessageA(text, WM_GETFONT, 0, 0));

    const int dpi = fw::WindowDpi(box);
    const commands::InputBoxMetrics metrics{fw::SystemMetric(SM_CXEDGE, dpi),
                                            fw::SystemMetric(SM_CYEDGE, dpi),
                                            fw::SystemMetric(SM_CYCAPTION, dpi)};
    const commands::InputBoxLayout layout =
        commands::LayOutInputBox(textRect, NormalPosition(box), metrics, dpi);
    MoveWindow(box, layout.boxX, layout.boxY, layout.boxWidth, layout.boxHeight, TRUE);
    CenterOverParent();

    const commands::Rect& e = layout.edit;
    edit = CreateWindowExA(0, "EDIT", "", EditStyle, e.left, e.top, e.Width(), e.Height(), box,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_INPUT_EDIT)),
                           fw::ResourceInstance(), nullptr);
    // Without an edit control the box stays a plain message box, only taller.
    if (edit == nullptr) {
        return result;
    }
    SendMessageA(edit, WM_SETFONT, font, TRUE);
    SetFocus(edit);
    ButtonMove move{layout.buttonShift, layout.buttonTop};
    EnumChildWindows(box, MoveButton, reinterpret_cast<LPARAM>(&move));
    return result;
}

void CInputBox::OnEditKillFocus() {
    if (answerText == nullptr || edit == nullptr) {
        return;
    }
    const int length = GetWindowTextLengthA(edit);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(edit, &text[0], length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    *answerText = text;
}

void CInputBox::CenterOverParent() {
    RECT box = {};
    GetWindowRect(GetHwnd(), &box);
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    RECT area = work;
    if (parent != nullptr && IsWindowVisible(parent)) {
        GetWindowRect(parent, &area);
    }
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    // Keep the whole box on the screen, as a parent near an edge would not.
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));
    SetWindowPos(GetHwnd(), nullptr, x, y, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
}
