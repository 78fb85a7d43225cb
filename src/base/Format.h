#pragma once
// printf-style formatting into std::string. The conversions are the C
// library's, so "%.2f", "%X" and "%lld" give the same bytes on every runtime
// that has a conforming printf (mingw builds use __USE_MINGW_ANSI_STDIO).
#include <cstdarg>
#include <string>

namespace base {

#if defined(__GNUC__)
#define ORBELUNE_PRINTF(fmt, args) __attribute__((format(gnu_printf, fmt, args)))
#else
#define ORBELUNE_PRINTF(fmt, args)
#endif

std::string Format(const char* format, ...) ORBELUNE_PRINTF(1, 2);
std::string FormatV(const char* format, va_list args);

bool EndsWithNoCase(const std::string& text, const std::string& suffix);

// The longest start of `text` of at most `maxBytes` bytes that does not end
// inside a UTF-8 character, whose bytes after the first are 10xxxxxx.
std::string Utf8Prefix(const std::string& text, std::size_t maxBytes);

} // namespace base
