#pragma once
#include "drives/DriveInventory.h"

#include <string>

namespace commands {

// Reads the volume information of `root` afresh into the inventory's facts and
// returns the label; empty when the volume cannot be read (the facts are then
// left as they were).
std::string RereadVolumeLabel(drives::DriveInventory& inventory, const std::string& root);

} // namespace commands
