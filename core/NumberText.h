#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace vortalin {

// A cell or box text that does not parse as the number a stage needs. The
// message is the one the user sees, e.g. "'abc' is not a valid integer value".
// what() stops at the first NUL byte, which a pasted text can hold: message()
// is the whole message.
class ConversionError : public std::runtime_error {
  public:
    explicit ConversionError(const std::string& message)
        : std::runtime_error(message), message_(message) {}

    const std::string& message() const { return message_; }

  private:
    std::string message_;
};

// Value of one hexadecimal digit given as a one-character text: "0".."9",
// "A".."F" and "a".."f"; any other text, the empty one included, gives 0.
int HexDigitValue(std::string_view oneCharacter);

// Decimal digits with a leading "-" for negatives.
std::string IntegerText(std::int64_t value);

// Optional leading spaces, optional sign, then decimal digits or hex digits
// after "$", "x" or "0x", up to the end; must fit a signed 32-bit integer.
// Throws ConversionError otherwise.
std::int32_t ParseInteger(std::string_view text);

// The count as an unsigned 32-bit value in upper-case hex, at least two digits.
std::string HexText(std::int32_t count);

// Optional leading spaces, optional sign, digits, optionally the decimal
// separator and more digits, optionally an exponent, optional trailing spaces.
// Gives the nearest double; throws ConversionError otherwise (and for values
// beyond the double range).
double ParseFloat(std::string_view text, std::string_view decimalSeparator);

std::string IntegerErrorMessage(std::string_view text);
std::string FloatErrorMessage(std::string_view text);

}  // namespace vortalin
