#pragma once

#include <array>
#include <string>
#include <string_view>

namespace vortalin {

// Columns of the advance table. Every entry is shown four times: as the load
// instruction word, the loaded byte in hex, the byte as a decimal count, and
// the advance angle that count stands for.
enum TColumn : int { tcRpm = 0, tcWord = 1, tcHex = 2, tcDec = 3, tcAdvance = 4 };

inline constexpr int kColumnCount = 5;
inline constexpr int kRowCount = 33;    // row 0 holds the headers
inline constexpr int kEntryCount = 32;  // rows 1..32, in the order the firmware stores them

// Engine-speed labels of rows 1..32 (index 0 is row 1); the steps are uneven.
extern const std::array<std::string_view, kEntryCount> RpmAxis;

// The 5 x 33 table of cell texts. Cells hold text only: each conversion stage
// reads the texts the stage before it wrote, or what the user typed.
class TAdvanceTable {
  public:
    TAdvanceTable() { Reset(); }

    // Start-up content: the headers of columns 0, 2, 3, 4 and the speed labels.
    void Reset();

    const std::string& Cell(int column, int row) const;
    void SetCell(int column, int row, std::string text);

    static bool IsValidCell(int column, int row) {
        return column >= 0 && column < kColumnCount && row >= 0 && row < kRowCount;
    }

    bool operator==(const TAdvanceTable&) const = default;

  private:
    std::array<std::array<std::string, kRowCount>, kColumnCount> cells_;
};

}  // namespace vortalin
