#include "core/Utf8.h"

#include <cstdint>

namespace vortalin {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

}  // namespace

std::size_t CharacterLength(std::string_view text) {
    // Hand-written: the standard library has no UTF-8 decoder that keeps an
    // invalid byte as a character of its own. Ranges follow RFC 3629 (no
    // overlong forms, no surrogates, nothing above U+10FFFF).
    if (text.empty()) return 0;
    const auto at = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = at(0);
    std::size_t length = 1;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() < length || at(1) < low || at(1) > high) return 1;
    for (std::size_t i = 2; i < length; ++i) {
        if (!IsContinuation(at(i))) return 1;
    }
    return length;
}

std::vector<std::string_view> Characters(std::string_view text, std::size_t limit) {
    std::vector<std::string_view> characters;
    while (!text.empty() && characters.size() < limit) {
        const std::size_t length = CharacterLength(text);
        characters.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return characters;
}

std::string CharacterText(std::string_view character) {
    if (character.empty()) return {};
    const bool valid = CharacterLength(character) == character.size() &&
                       (character.size() > 1 || static_cast<unsigned char>(character[0]) < 0x80);
    return valid ? std::string(character) : std::string("\xEF\xBF\xBD");
}

std::string_view CharacterAt(std::string_view text, std::size_t position) {
    for (std::size_t i = 0; i < position && !text.empty(); ++i) {
        text.remove_prefix(CharacterLength(text));
    }
    return text.substr(0, CharacterLength(text));
}

}  // namespace vortalin
