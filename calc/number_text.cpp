#include "calc/number_text.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

#include "calc/number_characters.h"

namespace calc {
namespace {

constexpr int kSignificantDigits = 15;

using enum NumberCharacter;

constexpr bool IsAsciiDigit(char c) {
  return c >= '0' && c <= '9';
}
constexpr bool IsSign(NumberCharacter kind) {
  return kind == kPlus || kind == kMinus;
}

// Walks a text character by character as if its blanks had been removed.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) {}

  // The next character that is not a blank; kOther at the end.
  ClassifiedCharacter Peek() {
    while (!peeked_) {
      if (pos_ == text_.size()) return {};
      next_ = FirstCharacter(text_.substr(pos_));
      if (next_.character.kind == kBlank) {
        pos_ += next_.length;
      } else {
        peeked_ = true;
      }
    }
    return next_.character;
  }
  void Take() {
    Peek();
    pos_ += next_.length;
    peeked_ = false;
  }
  // Where in the text: after Peek() the next character's first byte, after
  // Take() the byte after the character taken.
  [[nodiscard]] std::size_t Offset() const { return pos_; }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
  Utf8Character next_;
  bool peeked_ = false;
};

struct Scan {
  bool negative = false;
  // The unsigned mantissa and exponent in ASCII, as std::from_chars reads
  // them; empty when the mantissa has no digit.
  std::string number;
  // Byte offsets in the text: the end of the mantissa's first digit, and
  // the exponent letter of a number that has an exponent.
  std::size_t first_digit_end = 0;
  std::size_t exponent_at = std::string_view::npos;
};

Scan ScanNumber(std::string_view text) {
  Cursor cursor(text);
  Scan scan;
  const auto kind = [&] { return cursor.Peek().kind; };
  if (IsSign(kind())) {
    scan.negative = kind() == kMinus;
    cursor.Take();
  }
  std::string& number = scan.number;
  const auto take_digits = [&] {
    while (kind() == kDigit) {
      number += static_cast<char>('0' + cursor.Peek().digit);
      cursor.Take();
      if (scan.first_digit_end == 0) scan.first_digit_end = cursor.Offset();
    }
  };
  take_digits();
  if (kind() == kPoint) {
    number += '.';
    cursor.Take();
    take_digits();
  }
  if (number.find_first_not_of('.') == std::string::npos) return {};
  if (kind() == kExponent) {
    const std::size_t letter = cursor.Offset();
    const std::size_t mantissa = number.size();
    number += 'e';
    cursor.Take();
    if (IsSign(kind())) {
      number += kind() == kMinus ? '-' : '+';
      cursor.Take();
    }
    if (kind() == kDigit) {
      take_digits();
      scan.exponent_at = letter;
    } else {
      number.resize(mantissa);
    }
  }
  return scan;
}

// Where the run of characters of `set` from `from` on ends.
std::size_t SkipAll(std::string_view text, std::string_view set, std::size_t from) {
  return std::min(text.find_first_not_of(set, from), text.size());
}

// Decimal exponent of a compact number, near enough to tell whether a
// number out of range is too large or too small. Saturates, never wraps.
long long DecimalMagnitude(std::string_view number) {
  constexpr std::string_view kDigits = "0123456789";
  const std::size_t significant = SkipAll(number, "0", 0);
  std::size_t i = SkipAll(number, kDigits, significant);
  auto magnitude = static_cast<long long>(i - significant);
  if (i < number.size() && number[i] == '.') {
    const std::size_t fraction = i + 1;
    if (magnitude == 0) {
      magnitude = -static_cast<long long>(SkipAll(number, "0", fraction) - fraction);
    }
    i = SkipAll(number, kDigits, fraction);
  }
  if (i < number.size()) {  // the exponent
    ++i;
    const bool negative = number[i] == '-';
    if (number[i] == '-' || number[i] == '+') ++i;
    // As long as the longest text a field holds: no mantissa in one can
    // have more digits than that, so the sign of the sum stays right.
    constexpr long long kLimit = std::numeric_limits<int>::max();
    long long exponent = 0;
    for (; i < number.size(); ++i) exponent = std::min(kLimit, exponent * 10 + (number[i] - '0'));
    magnitude += negative ? -exponent : exponent;
  }
  return magnitude;
}

double ConvertCompact(std::string_view number) {
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value,
                                            std::chars_format::general);
  assert(end == number.data() + number.size());
  static_cast<void>(end);
  if (error == std::errc::result_out_of_range) {
    value = DecimalMagnitude(number) > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return value;
}

// Most field texts are ASCII numbers without blanks inside. The standard
// parser, which accepts exactly the mantissa and exponent above, reads
// them in one call. It must stop where the full scan would stop too: not
// before a character that the scan would skip or read on (a blank, any
// byte beyond ASCII), nor on an exponent letter whose digits might follow
// after blanks.
std::optional<double> ReadPlainAscii(std::string_view text) {
  std::size_t start = 0;
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) start = 1;
  if (start == text.size() || !(IsAsciiDigit(text[start]) || text[start] == '.'))
    return std::nullopt;
  const std::string_view rest = text.substr(start);
  double value = 0.0;
  const auto [end, error] =
      std::from_chars(rest.data(), rest.data() + rest.size(), value, std::chars_format::general);
  if (error == std::errc::invalid_argument) return std::nullopt;
  const std::string_view after = rest.substr(static_cast<std::size_t>(end - rest.data()));
  if (!after.empty()) {
    const auto byte = static_cast<unsigned char>(after[0]);
    if (byte >= 0x80U) return std::nullopt;
    const NumberCharacter next = ClassifyCodePoint(byte).kind;
    if (next == kBlank || next == kExponent) return std::nullopt;
  }
  if (error == std::errc::result_out_of_range) {
    value = ConvertCompact(rest.substr(0, static_cast<std::size_t>(end - rest.data())));
  }
  return text[0] == '-' ? -value : value;
}

// The longest start of text up to tail_at, from least on, that fits when
// marked as cut and followed by the text from tail_at.
std::optional<std::string> LongestMarkedStart(std::string_view text, std::size_t least,
                                              std::size_t tail_at, const FitsField& fits) {
  constexpr std::string_view kMark = "\u2026";
  const auto shown = [&](std::size_t head) {
    std::string out(text.substr(0, head));
    out += kMark;
    out += text.substr(tail_at);
    return out;
  };
  // Cutting nothing off never fits: the mark makes it longer than the text.
  std::vector<std::size_t> cuts;
  for (std::size_t at = least; at < tail_at; at += FirstCharacter(text.substr(at)).length) {
    cuts.push_back(at);
  }
  // A longer start never takes less room, so the fitting cuts come first.
  const auto past = std::partition_point(cuts.begin(), cuts.end(),
                                         [&](std::size_t head) { return fits(shown(head)); });
  if (past == cuts.begin()) return std::nullopt;
  return shown(*std::prev(past));
}

}  // namespace

std::string ShownText(std::string_view text, const FitsField& fits) {
  if (fits(text)) return std::string(text);
  const Scan scan = ScanNumber(text);
  if (scan.exponent_at != std::string_view::npos) {
    if (auto shown = LongestMarkedStart(text, scan.first_digit_end, scan.exponent_at, fits)) {
      return *shown;
    }
  }
  return LongestMarkedStart(text, 0, text.size(), fits).value_or("\u2026");
}

double NumberFromText(std::string_view text) {
  if (const auto value = ReadPlainAscii(text)) return *value;
  const Scan scan = ScanNumber(text);
  if (scan.number.empty()) return 0.0;
  const double magnitude = ConvertCompact(scan.number);
  return scan.negative ? -magnitude : magnitude;
}

std::string TextFromNumber(double x) {
  assert(std::isfinite(x));
  if (x == 0.0) return "0";  // also for -0.0
  // Rounding up past the largest double would write a text that no longer
  // reads back as a number; the largest 15-digit value below it stands in.
  constexpr double kLargest = 1.79769313486231e308;
  if (std::abs(x) > kLargest) x = std::copysign(kLargest, x);

  // "%.15g": 15 significant digits, plain form for exponents -4 to 14,
  // trailing zeros dropped, at least two exponent digits.
  std::array<char, 32> out;  // NOLINT(cppcoreguidelines-pro-type-member-init): written next
  const auto result = std::to_chars(out.data(), out.data() + out.size(), x,
                                    std::chars_format::general, kSignificantDigits);
  assert(result.ec == std::errc());
  std::replace(out.data(), result.ptr, 'e', 'E');
  return {out.data(), result.ptr};
}

}  // namespace calc
