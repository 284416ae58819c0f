#pragma once

#include <cstddef>
#include <string_view>

namespace calc {

// What a character is to the number reader (number_text.h gives the rule).
enum class NumberCharacter : unsigned char {
  kOther,  // ends a number
  kBlank,  // skipped wherever it stands
  kDigit,  // a decimal digit of any script
  kPlus,
  kMinus,
  kPoint,     // the decimal point
  kExponent,  // 'E' or 'e', ASCII or full-width
};

struct ClassifiedCharacter {
  NumberCharacter kind = NumberCharacter::kOther;
  int digit = 0;  // its value, for a digit
};

// The class of a Unicode code point (Unicode 15.0).
ClassifiedCharacter ClassifyCodePoint(char32_t code_point);

// U+FFFD, the replacement character, as decoders report a byte that starts
// no well-formed character.
inline constexpr char32_t kIllFormed = 0xFFFD;

struct Utf8Character {
  ClassifiedCharacter character;
  std::size_t length = 0;  // in bytes; 1 for a byte that starts no valid character
  char32_t code_point = kIllFormed;
};

// The class and length of the character that a non-empty UTF-8 text starts
// with. A byte that starts no well-formed character (cut short, overlong,
// a surrogate, beyond U+10FFFF) is an ordinary character of its own.
Utf8Character FirstCharacter(std::string_view text);

}  // namespace calc
