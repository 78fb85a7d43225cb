#include "app/CMainDialog.h"

#include "commands/CInputBox.h"
#include "commands/RenameTexts.h"

void CMainDialog::OnRenameVolume() {
    std::string newName;
    const std::string prompt = commands::RenamePrompt(SelectedDriveRoot());
    CInputBox inputBox(GetHwnd());
    // Closing the box with Escape or the close box also goes on to the question.
    inputBox.Show(prompt.c_str(), &newName, 0);

    const std::string confirmation = commands::RenameConfirmation(newName, SelectedDriveRoot());
    if (MessageBoxA(GetHwnd(), confirmation.c_str(), "O1", MB_YESNO | MB_ICONQUESTION) != IDYES) {
        return;
    }
    const std::string root = SelectedDriveRoot();
    if (!commands::IsWritableVolumeLabel(newName) ||
        !SetVolumeLabelA(root.c_str(), newName.c_str())) {
        MessageBoxA(GetHwnd(), commands::RenameFailure(root).c_str(), "O1",
                    MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    ShowSelectedDrive();
}
