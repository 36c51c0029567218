#include "Listing.h"

namespace vortalin::oracle {
namespace {

constexpr char kDigits[] = "0123456789ABCDEF";

int DigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string ListingOfBytes(const std::vector<std::uint8_t>& bytes, std::size_t begin,
                           std::size_t end) {
    std::string listing;
    for (std::size_t i = begin; i + 1 < end; i += 2) {
        const unsigned word = bytes[i] | (bytes[i + 1] << 8);
        for (int shift = 12; shift >= 0; shift -= 4) listing += kDigits[(word >> shift) & 0xF];
    }
    return listing;
}

std::optional<std::vector<std::uint8_t>> BytesOfListing(std::string_view listing) {
    if (listing.size() % 4 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i < listing.size(); i += 4) {
        unsigned word = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const int digit = DigitValue(listing[i + k]);
            if (digit < 0) return std::nullopt;
            word = word << 4 | static_cast<unsigned>(digit);
        }
        bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(word >> 8));
    }
    return bytes;
}

}  // namespace vortalin::oracle
