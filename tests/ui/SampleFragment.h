#pragma once

// A firmware listing as a user pastes it: two jumps, the routine that fills
// the advance table (address 0x01A0, counts 11 down to 0 and up to 7), and one
// more word after the routine's RET.
inline constexpr const char* kSampleFragment =
    "0C94D2000C94F100E0B1E0A0E00B930DE00B930DE00A930DE009930DE008930DE007930DE006930DE005"
    "930DE004930DE003930DE002930DE001930DE000930DE000930DE000930DE000930DE000930DE000930D"
    "E000930DE001930DE001930DE002930DE002930DE003930DE003930DE004930DE004930DE005930DE005"
    "930DE006930DE006930DE007930C95080895";

// The counts of rows 1..32 in that routine.
inline constexpr int kSampleCounts[32] = {11, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0, 0, 0, 0,
                                          0,  0,  0,  1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7};
