#include "core/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <string>
#include <system_error>

namespace vortalin {
namespace {

std::string_view SkipLeadingSpaces(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t CountDigits(std::string_view text, std::size_t from) {
    std::size_t end = from;
    while (end < text.size() && IsDigit(text[end])) ++end;
    return end - from;
}

// Whether a plain decimal text ("-12.5e-7" shape) that no double can hold is
// too small rather than too large: its leading digit sits below the point.
bool LooksTiny(std::string_view plain) {
    if (plain.starts_with('-')) plain.remove_prefix(1);
    const auto exponentAt = plain.find('e');
    const std::string_view mantissa = plain.substr(0, exponentAt);
    std::int64_t exponent = 0;
    if (exponentAt != std::string_view::npos) {
        std::string_view digits = plain.substr(exponentAt + 1);
        const bool negative = digits.starts_with('-');
        if (digits.starts_with('-') || digits.starts_with('+')) digits.remove_prefix(1);
        for (const char c : digits) {  // saturates: only the sign of the total matters
            exponent = std::min<std::int64_t>(exponent * 10 + (c - '0'), std::int64_t{1} << 40);
        }
        if (negative) exponent = -exponent;
    }
    const auto point = mantissa.find('.');
    const auto integerDigits =
        static_cast<std::int64_t>(point == std::string_view::npos ? mantissa.size() : point);
    std::int64_t index = 0;
    for (const char c : mantissa) {
        if (c == '.') continue;
        if (c != '0') break;
        ++index;
    }
    return integerDigits - 1 - index + exponent < 0;
}

}  // namespace

std::string IntegerErrorMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid integer value";
}

std::string FloatErrorMessage(std::string_view text) {
    return "'" + std::string(text) + "' is not a valid floating point value";
}

int HexDigitValue(std::string_view oneCharacter) {
    if (oneCharacter.size() != 1) return 0;
    const char c = oneCharacter[0];
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return 0;
}

std::string IntegerText(std::int64_t value) {
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::int32_t ParseInteger(std::string_view text) {
    std::string_view rest = SkipLeadingSpaces(text);
    bool negative = false;
    if (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        rest.remove_prefix(1);
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        rest.remove_prefix(2);
    }
    // from_chars takes no sign or prefix of its own here, so only digits remain;
    // the magnitude is read wider than the result so that -2147483648 fits.
    std::uint64_t magnitude = 0;
    const auto [end, error] =
        std::from_chars(rest.data(), rest.data() + rest.size(), magnitude, base);
    const bool allDigits = !rest.empty() && error == std::errc{} &&
                           end == rest.data() + rest.size() && rest[0] != '+' && rest[0] != '-';
    const std::uint64_t limit = negative ? std::uint64_t{1} << 31 : (std::uint64_t{1} << 31) - 1;
    if (!allDigits || magnitude > limit) throw ConversionError(IntegerErrorMessage(text));
    const auto value = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -value : value);
}

std::string HexText(std::int32_t count) {
    char buffer[16];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, static_cast<std::uint32_t>(count), 16);
    std::string text(buffer, result.ptr);
    for (char& c : text) {
        if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
    }
    if (text.size() < 2) text.insert(0, 2 - text.size(), '0');
    return text;
}

double ParseFloat(std::string_view text, std::string_view decimalSeparator) {
    const auto fail = [&] { return ConversionError(FloatErrorMessage(text)); };
    std::string_view rest = SkipLeadingSpaces(text);
    const auto last = rest.find_last_not_of(' ');
    rest = last == std::string_view::npos ? std::string_view{} : rest.substr(0, last + 1);

    // Checks the shape by hand (the separator is the user's, not C's), and
    // rewrites it with '.' for from_chars, which then rounds correctly.
    std::string plain;
    std::size_t at = 0;
    if (at < rest.size() && (rest[at] == '+' || rest[at] == '-')) {
        if (rest[at] == '-') plain += '-';
        ++at;
    }
    std::size_t digits = CountDigits(rest, at);
    if (digits == 0) throw fail();
    plain.append(rest.substr(at, digits));
    at += digits;
    if (!decimalSeparator.empty() && rest.substr(at).starts_with(decimalSeparator)) {
        at += decimalSeparator.size();
        digits = CountDigits(rest, at);
        if (digits == 0) throw fail();
        plain += '.';
        plain.append(rest.substr(at, digits));
        at += digits;
    }
    if (at < rest.size() && (rest[at] == 'e' || rest[at] == 'E')) {
        plain += 'e';
        ++at;
        if (at < rest.size() && (rest[at] == '+' || rest[at] == '-')) plain += rest[at++];
        digits = CountDigits(rest, at);
        if (digits == 0) throw fail();
        plain.append(rest.substr(at, digits));
        at += digits;
    }
    if (at != rest.size()) throw fail();

    double value = 0;
    const auto [end, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small for any double rounds to zero; too large has no nearest double.
        if (!LooksTiny(plain)) throw fail();
        return plain[0] == '-' ? -0.0 : 0.0;
    }
    if (error != std::errc{} || end != plain.data() + plain.size()) throw fail();
    return value;
}

}  // namespace vortalin
