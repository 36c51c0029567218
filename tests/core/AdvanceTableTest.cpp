#include <gtest/gtest.h>

#include "core/AdvanceTable.h"

namespace vortalin {
namespace {

TEST(AdvanceTable, ResetShowsHeadersAndSpeedLabelsOnly) {
    TAdvanceTable table;
    table.SetCell(tcWord, 0, "таб.1");
    table.SetCell(tcAdvance, 7, "12,5");
    table.SetCell(tcRpm, 3, "edited");
    table.Reset();

    EXPECT_EQ(table.Cell(tcRpm, 0), "об/мин");
    EXPECT_EQ(table.Cell(tcWord, 0), "");
    EXPECT_EQ(table.Cell(tcHex, 0), "HEX");
    EXPECT_EQ(table.Cell(tcDec, 0), "DEC");
    EXPECT_EQ(table.Cell(tcAdvance, 0), "УОЗ");
    EXPECT_EQ(table.Cell(tcRpm, 1), "500");
    EXPECT_EQ(table.Cell(tcRpm, 11), "2800");
    EXPECT_EQ(table.Cell(tcRpm, 25), "9000");
    EXPECT_EQ(table.Cell(tcRpm, 32), "19500");
    for (int row = 1; row < kRowCount; ++row) {
        for (int column = tcWord; column <= tcAdvance; ++column) {
            EXPECT_EQ(table.Cell(column, row), "") << column << "," << row;
        }
    }
}

TEST(AdvanceTable, SpeedLabelsRiseStrictly) {
    for (std::size_t i = 1; i < RpmAxis.size(); ++i) {
        EXPECT_LT(std::stoi(std::string(RpmAxis[i - 1])), std::stoi(std::string(RpmAxis[i])));
    }
}

TEST(AdvanceTable, CellsOutsideTheTableAreRefused) {
    TAdvanceTable table;
    EXPECT_THROW(table.Cell(5, 0), std::out_of_range);
    EXPECT_THROW(table.Cell(0, 33), std::out_of_range);
    EXPECT_THROW(table.SetCell(-1, 1, "x"), std::out_of_range);
}

}  // namespace
}  // namespace vortalin
