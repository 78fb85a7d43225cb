#include "app/CMainDialog.h"

#include "commands/ShortcutNames.h"
#include "commands/VolumeLabel.h"

#include <shlobj.h>

#include <ctime>

void CMainDialog::OnShortcutOnDesktop() {
    const std::string label = commands::RereadVolumeLabel(inventory, SelectedDriveRoot());
    const std::time_t now = std::time(nullptr);
    const std::string description = commands::ShortcutDescription(std::localtime(&now));
    const std::string root = SelectedDriveRoot();
    shortcut.CreateShortcut(root, commands::ShortcutName(label, root), CSIDL_DESKTOP, description,
                            "", 0);
}
