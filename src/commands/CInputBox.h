#pragma once
// A one-line question with a free-text answer: an ordinary message box taken
// over while it is created, with a multi-line edit control under its prompt.
#include "framework/Window.h"

#include <string>

class CInputBox : public fw::Window {
  public:
    // `parent` is the window the box is centred over.
    explicit CInputBox(HWND parent);
    ~CInputBox() override;

    // Shows the box modally; `result` receives the edit control's text each
    // time the control loses the focus. Returns the message box's result.
    int Show(const char* prompt, std::string* result, UINT helpId);

    static const fw::MessageMap& Messages();
    const fw::MessageMap& GetMessageMap() const override { return Messages(); }

  private:
    LRESULT OnCreate(WPARAM wParam, LPARAM lParam);
    LRESULT OnInitDialog(WPARAM wParam, LPARAM lParam);
    void OnEditKillFocus();

    void CenterOverParent();

    HWND parent = nullptr;
    HWND edit = nullptr;
    std::string* answerText = nullptr; // the caller's string
};
