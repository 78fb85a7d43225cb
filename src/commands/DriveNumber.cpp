#include "commands/DriveNumber.h"

#include "drives/DriveInventory.h"

namespace commands {

int ShellDriveNumber(const std::string& root) {
    for (std::size_t i = 0; i < drives::DriveRootTable.size(); ++i) {
        if (root == drives::DriveRootTable[i]) {
            return static_cast<int>(i) + 2;
        }
    }
    return -1;
}

} // namespace commands
