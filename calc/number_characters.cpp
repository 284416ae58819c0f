#include "calc/number_characters.h"

#include <algorithm>
#include <array>

namespace calc {
namespace {

using enum NumberCharacter;

struct Range {
  char32_t first;
  char32_t last;
  NumberCharacter kind;
};

// Every code point that is not kOther, in order. Blanks: White_Space,
// Default_Ignorable_Code_Point and category Cc. Digits: category Nd, each
// range starting at a zero. Signs, points and exponent letters as
// number_text.h lists them. Unicode 15.0, as checked against ICU
// (tests/calc/number_characters_test.cpp prints this table anew).
constexpr std::array kRanges = std::to_array<Range>({
    {0x0000, 0x0020, kBlank},    {0x002B, 0x002B, kPlus},     {0x002D, 0x002D, kMinus},
    {0x002E, 0x002E, kPoint},    {0x0030, 0x0039, kDigit},    {0x0045, 0x0045, kExponent},
    {0x0065, 0x0065, kExponent}, {0x007F, 0x00A0, kBlank},    {0x00AD, 0x00AD, kBlank},
    {0x034F, 0x034F, kBlank},    {0x061C, 0x061C, kBlank},    {0x0660, 0x0669, kDigit},
    {0x066B, 0x066B, kPoint},    {0x06F0, 0x06F9, kDigit},    {0x07C0, 0x07C9, kDigit},
    {0x0966, 0x096F, kDigit},    {0x09E6, 0x09EF, kDigit},    {0x0A66, 0x0A6F, kDigit},
    {0x0AE6, 0x0AEF, kDigit},    {0x0B66, 0x0B6F, kDigit},    {0x0BE6, 0x0BEF, kDigit},
    {0x0C66, 0x0C6F, kDigit},    {0x0CE6, 0x0CEF, kDigit},    {0x0D66, 0x0D6F, kDigit},
    {0x0DE6, 0x0DEF, kDigit},    {0x0E50, 0x0E59, kDigit},    {0x0ED0, 0x0ED9, kDigit},
    {0x0F20, 0x0F29, kDigit},    {0x1040, 0x1049, kDigit},    {0x1090, 0x1099, kDigit},
    {0x115F, 0x1160, kBlank},    {0x1680, 0x1680, kBlank},    {0x17B4, 0x17B5, kBlank},
    {0x17E0, 0x17E9, kDigit},    {0x180B, 0x180F, kBlank},    {0x1810, 0x1819, kDigit},
    {0x1946, 0x194F, kDigit},    {0x19D0, 0x19D9, kDigit},    {0x1A80, 0x1A89, kDigit},
    {0x1A90, 0x1A99, kDigit},    {0x1B50, 0x1B59, kDigit},    {0x1BB0, 0x1BB9, kDigit},
    {0x1C40, 0x1C49, kDigit},    {0x1C50, 0x1C59, kDigit},    {0x2000, 0x200F, kBlank},
    {0x2010, 0x2013, kMinus},    {0x2028, 0x202F, kBlank},    {0x205F, 0x206F, kBlank},
    {0x2212, 0x2212, kMinus},    {0x3000, 0x3000, kBlank},    {0x3164, 0x3164, kBlank},
    {0xA620, 0xA629, kDigit},    {0xA8D0, 0xA8D9, kDigit},    {0xA900, 0xA909, kDigit},
    {0xA9D0, 0xA9D9, kDigit},    {0xA9F0, 0xA9F9, kDigit},    {0xAA50, 0xAA59, kDigit},
    {0xABF0, 0xABF9, kDigit},    {0xFE00, 0xFE0F, kBlank},    {0xFE62, 0xFE62, kPlus},
    {0xFE63, 0xFE63, kMinus},    {0xFEFF, 0xFEFF, kBlank},    {0xFF0B, 0xFF0B, kPlus},
    {0xFF0D, 0xFF0D, kMinus},    {0xFF0E, 0xFF0E, kPoint},    {0xFF10, 0xFF19, kDigit},
    {0xFF25, 0xFF25, kExponent}, {0xFF45, 0xFF45, kExponent}, {0xFFA0, 0xFFA0, kBlank},
    {0xFFF0, 0xFFF8, kBlank},    {0x104A0, 0x104A9, kDigit},  {0x10D30, 0x10D39, kDigit},
    {0x11066, 0x1106F, kDigit},  {0x110F0, 0x110F9, kDigit},  {0x11136, 0x1113F, kDigit},
    {0x111D0, 0x111D9, kDigit},  {0x112F0, 0x112F9, kDigit},  {0x11450, 0x11459, kDigit},
    {0x114D0, 0x114D9, kDigit},  {0x11650, 0x11659, kDigit},  {0x116C0, 0x116C9, kDigit},
    {0x11730, 0x11739, kDigit},  {0x118E0, 0x118E9, kDigit},  {0x11950, 0x11959, kDigit},
    {0x11C50, 0x11C59, kDigit},  {0x11D50, 0x11D59, kDigit},  {0x11DA0, 0x11DA9, kDigit},
    {0x11F50, 0x11F59, kDigit},  {0x16A60, 0x16A69, kDigit},  {0x16AC0, 0x16AC9, kDigit},
    {0x16B50, 0x16B59, kDigit},  {0x1BCA0, 0x1BCA3, kBlank},  {0x1D173, 0x1D17A, kBlank},
    {0x1D7CE, 0x1D7FF, kDigit},  {0x1E140, 0x1E149, kDigit},  {0x1E2F0, 0x1E2F9, kDigit},
    {0x1E4F0, 0x1E4F9, kDigit},  {0x1E950, 0x1E959, kDigit},  {0x1FBF0, 0x1FBF9, kDigit},
    {0xE0000, 0xE0FFF, kBlank},
});

static_assert(std::ranges::all_of(kRanges, [](const Range& r) { return r.first <= r.last; }) &&
                  std::ranges::adjacent_find(kRanges,
                                             [](const Range& a, const Range& b) {
                                               return a.last >= b.first;
                                             }) == kRanges.end(),
              "the ranges must be sorted and must not overlap");

constexpr ClassifiedCharacter Lookup(char32_t code_point) {
  const auto after =
      std::upper_bound(kRanges.begin(), kRanges.end(), code_point,
                       [](char32_t c, const Range& range) { return c < range.first; });
  if (after == kRanges.begin()) return {};
  const Range& range = *(after - 1);
  if (code_point > range.last) return {};
  if (range.kind != kDigit) return {range.kind};
  return {kDigit, static_cast<int>((code_point - range.first) % 10)};
}

// ASCII comes first and most often: one look-up instead of a search.
constexpr auto kAscii = [] {
  std::array<ClassifiedCharacter, 0x80> table{};
  for (char32_t c = 0; c < table.size(); ++c) table[c] = Lookup(c);
  return table;
}();

constexpr bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0U) == 0x80U;
}

}  // namespace

ClassifiedCharacter ClassifyCodePoint(char32_t code_point) {
  return code_point < kAscii.size() ? kAscii[code_point] : Lookup(code_point);
}

// The standard library has no UTF-8 decoder left (<codecvt> is deprecated),
// so the well-formed sequences of the Unicode standard (its table 3-7) are
// checked here.
Utf8Character FirstCharacter(std::string_view text) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80U) return {kAscii[lead], 1, lead};
  std::size_t length = 0;
  // Four leads narrow the second byte's range; the continuation check
  // below holds it, as every later byte, to 0x80..0xBF.
  unsigned char low = 0x80;
  unsigned char high = 0xFF;
  if (lead >= 0xC2U && lead <= 0xDFU) {
    length = 2;
  } else if (lead >= 0xE0U && lead <= 0xEFU) {
    length = 3;
    if (lead == 0xE0U) low = 0xA0;   // overlong below
    if (lead == 0xEDU) high = 0x9F;  // surrogates
  } else if (lead >= 0xF0U && lead <= 0xF4U) {
    length = 4;
    if (lead == 0xF0U) low = 0x90;   // overlong below
    if (lead == 0xF4U) high = 0x8F;  // beyond U+10FFFF
  } else {
    return {{}, 1};
  }
  if (text.size() < length || byte(1) < low || byte(1) > high) return {{}, 1};
  char32_t code_point = lead & (0xFFU >> (length + 1));
  for (std::size_t i = 1; i < length; ++i) {
    if (!IsContinuation(byte(i))) return {{}, 1};
    code_point = (code_point << 6) | (byte(i) & 0x3FU);
  }
  return {ClassifyCodePoint(code_point), length, code_point};
}

}  // namespace calc
