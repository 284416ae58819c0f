#pragma once

#ifdef _WIN32

#include <string>
#include <string_view>

namespace sysinfo {

// Conversions between UTF-8 and the Windows code pages the API calls take.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
std::string AnsiFromUtf8(std::string_view text);
std::string Utf8FromAnsi(std::string_view bytes);

}  // namespace sysinfo

#endif
