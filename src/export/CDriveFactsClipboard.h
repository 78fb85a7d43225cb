#pragma once
// "Copy to clipboard infos" and F3: the selected drive's facts, asked afresh,
// as text on the clipboard.
#include "drives/CDriveView.h"
#include "framework/Window.h"

#include <string>

class CDriveFactsClipboard {
  public:
    CDriveFactsClipboard(fw::Window& owner, drives::CDriveView& view) noexcept
        : owner(owner), view(view) {}

    void Copy();
    // Replaces the clipboard's contents with the text; nothing when another
    // program holds the clipboard.
    static void CopyText(HWND owner, const std::string& text);

  private:
    fw::Window& owner;
    drives::CDriveView& view;
};
