#include "app/sysinfo/text_encoding.h"

#ifdef _WIN32

#include <windows.h>

namespace sysinfo {
namespace {

std::wstring Widen(UINT code_page, std::string_view text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(code_page, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                      length);
  return wide;
}

std::string Narrow(UINT code_page, std::wstring_view text) {
  if (text.empty()) return {};
  const int length = WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()),
                                         nullptr, 0, nullptr, nullptr);
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(code_page, 0, text.data(), static_cast<int>(text.size()), narrow.data(),
                      length, nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) {
  return Widen(CP_UTF8, text);
}
std::string Utf8FromWide(std::wstring_view text) {
  return Narrow(CP_UTF8, text);
}
std::string AnsiFromUtf8(std::string_view text) {
  return Narrow(CP_ACP, WideFromUtf8(text));
}
std::string Utf8FromAnsi(std::string_view bytes) {
  return Utf8FromWide(Widen(CP_ACP, bytes));
}

}  // namespace sysinfo

#endif
