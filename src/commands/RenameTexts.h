#pragma once
// Texts and the label check of the volume rename command.
#include <string>

namespace commands {

std::string RenamePrompt(const std::string& root);
std::string RenameConfirmation(const std::string& newName, const std::string& root);
std::string RenameFailure(const std::string& root);

// A label with control characters (line breaks, tabs) is never written to a
// volume: some file systems store it as typed and show it garbled afterwards.
bool IsWritableVolumeLabel(const std::string& label);

} // namespace commands
