#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vortalin {

// Character positions in a UTF-8 text. A well-formed sequence is one
// character; a byte that does not start one is a character of its own, so
// every byte of any input belongs to exactly one character.

// Length in bytes of the character that starts text[0] (0 for an empty text).
std::size_t CharacterLength(std::string_view text);

// The first `limit` characters of the text (fewer where the text ends).
std::vector<std::string_view> Characters(std::string_view text, std::size_t limit);

// The character as cell text: itself, U+FFFD for a byte that is not UTF-8
// (empty for no character),
// so that no cell ever holds an invalid text.
std::string CharacterText(std::string_view character);

// The character at the given position of the text, empty past its end.
std::string_view CharacterAt(std::string_view text, std::size_t position);

}  // namespace vortalin
