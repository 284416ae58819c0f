#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cctype>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace calc {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTiny = std::numeric_limits<double>::denorm_min();

struct ReadCase {
  std::string text;
  double value;
};

// Names and parameters are cut short, as CTest pads every line of its
// report to the longest; a failure still prints the whole text.
constexpr std::size_t kShownLength = 40;

std::string Printable(const std::string& text) {
  std::string name;
  for (const char c : text.substr(0, kShownLength)) {
    name += std::isalnum(static_cast<unsigned char>(c)) != 0 ? c : '_';
  }
  return name.empty() ? "empty" : name;
}

void PrintTo(const ReadCase& c, std::ostream* os) {
  *os << '"' << c.text.substr(0, kShownLength) << (c.text.size() > kShownLength ? "\"..." : "\"");
}

class Reading : public testing::TestWithParam<ReadCase> {};

TEST_P(Reading, GivesNearestDouble) {
  const double value = NumberFromText(GetParam().text);
  EXPECT_EQ(value, GetParam().value) << "text: \"" << GetParam().text << "\"";
  EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    NumberFromText, Reading,
    testing::Values(
        // Plain numbers and signs.
        ReadCase{"7.25", 7.25}, ReadCase{"-0.05", -0.05}, ReadCase{"+3", 3.0}, ReadCase{".5", 0.5},
        ReadCase{"5.", 5.0}, ReadCase{"007", 7.0}, ReadCase{"123456789012345", 123456789012345.0},
        // Blanks anywhere, as if removed first.
        ReadCase{"", 0.0}, ReadCase{"   ", 0.0}, ReadCase{"  7.25  ", 7.25},
        ReadCase{"7.2 5", 7.25}, ReadCase{"1 615", 1615.0}, ReadCase{"- 3", -3.0},
        ReadCase{"\t4\n2", 42.0}, ReadCase{"1 e 3", 1000.0}, ReadCase{"1e -  2", 0.01},
        ReadCase{"7.12\t7.16", 7.127}, ReadCase{"\r5", 5.0}, ReadCase{"\r\n7.25\r\n", 7.25},
        // Characters that show as a blank, or as nothing, are blanks too.
        ReadCase{"\u00a0612.4", 612.4}, ReadCase{"18\u00a0650", 18650.0},
        ReadCase{"18\u2009650", 18650.0}, ReadCase{"18\u202f650", 18650.0},
        ReadCase{"-\u2007"
                 "3",
                 -3.0},
        ReadCase{"\ufeff7.25", 7.25}, ReadCase{"1\u200b5", 15.0},
        ReadCase{"2\u3000e\u16803", 2000.0},
        ReadCase{"1.5\u205fE\u2060-\u200a"
                 "05",
                 0.000015},
        ReadCase{"\u00a0", 0.0},
        // Marks that show as nothing, blanks the field draws as a gap, and
        // every control character.
        ReadCase{"\u200e612.4", 612.4}, ReadCase{"\u200f-2.1", -2.1},
        ReadCase{"\u202a612.4\u202c", 612.4}, ReadCase{"\u2067-\u20692.1", -2.1},
        ReadCase{"\u061c5", 5.0}, ReadCase{"1\u180e5", 15.0}, ReadCase{"1\u034f5", 15.0},
        ReadCase{"1\u20615", 15.0}, ReadCase{"18\u2028650", 18650.0},
        ReadCase{"18\u2029650", 18650.0}, ReadCase{"18\v650", 18650.0},
        ReadCase{"18\f650", 18650.0}, ReadCase{"18\u00ad650", 18650.0}, ReadCase{"\v5", 5.0},
        ReadCase{std::string("4\0"
                             "2",
                             3),
                 42.0},
        ReadCase{"1\x7f\u00855", 15.0},
        ReadCase{"\U000e0001"
                 "7",
                 7.0},
        // Signs, digits and points that look like them.
        ReadCase{"\u22122.1", -2.1}, ReadCase{"\u20132.1", -2.1}, ReadCase{"\u20102.1", -2.1},
        ReadCase{"\u20112.1", -2.1}, ReadCase{"\u20122.1", -2.1}, ReadCase{"\ufe632.1", -2.1},
        ReadCase{"\uff0d2.1", -2.1}, ReadCase{"\uff0b3", 3.0}, ReadCase{"\ufe623", 3.0},
        ReadCase{"1.5E\u221205", 0.000015}, ReadCase{"\uff17\uff0e\uff11\uff12", 7.12},
        ReadCase{"\u0667\u066b\u0661\u0662", 7.12},
        ReadCase{"\u06f1\u06f8\u06f6\u06f5\u06f0", 18650.0}, ReadCase{"\u096d.\u0967\u0968", 7.12},
        ReadCase{"\U0001d7d5\U0001d7ff", 79.0}, ReadCase{"\uff11\uff25\uff13", 1000.0},
        ReadCase{"2\uff45-1", 0.2}, ReadCase{"\u2212 \uff10", -0.0},
        // An em dash is no sign, nor anything else that only looks like a dash.
        ReadCase{"\u20142.1", 0.0}, ReadCase{"\u207b2", 0.0}, ReadCase{"\u22122\u2212", -2.0},
        // A comma and the thousands separators of other scripts end a number.
        ReadCase{"\uff17\uff0c\uff11", 7.0}, ReadCase{"1\u066c000", 1.0},
        ReadCase{"1\u3002"
                 "5",
                 1.0},
        // The number ends at the first character that does not fit.
        ReadCase{"7,25", 7.0}, ReadCase{"1.2.3", 1.2}, ReadCase{"12m", 12.0},
        ReadCase{"12 kg", 12.0}, ReadCase{"7.25m", 7.25}, ReadCase{"1,000.5", 1.0},
        ReadCase{"5%", 5.0},
        // Exponents.
        ReadCase{"1.5E-05", 0.000015}, ReadCase{"2e3", 2000.0}, ReadCase{"2E+3", 2000.0},
        ReadCase{"5.e1", 50.0}, ReadCase{"2e", 2.0}, ReadCase{"2e+", 2.0}, ReadCase{"2ex", 2.0},
        ReadCase{"1D3", 1.0}, ReadCase{".e5", 0.0},
        // No digit: 0. Markers are among these.
        ReadCase{"-", 0.0}, ReadCase{"+", 0.0}, ReadCase{".", 0.0}, ReadCase{"-.", 0.0},
        ReadCase{"kg 12", 0.0}, ReadCase{"&H1F", 0.0}, ReadCase{"$5", 0.0}, ReadCase{"????", 0.0},
        ReadCase{"A ?", 0.0}, ReadCase{"F ?", 0.0}, ReadCase{"Density ?", 0.0},
        ReadCase{"Wrong ?", 0.0}, ReadCase{"inf", 0.0}, ReadCase{"nan", 0.0}, ReadCase{"0x10", 0.0},
        ReadCase{"--3", 0.0},
        // Signed zero keeps its sign.
        ReadCase{"-0", -0.0},
        // Range limits.
        ReadCase{"1E400", kInf}, ReadCase{"-1e999", -kInf}, ReadCase{"1.79769313486232E+308", kInf},
        ReadCase{"1.7976931348623157e308", kMax}, ReadCase{"1E-400", 0.0},
        ReadCase{"-1E-400", -0.0}, ReadCase{"4.94065645841247E-324", kTiny},
        ReadCase{"0.00000001e-316", 0.0}, ReadCase{"1e99999999999999999999999", kInf},
        ReadCase{"1e-99999999999999999999999", 0.0}, ReadCase{"0e99999", 0.0},
        ReadCase{"0.001e311", 1e308},
        // Just inside and just outside the range: long mantissas, leading
        // zeros, and exponents that add up across the limit.
        ReadCase{"17976931348623157e292", kMax}, ReadCase{"17976931348623159e292", kInf},
        ReadCase{"-17976931348623159e292", -kInf}, ReadCase{"0000000000001e308", 1e308},
        ReadCase{"1000e305", 1e308}, ReadCase{"10000e305", kInf},
        ReadCase{"0.000179769313486232e312", kInf}, ReadCase{"0.0001e312", 1e308},
        ReadCase{"1 7976931348623159e292", kInf}, ReadCase{"1e3 08", 1e308},
        ReadCase{"1e3 09", kInf}, ReadCase{"0.01e-321", 2 * kTiny}, ReadCase{"0.001e-321", 0.0},
        ReadCase{"123e-326", 0.0}, ReadCase{"-123e-326", -0.0}, ReadCase{"2.5e-324", kTiny},
        ReadCase{"2.4e-324", 0.0}, ReadCase{"4.9406564584124654e-324", kTiny},
        ReadCase{"0.1e-323", 0.0}, ReadCase{"1" + std::string(400, '0') + "e-92", 1e308},
        ReadCase{"1" + std::string(400, '0') + "e-91", kInf},
        ReadCase{"0." + std::string(400, '0') + "1e-100", 0.0},
        ReadCase{"0." + std::string(300, '0') + "1e300", 0.1},
        ReadCase{"0." + std::string(400, '0') + "1e50", 0.0},
        ReadCase{"1" + std::string(1999, '0') + "e-2400", 0.0},
        // Exponents of four digits against long mantissas: out of range,
        // which way it goes is mantissa digits plus exponent.
        ReadCase{"1" + std::string(5400, '0') + "e-5000", kInf},
        ReadCase{"0." + std::string(5400, '0') + "1e5000", 0.0},
        // Zeros before the first digit count for nothing, either side of the point.
        ReadCase{std::string(1000, '0') + "." + std::string(400, '0') + "1e800", kInf},
        ReadCase{"1" + std::string(400, '0') + ".5", kInf},
        ReadCase{"1e+99999999999999999999", kInf}, ReadCase{"-0.0e999999", -0.0},
        // Bytes that are no UTF-8 are ordinary characters: a blank or a digit
        // cut short, an overlong blank and a surrogate are neither.
        ReadCase{"\xff\xfe\x31\x32", 0.0}, ReadCase{"12\xc3", 12.0}, ReadCase{"3\xe2\x80\x35", 3.0},
        ReadCase{"\xef\xbc\x37", 0.0}, ReadCase{"\xc0\xa0\x35", 0.0},
        ReadCase{"-\xed\xa0\x80\x35", 0.0}, ReadCase{"\xc2\x35", 0.0},
        ReadCase{"12\xe2\x80", 12.0}),
    [](const testing::TestParamInfo<ReadCase>& test_info) {
      return std::to_string(test_info.index) + "_" + Printable(test_info.param.text);
    });

// A text is a view: what stands after it in memory is no part of it.
TEST(NumberFromText, ReadsNothingPastItsText) {
  const std::string_view figures = "7.259 8.1";
  EXPECT_EQ(NumberFromText(figures.substr(0, 4)), 7.25);
  EXPECT_EQ(NumberFromText(figures.substr(0, 5)), 7.259);
}

TEST(NumberFromText, ReadsMegabyteTexts) {
  constexpr std::size_t kMegabyte = 1 << 20;
  EXPECT_EQ(NumberFromText(std::string(kMegabyte, '1')), kInf);
  EXPECT_EQ(NumberFromText("-" + std::string(kMegabyte, '9')), -kInf);
  EXPECT_EQ(NumberFromText("0." + std::string(kMegabyte, '0') + "1"), 0.0);
  EXPECT_EQ(NumberFromText(std::string(kMegabyte, ' ') + "5"), 5.0);
  EXPECT_EQ(NumberFromText(std::string(kMegabyte, 'x') + "5"), 0.0);
  EXPECT_EQ(NumberFromText("1" + std::string(kMegabyte, '0') + "e-1048576"), 1.0);
  std::string spaced;
  for (std::size_t i = 0; i < kMegabyte / 2; ++i) spaced += i == 0 ? "3 " : "0 ";
  EXPECT_EQ(NumberFromText("0.0" + spaced), 0.03);
}

// Every strictly formed decimal number reads as the C library reads it in
// the "C" locale: an independent reference for the rounding. With blanks of
// every kind put in anywhere, and its digits, signs and points drawn from
// other keyboards, it still does.
TEST(NumberFromText, AgreesWithStrtodOnRandomNumbers) {
  const std::array<std::string, 11> blanks{" ",      "\t",     "\r\n",   "\u00a0",
                                           "\u2009", "\u202f", "\ufeff", "\u200e",
                                           "\u2028", "\v",     "\u00ad"};
  // Each character as another keyboard may type it: full-width, Arabic-Indic.
  const auto other_keyboard = [](char c, bool arabic) -> std::string {
    if (c >= '0' && c <= '9') {
      const auto value = static_cast<std::size_t>(c - '0');
      return arabic ? std::string("\u0660\u0661\u0662\u0663\u0664\u0665\u0666\u0667\u0668\u0669")
                          .substr(2 * value, 2)
                    : std::string("\uff10\uff11\uff12\uff13\uff14\uff15\uff16\uff17\uff18\uff19")
                          .substr(3 * value, 3);
    }
    if (c == '.') return arabic ? "\u066b" : "\uff0e";
    if (c == '-') return arabic ? "\u2212" : "\uff0d";
    if (c == 'e') return "\uff45";
    return std::string(1, c);
  };
  std::mt19937_64 random(20261208);
  std::uniform_int_distribution<int> digit(0, 9);
  std::uniform_int_distribution<int> length(1, 25);
  std::uniform_int_distribution<int> exponent(-330, 330);
  for (int i = 0; i < 100000; ++i) {
    std::string text = random() % 2 != 0 ? "-" : "";
    const int whole = length(random) % 20;
    for (int d = 0; d < whole; ++d) text += static_cast<char>('0' + digit(random));
    text += '.';
    for (int d = length(random); d > 0; --d) text += static_cast<char>('0' + digit(random));
    if (random() % 2 != 0) text += "e" + std::to_string(exponent(random));
    const double expected = std::strtod(text.c_str(), nullptr);
    ASSERT_EQ(NumberFromText(text), expected) << text;
    std::string varied;
    for (const char c : text + ' ') {
      if (random() % 8 == 0) varied += blanks[random() % blanks.size()];
      varied += random() % 4 == 0 ? other_keyboard(c, random() % 2 == 0) : std::string(1, c);
    }
    ASSERT_EQ(NumberFromText(varied), expected) << varied;
  }
}

struct WriteCase {
  double value;
  std::string text;
};

void PrintTo(const WriteCase& c, std::ostream* os) {
  *os << c.text;
}

class Writing : public testing::TestWithParam<WriteCase> {};

TEST_P(Writing, GivesGeneralFormWith15Digits) {
  EXPECT_EQ(TextFromNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    TextFromNumber, Writing,
    testing::Values(
        WriteCase{7.125, "7.125"}, WriteCase{7.15 - 0.025, "7.125"},
        WriteCase{(7.15 + 7.11) / 2, "7.13"}, WriteCase{2.0, "2"}, WriteCase{-0.05, "-0.05"},
        WriteCase{0.1 + 0.2, "0.3"}, WriteCase{1.0 / 3, "0.333333333333333"},
        WriteCase{2.0 / 3, "0.666666666666667"}, WriteCase{-2.0 / 3, "-0.666666666666667"},
        WriteCase{0.0, "0"}, WriteCase{-0.0, "0"}, WriteCase{1.025, "1.025"},
        // Plain form from 1E-04 up to 15 whole digits.
        WriteCase{0.0001, "0.0001"}, WriteCase{0.00012345, "0.00012345"},
        WriteCase{123456789012345.0, "123456789012345"},
        WriteCase{999999999999999.0, "999999999999999"}, WriteCase{14250.0, "14250"},
        WriteCase{1e14, "100000000000000"}, WriteCase{-11964.5, "-11964.5"},
        // Rounding that carries into a new digit moves to the next form.
        WriteCase{999999999999999.9, "1E+15"}, WriteCase{0.000099999999999999999, "0.0001"},
        // Exponent form.
        WriteCase{0.00001, "1E-05"}, WriteCase{0.000015, "1.5E-05"}, WriteCase{1e15, "1E+15"},
        WriteCase{-1e15, "-1E+15"}, WriteCase{1234567890123456789.0, "1.23456789012346E+18"},
        WriteCase{1e100, "1E+100"}, WriteCase{1.5e-300, "1.5E-300"},
        WriteCase{kTiny, "4.94065645841247E-324"},
        // The largest double is cut rather than rounded past itself.
        WriteCase{kMax, "1.79769313486231E+308"}, WriteCase{-kMax, "-1.79769313486231E+308"},
        WriteCase{1.797693134862315e308, "1.79769313486231E+308"},
        WriteCase{1.79769313486231e308, "1.79769313486231E+308"},
        WriteCase{1.7976931348623e308, "1.7976931348623E+308"}),
    [](const testing::TestParamInfo<WriteCase>& test_info) {
      return "case" + std::to_string(test_info.index);
    });

// A field's room in characters, each counted once however many bytes it
// takes: the rule's own measure, in place of the window's pixels.
struct ShowCase {
  std::string text;
  std::size_t room;
  std::string shown;
};

void PrintTo(const ShowCase& c, std::ostream* os) {
  *os << '"' << c.text << "\" in " << c.room;
}

class Showing : public testing::TestWithParam<ShowCase> {};

TEST_P(Showing, CutsAreMarkedAndExponentsStay) {
  const auto fits = [&](std::string_view shown) {
    const auto characters = static_cast<std::size_t>(
        std::count_if(shown.begin(), shown.end(), [](char c) { return (c & 0xC0) != 0x80; }));
    return characters <= GetParam().room;
  };
  EXPECT_EQ(ShownText(GetParam().text, fits), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    ShownText, Showing,
    testing::Values(ShowCase{"7.12", 12, "7.12"}, ShowCase{"", 0, ""},
                    ShowCase{"1.97142857142857E-05", 12, "1.97142\u2026E-05"},
                    ShowCase{"-1.97142857142857E-05", 12, "-1.9714\u2026E-05"},
                    ShowCase{"-1.5E+300 t", 12, "-1.5E+300 t"},
                    ShowCase{"1.79769313486231E+308", 7, "1\u2026E+308"},
                    // Blanks inside a figure, a full-width exponent letter.
                    ShowCase{"1.5 E -05", 8, "1.\u2026E -05"},
                    ShowCase{"1.5\uff25-05", 6, "1\u2026\uff25-05"},
                    // No room for the first digit and the exponent: cut at the end.
                    ShowCase{"1.97142857142857E-05", 5, "1.97\u2026"},
                    ShowCase{"11942.3503219512", 12, "11942.35032\u2026"},
                    ShowCase{"Corrected for Trim", 12, "Corrected f\u2026"},
                    // An exponent letter without digits is no exponent.
                    ShowCase{"2E and more", 6, "2E an\u2026"},
                    // Cuts between characters, never inside one.
                    ShowCase{"\uff17\uff0e\uff11\uff12\uff13", 3, "\uff17\uff0e\u2026"},
                    ShowCase{"7.12", 0, "\u2026"}),
    [](const testing::TestParamInfo<ShowCase>& test_info) {
      return "case" + std::to_string(test_info.index);
    });

// printf's "%.15G" states the same form independently: 15 digits, exponent
// form below 1E-04 and from 1E+15, trailing zeros dropped, two-digit exponent.
std::string PrintfGeneral(double x) {
  std::array<char, 64> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.15G", x);
  return {buffer.data(), static_cast<std::size_t>(length)};
}

TEST(TextFromNumber, AgreesWithPrintfOnRandomBitPatterns) {
  std::mt19937_64 random(3);
  int checked = 0;
  while (checked < 1'000'000) {
    const double x = std::bit_cast<double>(random());
    if (!std::isfinite(x) || std::fabs(x) > 1.797693134862315e308) continue;
    ++checked;
    ASSERT_EQ(TextFromNumber(x), PrintfGeneral(x)) << std::hexfloat << x;
  }
}

std::string RoundTripFailure(double x) {
  const std::string first = TextFromNumber(x);
  const double back = NumberFromText(first);
  if (!std::isfinite(back)) return first + " reads as infinite";
  const std::string second = TextFromNumber(back);
  return first == second ? std::string() : first + " came back as " + second;
}

TEST(RoundTrip, TextReadsBackToSameTextForRandomBitPatterns) {
  std::mt19937_64 random(1);
  int checked = 0;
  while (checked < 1'000'000) {
    const double x = std::bit_cast<double>(random());
    if (!std::isfinite(x)) continue;
    ++checked;
    const std::string failure = RoundTripFailure(x);
    ASSERT_TRUE(failure.empty()) << std::hexfloat << x << ": " << failure;
  }
}

TEST(RoundTrip, TextReadsBackToSameTextForSurveyMagnitudesAndExtremes) {
  std::mt19937_64 random(2);
  std::uniform_real_distribution<double> survey(-30000.0, 30000.0);
  std::vector<double> values{kMax, -kMax, kTiny, -kTiny, std::numeric_limits<double>::min(),
                             1e-5, 1e15,  1e-4,  1e14,   999999999999999.5,
                             0.1,  1.025, 5e-324};
  for (double x = kMax; x > 1e300; x = std::nextafter(x, 0.0)) {
    values.push_back(x);
    if (values.size() > 5000) break;
  }
  for (int i = 0; i < 200000; ++i) values.push_back(survey(random));
  for (const double x : values) {
    const std::string failure = RoundTripFailure(x);
    ASSERT_TRUE(failure.empty()) << std::hexfloat << x << ": " << failure;
  }
}

// Switches the process locale for one test and back, also on failure.
class ScopedLocale {
 public:
  // Takes the first of the names that this C runtime knows.
  explicit ScopedLocale(std::initializer_list<const char*> names)
      : saved_(std::setlocale(LC_ALL, nullptr)) {
    for (const char* name : names) {
      if (std::setlocale(LC_ALL, name) != nullptr) {
        active_ = true;
        break;
      }
    }
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
  [[nodiscard]] bool active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

TEST(Locale, CommaDecimalLocaleChangesNothing) {
  const ScopedLocale german({"de_DE.UTF-8", "German_Germany.1252", "German", "deu"});
  ASSERT_TRUE(german.active()) << "a German locale must be installed (scripts/install-deps does)";
  ASSERT_EQ(std::localeconv()->decimal_point[0], ',');
  EXPECT_EQ(NumberFromText("7.25"), 7.25);
  EXPECT_EQ(NumberFromText("7,25"), 7.0);
  EXPECT_EQ(NumberFromText("1.5E-05"), 0.000015);
  EXPECT_EQ(TextFromNumber(7.125), "7.125");
  EXPECT_EQ(TextFromNumber(1234567890123456789.0), "1.23456789012346E+18");
  EXPECT_EQ(TextFromNumber(-1234.5), "-1234.5");
}

}  // namespace
}  // namespace calc
