#pragma once
// What the recycle-bin command tells the user.
#include <cstdint>
#include <string>

namespace commands {

constexpr const char* RecycleBinEmptyText = "Your Recycle Bin is empty.";

// The bins count as empty when their items total 0 bytes, whatever the count.
inline bool RecycleBinIsEmpty(std::int64_t sizeInBytes) {
    return sizeInBytes == 0;
}

// "Deleted: N element(s).\r\nReleased...": the count and the size in the
// largest unit that the size exceeds (Bytes, KB, MB or GB, cut toward zero).
std::string RecycleBinReleasedText(std::int64_t sizeInBytes, std::int64_t itemCount);

} // namespace commands
