#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vortalin::oracle {

// The listing writes each 16-bit instruction word as four upper-case hex
// digits, most significant first; flash holds the low byte of a word first.
std::string ListingOfBytes(const std::vector<std::uint8_t>& bytes, std::size_t begin,
                           std::size_t end);

// The way back, digits of either case. Nothing when the text is not whole
// words of hex digits.
std::optional<std::vector<std::uint8_t>> BytesOfListing(std::string_view listing);

}  // namespace vortalin::oracle
