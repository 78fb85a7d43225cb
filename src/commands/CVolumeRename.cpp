#include "commands/CVolumeRename.h"

#include "commands/CInputBox.h"
#include "commands/RenameTexts.h"

bool CVolumeRename::Run(HWND owner, const std::string& root) {
    std::string newName;
    CInputBox inputBox(owner);
    // Closing the box with Escape or the close box also goes on to the question.
    inputBox.Show(commands::RenamePrompt(root).c_str(), &newName, 0);

    const std::string confirmation = commands::RenameConfirmation(newName, root);
    if (MessageBoxA(owner, confirmation.c_str(), "O1", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return false;
    }
    if (!commands::IsWritableVolumeLabel(newName) ||
        !SetVolumeLabelA(root.c_str(), newName.c_str())) {
        MessageBoxA(owner, commands::RenameFailure(root).c_str(), "O1", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
