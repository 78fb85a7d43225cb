#pragma once
// "Take a screen shot": the picture of the whole main window, frame included,
// saved as an uncompressed bitmap file where the user chooses.
#include "framework/Window.h"

class CScreenshotFile {
  public:
    explicit CScreenshotFile(fw::Window& owner) noexcept : owner(owner) {}

    // Captures the window while it is visible, hides it for the file dialog,
    // saves the picture, shows the window again and empties the clipboard.
    void Take();

  private:
    fw::Window& owner;
};
