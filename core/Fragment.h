#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace vortalin {

// Layout of the firmware routine that fills the advance table, in characters
// from the marker: LDI r27,hi / LDI r26,lo / 32 x (LDI r16,K ; ST X+,r16),
// the last store being ST X,r16, then RET.
inline constexpr std::string_view kMarker = "E0B";  // LDI r27, 0x0h
inline constexpr std::size_t kAddressDigitOffset = 3;
inline constexpr std::size_t kAddressWordsLength = 8;  // both address loads
inline constexpr std::size_t kWordLength = 4;
inline constexpr std::size_t kEntryStride = 8;             // load word + store word
inline constexpr std::string_view kStoreAdvance = "930D";  // ST X+, r16
inline constexpr std::string_view kStoreLast = "930C";     // ST X, r16
inline constexpr std::string_view kReturn = "9508";        // RET
inline constexpr std::size_t kRoutineLength = 268;

// Byte offset of the first "E0B" (case-sensitive, at any character position);
// nothing when the text holds none. Every character of the marker is ASCII,
// which never occurs inside a multi-byte character, so the first byte match is
// the first character match.
std::optional<std::size_t> FindMarker(std::string_view fragment);

}  // namespace vortalin
