// The reader's character tables against ICU, for every code point. ICU is
// the oracle: its character properties for blanks and digits, and its own
// number parser for signs and points, less the differences listed below.
#include "calc/number_characters.h"

#include <gtest/gtest.h>
#include <unicode/uchar.h>
#include <unicode/unum.h>
#include <unicode/utf16.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tests/support/icu_utf8.h"

namespace calc {
namespace {

using enum NumberCharacter;

// Where the reader parts from ICU's lenient parser, on purpose.
// Minus: the non-breaking hyphen, which draws as the hyphen ICU accepts
// (ICU 74 and later accept it too); not the superscript, subscript and
// heavy minus, which no figure in a field shows. Plus: likewise not their
// plus signs, nor the Hebrew alternative plus sign. Point: not the one-dot
// leader, the small and the half-width ideographic full stops.
const std::set<UChar32> kMinusBeyondIcu{0x2011};
const std::set<UChar32> kNotMinus{0x207B, 0x208B, 0x2796};
const std::set<UChar32> kNotPlus{0x207A, 0x208A, 0x2795, 0xFB29};
const std::set<UChar32> kNotPoint{0x2024, 0xFE52, 0xFF61};
// The Unicode version of the tables: code points assigned later are the
// ICU of a newer system's business, not the tables'.
constexpr std::array<uint8_t, 2> kTablesUnicode{15, 0};
// ICU's parser has no exponent letters of its own to compare with.
const std::set<UChar32> kExponentLetters{'E', 'e', 0xFF25, 0xFF45};

using Format = std::unique_ptr<UNumberFormat, decltype(&unum_close)>;

Format OpenFormat(const char* locale, bool lenient) {
  UErrorCode status = U_ZERO_ERROR;
  Format format(unum_open(UNUM_DECIMAL, nullptr, 0, locale, nullptr, &status), &unum_close);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  unum_setAttribute(format.get(), UNUM_LENIENT_PARSE, lenient ? 1 : 0);
  return format;
}

// What ICU reads from `before`, the code point, then `after`; NaN unless
// it reads all of it.
double IcuReads(const UNumberFormat* format, const char* before, UChar32 c, const char* after) {
  std::array<UChar, 16> text{};
  int32_t length = 0;
  UBool error = false;
  for (const char* b = before; *b != 0; ++b)
    text[static_cast<std::size_t>(length++)] = static_cast<UChar>(*b);
  U16_APPEND(text.data(), length, static_cast<int32_t>(text.size()), c, error);
  EXPECT_FALSE(error);
  for (const char* a = after; *a != 0; ++a)
    text[static_cast<std::size_t>(length++)] = static_cast<UChar>(*a);
  UErrorCode status = U_ZERO_ERROR;
  int32_t position = 0;
  const double value = unum_parseDouble(format, text.data(), length, &position, &status);
  return U_SUCCESS(status) && position == length ? value : std::numeric_limits<double>::quiet_NaN();
}

UChar32 DecimalSeparator(const char* locale) {
  const Format format = OpenFormat(locale, false);
  std::array<UChar, 8> symbol{};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t length = unum_getSymbol(format.get(), UNUM_DECIMAL_SEPARATOR_SYMBOL, symbol.data(),
                                        static_cast<int32_t>(symbol.size()), &status);
  EXPECT_EQ(length, 1) << locale << "'s decimal separator is one UTF-16 unit";
  return symbol[0];
}

class Oracle {
 public:
  ClassifiedCharacter Classify(UChar32 c) const {
    if (u_hasBinaryProperty(c, UCHAR_WHITE_SPACE) != 0 ||
        u_hasBinaryProperty(c, UCHAR_DEFAULT_IGNORABLE_CODE_POINT) != 0 ||
        u_charType(c) == U_CONTROL_CHAR) {
      return {kBlank};
    }
    if (u_charType(c) == U_DECIMAL_DIGIT_NUMBER) return {kDigit, u_charDigitValue(c)};
    if (kExponentLetters.contains(c)) return {kExponent};
    // Signs and points are punctuation or symbols; asking the parser about
    // the other million code points would only slow the test.
    const int type = u_charType(c);
    const bool punctuation_or_symbol =
        (type >= U_DASH_PUNCTUATION && type <= U_OTHER_PUNCTUATION) ||
        (type >= U_MATH_SYMBOL && type <= U_OTHER_SYMBOL) || type == U_INITIAL_PUNCTUATION ||
        type == U_FINAL_PUNCTUATION;
    if (!punctuation_or_symbol) return {};
    if ((IsMinus(c) || kMinusBeyondIcu.contains(c)) && !kNotMinus.contains(c)) return {kMinus};
    if (IsPlus(c) && !kNotPlus.contains(c)) return {kPlus};
    if (IsPoint(c) && !kNotPoint.contains(c)) return {kPoint};
    return {};
  }

 private:
  bool IsMinus(UChar32 c) const { return IcuReads(strict_.get(), "", c, "1") == -1.0; }
  // The lenient parser also skips a leading grouping separator, which
  // tells itself apart by grouping "1c000" into 1000.
  bool IsPlus(UChar32 c) const {
    return IcuReads(lenient_.get(), "", c, "1") == 1.0 &&
           IcuReads(lenient_.get(), "1", c, "000") != 1000.0;
  }
  bool IsPoint(UChar32 c) const {
    return IcuReads(strict_.get(), "1", c, "5") == 1.5 || c == arabic_point_;
  }

  Format strict_ = OpenFormat("en", false);
  Format lenient_ = OpenFormat("en", true);
  // The Arabic decimal separator, of Arabic-Indic figures: the point of
  // "ar" in ICU 72, which later gives "ar" the Latin digits and point.
  UChar32 arabic_point_ = DecimalSeparator("ar@numbers=arab");
};

// Assigned by the tables' Unicode version, or by none (age 0.0).
bool InTablesUnicode(UChar32 c) {
  UVersionInfo age{};
  u_charAge(c, age);
  return std::array<uint8_t, 2>{age[0], age[1]} <= kTablesUnicode;
}

const char* KindName(NumberCharacter kind) {
  constexpr std::array kNames{"kOther", "kBlank", "kDigit",   "kPlus",
                              "kMinus", "kPoint", "kExponent"};
  return kNames[static_cast<std::size_t>(kind)];
}

// The table number_characters.cpp should hold, as its source spells it.
std::string TableFrom(const Oracle& oracle) {
  std::string table;
  UChar32 first = 0;
  ClassifiedCharacter range = oracle.Classify(0);
  for (UChar32 c = 1; c <= UCHAR_MAX_VALUE + 1; ++c) {
    const ClassifiedCharacter next =
        c <= UCHAR_MAX_VALUE ? oracle.Classify(c) : ClassifiedCharacter{};
    const bool goes_on =
        next.kind == range.kind && (next.kind != kDigit || next.digit == (range.digit + 1) % 10);
    if (goes_on) {
      range.digit = next.digit;
      continue;
    }
    if (range.kind != kOther) {
      std::array<char, 64> row{};
      std::snprintf(row.data(), row.size(), "{0x%04X, 0x%04X, %s},\n", static_cast<unsigned>(first),
                    static_cast<unsigned>(c - 1), KindName(range.kind));
      table += row.data();
    }
    first = c;
    range = next;
  }
  return table;
}

TEST(NumberCharacters, AgreeWithIcuForEveryCodePoint) {
  const Oracle oracle;
  int differences = 0;
  for (UChar32 c = 0; c <= UCHAR_MAX_VALUE; ++c) {
    if (!InTablesUnicode(c)) continue;
    const ClassifiedCharacter expected = oracle.Classify(c);
    const ClassifiedCharacter actual = ClassifyCodePoint(static_cast<char32_t>(c));
    if (actual.kind != expected.kind || actual.digit != expected.digit) {
      if (++differences <= 20) {
        ADD_FAILURE() << std::hex << "U+" << c << ": " << KindName(actual.kind) << " "
                      << actual.digit << ", ICU says " << KindName(expected.kind) << " "
                      << expected.digit;
      }
    }
  }
  if (differences > 0)
    FAIL() << differences << " code points differ; ICU gives:\n" << TableFrom(oracle);
}

// The decoder in front of the tables against ICU's (U8_NEXT): every text of
// one and two bytes, and every lead and second byte followed by third and
// fourth bytes of each kind: either end of the continuation range, a byte
// that continues nothing, the end of the text.
TEST(FirstCharacter, DecodesAsIcuDoes) {
  constexpr std::array<int, 5> kLater{0x80, 0xBF, 0x41, 0xC0, -1};  // -1: the text ends
  std::vector<std::string> texts;
  for (int lead = 0; lead < 0x100; ++lead) {
    texts.emplace_back(1, static_cast<char>(lead));
    for (int second = 0; second < 0x100; ++second) {
      const std::string two{static_cast<char>(lead), static_cast<char>(second)};
      texts.push_back(two);
      for (const int third : kLater) {
        for (const int fourth : kLater) {
          std::string text = two;
          if (third >= 0) text += static_cast<char>(third);
          if (third >= 0 && fourth >= 0) text += static_cast<char>(fourth);
          texts.push_back(text);
        }
      }
    }
  }
  int differences = 0;
  for (const std::string& text : texts) {
    const Utf8Character expected = testing_support::IcuFirstCharacter(text);
    const Utf8Character actual = FirstCharacter(text);
    if (!testing_support::SameCharacter(actual, expected) && ++differences <= 20) {
      std::string bytes;
      for (const char byte : text) bytes += std::to_string(static_cast<unsigned char>(byte)) + " ";
      ADD_FAILURE() << "bytes " << bytes << ": length " << actual.length << ", U+" << std::hex
                    << static_cast<std::uint32_t>(actual.code_point) << "; ICU: length " << std::dec
                    << expected.length << ", U+" << std::hex
                    << static_cast<std::uint32_t>(expected.code_point);
    }
  }
  EXPECT_EQ(differences, 0);
}

}  // namespace
}  // namespace calc
