#include "core/AdvanceTable.h"

#include <stdexcept>
#include <utility>

namespace vortalin {

const std::array<std::string_view, kEntryCount> RpmAxis = {
    "500",  "600",  "800",  "1000", "1200",  "1500",  "1800",  "2000",  "2200",  "2500", "2800",
    "3000", "3500", "3900", "4200", "4700",  "5100",  "5600",  "6100",  "6500",  "6900", "7300",
    "7800", "8300", "9000", "9700", "10600", "11700", "13000", "14600", "16700", "19500"};

void TAdvanceTable::Reset() {
    for (auto& column : cells_) {
        for (auto& cell : column) cell.clear();
    }
    cells_[tcRpm][0] = "об/мин";
    cells_[tcHex][0] = "HEX";
    cells_[tcDec][0] = "DEC";
    cells_[tcAdvance][0] = "УОЗ";
    for (int row = 1; row < kRowCount; ++row) cells_[tcRpm][row] = RpmAxis[row - 1];
}

const std::string& TAdvanceTable::Cell(int column, int row) const {
    if (!IsValidCell(column, row)) throw std::out_of_range("advance table cell out of range");
    return cells_[column][row];
}

void TAdvanceTable::SetCell(int column, int row, std::string text) {
    if (!IsValidCell(column, row)) throw std::out_of_range("advance table cell out of range");
    cells_[column][row] = std::move(text);
}

}  // namespace vortalin
