#pragma once

#include <unicode/utf8.h>

#include <cstdint>
#include <string_view>

#include "calc/number_characters.h"

namespace testing_support {

// What the reader's decoder must make of the first character of a
// non-empty text, by ICU's own decoder (U8_NEXT): a well-formed character
// with its length and class, or a byte of its own.
// ICU's macro narrows inside, where these warnings say nothing of ours.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
inline calc::Utf8Character IcuFirstCharacter(std::string_view text) {
  int32_t length = 0;
  UChar32 c = 0;
  U8_NEXT(text.data(), length, static_cast<int32_t>(text.size()), c);
  if (c < 0) return {{}, 1, calc::kIllFormed};
  return {calc::ClassifyCodePoint(static_cast<char32_t>(c)), static_cast<std::size_t>(length),
          static_cast<char32_t>(c)};
}
#pragma GCC diagnostic pop

inline bool SameCharacter(const calc::Utf8Character& a, const calc::Utf8Character& b) {
  return a.length == b.length && a.code_point == b.code_point &&
         a.character.kind == b.character.kind && a.character.digit == b.character.digit;
}

}  // namespace testing_support
