#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vortalin {
namespace {

using testing::VectorSink;

TAdvanceTable TableWithAngles() {
    TAdvanceTable table;
    for (int row = 1; row < kRowCount; ++row)
        table.SetCell(tcAdvance, row, CountToAngle(row, 20, ","));
    return table;
}

TEST(AdvanceCurve, DrawsTheFirst25RowsOverEngineSpeed) {
    TAdvanceTable table = TableWithAngles();
    table.SetCell(tcAdvance, 30, "not drawn");
    VectorSink sink;
    ASSERT_EQ(BuildAdvanceCurve(table, ",", sink), Outcome::Done());
    ASSERT_EQ(sink.points.size(), 25u);
    for (int row = 1; row <= 25; ++row) {
        const TCurvePoint& point = sink.points[row - 1];
        EXPECT_EQ(point.x, std::stod(std::string(RpmAxis[row - 1])));
        EXPECT_EQ(point.y, (200 - 14 * row) / 10.0);  // the double nearest the text
        EXPECT_EQ(point.colour, kCurveColour);
    }
    EXPECT_EQ(sink.points.back().x, 9000);
}

TEST(AdvanceCurve, RunningTwiceGivesTheSamePointsNotTwice) {
    const TAdvanceTable table = TableWithAngles();
    VectorSink sink;
    BuildAdvanceCurve(table, ",", sink);
    const auto first = sink.points;
    BuildAdvanceCurve(table, ",", sink);
    EXPECT_EQ(sink.points, first);
}

TEST(AdvanceCurve, AMalformedAngleStopsWithThePointsBeforeIt) {
    const struct {
        int row;
        std::string text;
    } cases[] = {{1, ""}, {7, "1.5"}, {25, "x"}};
    for (const auto& c : cases) {
        TAdvanceTable table = TableWithAngles();
        table.SetCell(tcAdvance, c.row, c.text);
        VectorSink sink;
        sink.points.push_back({1, 1});  // what an earlier run left
        const Outcome outcome = BuildAdvanceCurve(table, ",", sink);
        EXPECT_EQ(outcome, Outcome::Error("'" + c.text + "' is not a valid floating point value"));
        EXPECT_EQ(sink.points.size(), static_cast<std::size_t>(c.row - 1)) << c.row;
        EXPECT_EQ(sink.clears, 1);
    }
}

}  // namespace
}  // namespace vortalin
