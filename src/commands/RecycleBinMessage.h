#pragma once
// The recycle-bin command: what it asks the system about the bins, what it
// does with the answers, and what it tells the user.
#include <cstdint>
#include <string>

namespace commands {

struct RecycleBinContents {
    std::int64_t size = 0; // bytes
    std::int64_t items = 0;
};

// The recycle bins of all drives as the system answers for them; the program
// asks the shell, tests a fake.
class RecycleBin {
  public:
    virtual ~RecycleBin() = default;
    // False when the system cannot tell.
    virtual bool QueryContents(RecycleBinContents& contents) = 0;
    // Empties every bin without asking; false when that failed.
    virtual bool EmptyAll() = 0;
};

constexpr const char* RecycleBinEmptyText = "Your Recycle Bin is empty.";
constexpr const char* RecycleBinEmptiedText = "The Recycle Bin has been emptied.";
constexpr const char* RecycleBinNotEmptiedText = "The Recycle Bin could not be emptied.";

// The bins are empty only when they hold no bytes and no items.
inline bool RecycleBinIsEmpty(const RecycleBinContents& contents) {
    return contents.size == 0 && contents.items == 0;
}

// "Deleted: N element(s).\r\nReleased...": the count and the size in the
// largest unit that the size exceeds (Bytes, KB, MB or GB, cut toward zero).
std::string RecycleBinReleasedText(std::int64_t sizeInBytes, std::int64_t itemCount);

struct EmptyingOutcome {
    bool emptied = false;
    std::string text; // what the user is told
};
// Empties the bins unless they are empty. They count as emptied only when the
// system says so and they are found empty afterwards; what was released is
// told when it was known before.
EmptyingOutcome EmptyRecycleBin(RecycleBin& bin);

} // namespace commands
