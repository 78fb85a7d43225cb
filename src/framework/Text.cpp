#include "framework/Text.h"

#include "framework/Handles.h"

#include <shellapi.h>

#include <vector>

namespace fw {

std::wstring Widen(const std::string& text) {
    // Flags 0: the UTF-8 code page refuses any other.
    const int length =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0) {
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), &wide[0],
                            length);
    }
    return wide;
}

namespace {

std::string FromWide(const std::wstring& text, UINT codePage) {
    const int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string converted(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0) {
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &converted[0],
                            length, nullptr, nullptr);
    }
    return converted;
}

} // namespace

std::string ToUtf8(const std::string& text) {
    return GetACP() == CP_UTF8 ? text : FromWide(Widen(text), CP_UTF8);
}

std::vector<std::string> CommandLineArguments() {
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    const LocalMemory owner(words);
    for (int i = 1; words != nullptr && i < count; ++i) {
        arguments.push_back(FromWide(words[i], CP_ACP));
    }
    return arguments;
}

std::string ModuleFileName() {
    // Grows the buffer instead of cutting a long program path short.
    std::vector<char> buffer(PathBufferSize);
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, buffer.data(), DWORD(buffer.size()));
        if (length == 0) {
            return std::string();
        }
        if (length < buffer.size() - 1 || buffer.size() > 32768 * 4) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace fw
