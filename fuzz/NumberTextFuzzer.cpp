// The number-text rules on arbitrary text: integer and float parsing checked
// against the C library, angle-to-count against the x87 extended type where
// this compiler's long double is that type, and count -> angle -> count.
//
// Input: [sensor-angle text 0x1F] text. Without a separator the sensor is 20.

#include <bit>
#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>

#include "FuzzSupport.h"

namespace vortalin::fuzz {
namespace {

// strtoll/strtod are the C library's readers, written apart from the core's.
std::optional<std::int32_t> ExpectedInteger(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return std::nullopt;
    std::string_view rest = text.substr(first);
    bool negative = false;
    if (rest.starts_with('+') || rest.starts_with('-')) {
        negative = rest[0] == '-';
        rest.remove_prefix(1);
    }
    int base = 10;
    for (const std::string_view prefix : {"$", "x", "X", "0x", "0X"}) {
        if (rest.starts_with(prefix)) {
            base = 16;
            rest.remove_prefix(prefix.size());
            break;
        }
    }
    if (rest.empty()) return std::nullopt;
    for (const char c : rest) {
        const bool digit = base == 10 ? std::isdigit(static_cast<unsigned char>(c))
                                      : std::isxdigit(static_cast<unsigned char>(c));
        if (!digit) return std::nullopt;
    }
    const std::string digits(rest);
    errno = 0;
    const unsigned long long magnitude = std::strtoull(digits.c_str(), nullptr, base);
    if (errno == ERANGE || magnitude > (negative ? 0x80000000ull : 0x7FFFFFFFull)) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -static_cast<std::int64_t>(magnitude)
                                              : static_cast<std::int64_t>(magnitude));
}

void CheckInteger(std::string_view text) {
    const auto expected = ExpectedInteger(text);
    try {
        const std::int32_t value = ParseInteger(text);
        Require(expected && *expected == value, "ParseInteger accepted or misread a text", text);
        Require(ParseInteger(IntegerText(value)) == value, "integer text does not read back");
        if (value >= 0) {
            Require(ParseInteger("$" + HexText(value)) == value, "hex text does not read back");
        }
    } catch (const ConversionError& error) {
        Require(!expected, "ParseInteger refused a valid integer text", text);
        Require(error.message() == IntegerErrorMessage(text), "wrong integer error message", text);
    }
}

// The float shape, by regular expression; std::regex recurses per character,
// so only short texts are judged this way.
constexpr std::size_t kLongestJudgedText = 256;

bool HasFloatShape(std::string_view text, std::size_t separatorIndex) {
    static const std::regex shapes[] = {
        std::regex(R"( *[+-]?[0-9]+(,[0-9]+)?([eE][+-]?[0-9]+)? *)"),
        std::regex(R"( *[+-]?[0-9]+(\.[0-9]+)?([eE][+-]?[0-9]+)? *)"),
        std::regex(" *[+-]?[0-9]+(\xD9\xAB[0-9]+)?([eE][+-]?[0-9]+)? *")};
    return std::regex_match(text.begin(), text.end(), shapes[separatorIndex]);
}

void CheckFloat(std::string_view text, std::size_t separatorIndex, std::int32_t sensorAngle) {
    const std::string_view separator = kSeparators[separatorIndex];
    std::optional<double> value;
    try {
        value = ParseFloat(text, separator);
    } catch (const ConversionError& error) {
        Require(error.message() == FloatErrorMessage(text), "wrong float error message", text);
    }
    if (text.size() <= kLongestJudgedText) {
        std::optional<double> expected;
        if (HasFloatShape(text, separatorIndex)) {
            std::string plain(text);
            if (const auto at = plain.find(separator); at != std::string::npos) {
                plain.replace(at, separator.size(), ".");
            }
            errno = 0;
            const double parsed = std::strtod(plain.c_str(), nullptr);
            if (!(errno == ERANGE && std::isinf(parsed))) expected = parsed;
        }
        Require(expected.has_value() == value.has_value(), "ParseFloat accepts differently", text);
        if (value) {
            Require(std::bit_cast<std::uint64_t>(*value) == std::bit_cast<std::uint64_t>(*expected),
                    "ParseFloat is not the nearest double", text);
        }
    }
    if (!value) return;
    Require(std::isfinite(*value), "ParseFloat gave a value that is not finite", text);

#if LDBL_MANT_DIG == 64
    // What the original did in the x87's registers.
    const long double difference = static_cast<long double>(sensorAngle) - *value;
    const double quotient = static_cast<double>(difference / 1.4L);
    Require(AngleQuotient(*value, sensorAngle) == quotient, "angle quotient differs from x87",
            text);
    const double rounded = std::nearbyint(quotient);
    Require(RoundedAngleCount(text, sensorAngle, separator) == rounded, "rounded count differs",
            text);
    if (std::fabs(rounded) < 0x1p63) {
        const auto low = static_cast<std::uint32_t>(static_cast<std::int64_t>(rounded));
        Require(AngleToCount(text, sensorAngle, separator) == static_cast<std::int32_t>(low),
                "AngleToCount is not the low 32 bits", text);
    }
#endif
}

void CheckCountRoundTrip(std::int32_t count, std::int32_t sensorAngle) {
    for (const std::string_view separator : kSeparators) {
        const std::string angle = CountToAngle(count, sensorAngle, separator);
        Require(IsValidUtf8(angle), "angle text is not valid UTF-8", angle);
        Require(AngleToCount(angle, sensorAngle, separator) == count,
                "count -> angle -> count does not round-trip", angle);
    }
}

}  // namespace
}  // namespace vortalin::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vortalin;
    using namespace vortalin::fuzz;
    const auto fields = Fields(data, size, 2);
    const std::string_view text = fields.back();
    std::int32_t sensorAngle = 20;
    if (fields.size() == 2) {
        CheckInteger(fields[0]);
        try {
            sensorAngle = ParseInteger(fields[0]);
        } catch (const ConversionError&) {
        }
    }
    CheckInteger(text);
    for (std::size_t i = 0; i < std::size(kSeparators); ++i) CheckFloat(text, i, sensorAngle);
    // A byte the firmware can hold, picked by the input, at the sensor angle that came in.
    std::uint32_t byteSum = 0;
    for (std::size_t i = 0; i < size; ++i) byteSum += data[i];
    CheckCountRoundTrip(static_cast<std::int32_t>(byteSum % 256), sensorAngle);
    return 0;
}
