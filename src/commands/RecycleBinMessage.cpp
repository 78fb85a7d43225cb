#include "commands/RecycleBinMessage.h"

#include "base/Format.h"

namespace commands {

std::string RecycleBinReleasedText(std::int64_t sizeInBytes, std::int64_t itemCount) {
    constexpr std::int64_t KB = 1024;
    constexpr std::int64_t MB = KB * 1024;
    constexpr std::int64_t GB = MB * 1024;
    const bool single = itemCount == 1;
    const char* format;
    std::int64_t value;
    if (sizeInBytes <= KB) {
        format = single ? "Deleted: %lld element.\r\nReleased: %lld Bytes."
                        : "Deleted: %lld elements..\r\nReleased: %lld Bytes.";
        value = sizeInBytes;
    } else if (sizeInBytes <= MB) {
        format = single ? "Deleted: %lld element.\r\nReleased: %lld KB."
                        : "Deleted: %lld elements.\r\nReleased: %lld KB.";
        value = sizeInBytes / KB;
    } else if (sizeInBytes <= GB) {
        format = single ? "Deleted: %lld element.\r\nReleased about: %lld MB."
                        : "Deleted: %lld elements.\r\nReleased about: %lld MB.";
        value = sizeInBytes / KB / KB;
    } else {
        format = single ? "Deleted: %lld element.\r\nReleased about: %lld GB."
                        : "Deleted: %lld elements.\r\nReleased about: %lld GB.";
        value = sizeInBytes / KB / KB / KB;
    }
    return base::Format(format, static_cast<long long>(itemCount), static_cast<long long>(value));
}

EmptyingOutcome EmptyRecycleBin(RecycleBin& bin) {
    RecycleBinContents before;
    const bool known = bin.QueryContents(before);
    if (known && RecycleBinIsEmpty(before)) {
        return {false, RecycleBinEmptyText};
    }
    RecycleBinContents after;
    if (!bin.EmptyAll() || !bin.QueryContents(after) || !RecycleBinIsEmpty(after)) {
        return {false, RecycleBinNotEmptiedText};
    }
    return {true,
            known ? RecycleBinReleasedText(before.size, before.items) : RecycleBinEmptiedText};
}

} // namespace commands
