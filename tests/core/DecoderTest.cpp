#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vortalin {
namespace {

using testing::Column;
using testing::CountsFrom;
using testing::Routine;
using testing::VectorSink;

class Decoder : public ::testing::Test {
  protected:
    Outcome Decode(std::string_view fragment, std::string_view sensor = "20",
                   std::string_view separator = ",") {
        return DecodeFragment(table, fragment, sensor, separator, sink);
    }

    TAdvanceTable table;
    VectorSink sink;
};

TEST_F(Decoder, ReadsEveryColumnOfARoutine) {
    const auto counts = CountsFrom(100);
    ASSERT_EQ(Decode(Routine(counts, '1')), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.1");
    for (int row = 1; row <= 32; ++row) {
        const int count = counts[row - 1];
        char word[8], hex[4];
        std::snprintf(word, sizeof word, "E%X0%X", count / 16, count % 16);
        std::snprintf(hex, sizeof hex, "%02X", count);
        EXPECT_EQ(table.Cell(tcWord, row), word);
        EXPECT_EQ(table.Cell(tcHex, row), hex);
        EXPECT_EQ(table.Cell(tcDec, row), std::to_string(count));
        EXPECT_EQ(table.Cell(tcAdvance, row), CountToAngle(count, 20, ","));
    }
    EXPECT_EQ(sink.points.size(), 25u);
    EXPECT_EQ(sink.points.back().x, 9000);
}

TEST_F(Decoder, ReadsTheFirstWordOfAShortListing) {
    ASSERT_EQ(Decode("E0B1E2A0E00C930D"), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.1");
    EXPECT_EQ(table.Cell(tcWord, 1), "E00C");
    EXPECT_EQ(table.Cell(tcHex, 1), "0C");
    EXPECT_EQ(table.Cell(tcDec, 1), "12");
    EXPECT_EQ(table.Cell(tcAdvance, 1), "3,2");
    // Rows past the end of the text read as count 0, the sensor angle itself.
    EXPECT_EQ(table.Cell(tcWord, 2), "");
    EXPECT_EQ(table.Cell(tcHex, 2), "");
    EXPECT_EQ(table.Cell(tcDec, 2), "0");
    EXPECT_EQ(table.Cell(tcAdvance, 32), "20");
}

TEST_F(Decoder, CutsWordsAtTheEndOfTheText) {
    ASSERT_EQ(Decode("E0B"), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.");
    ASSERT_EQ(Decode("E0B1E2A0E0A"), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 1), "E0A");
    EXPECT_EQ(table.Cell(tcHex, 1), "0");
    EXPECT_EQ(table.Cell(tcDec, 1), "0");
}

TEST_F(Decoder, FindsTheFirstMarkerEvenAcrossWordsAndCountsCharactersNotBytes) {
    // "E0B" straddling two words earlier in the text wins over the routine.
    const std::string straddling =
        "12E0"
        "B5FF" +
        Routine(CountsFrom(0));
    ASSERT_EQ(Decode(straddling), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.5");
    EXPECT_EQ(table.Cell(tcWord, 1), "B1E6");

    // Cyrillic and a line break before the routine shift nothing inside it.
    const auto counts = CountsFrom(7);
    ASSERT_EQ(Decode("Таблица УОЗ:\r\n" + Routine(counts, 'A')), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.A");
    EXPECT_EQ(table.Cell(tcDec, 1), "7");
    EXPECT_EQ(table.Cell(tcDec, 32), "38");

    // Lower-case "e0b" is not the marker.
    EXPECT_EQ(Decode("e0b1e6a0"), Outcome::Warning(kNoMarkerWarning));
}

TEST_F(Decoder, ALineBreakInsideTheRoutineShiftsEveryLaterWord) {
    std::string fragment = Routine(CountsFrom(16));
    fragment.insert(8 * 3, "\r\n");  // before the load word of row 3
    ASSERT_EQ(Decode(fragment), Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 2), "E101");
    EXPECT_EQ(table.Cell(tcWord, 3), "\r\nE1");
    EXPECT_EQ(table.Cell(tcHex, 3), "\n1");
    EXPECT_EQ(table.Cell(tcDec, 3), "1");
    EXPECT_EQ(table.Cell(tcWord, 4), "0DE1");
}

TEST_F(Decoder, LowerCaseDigitsCountAsTheirValue) {
    ASSERT_EQ(Decode("E0B1E2A0Ea0b930D"), Outcome::Done());
    EXPECT_EQ(table.Cell(tcHex, 1), "ab");
    EXPECT_EQ(table.Cell(tcDec, 1), "171");
}

TEST_F(Decoder, NonHexCharactersCountAsZeroAndStrayBytesBecomeReplacementCharacters) {
    ASSERT_EQ(Decode("E0B1E2A0EЖ0G930D"
                     "\x80\x80\x80\x80"),
              Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 1), "EЖ0G");
    EXPECT_EQ(table.Cell(tcHex, 1), "ЖG");
    EXPECT_EQ(table.Cell(tcDec, 1), "0");
    EXPECT_EQ(table.Cell(tcWord, 2), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(Decoder, EmptyTextWarnsAndChangesNothing) {
    ASSERT_EQ(Decode(Routine(CountsFrom(1))), Outcome::Done());
    const TAdvanceTable before = table;
    const auto points = sink.points;
    EXPECT_EQ(Decode(""), Outcome::Warning("Введите данные!"));
    EXPECT_EQ(table, before);
    EXPECT_EQ(sink.points, points);
    // Blanks only are not empty; they hold no marker.
    EXPECT_EQ(Decode("   "), Outcome::Warning("Не найдено начало таблицы (E0B)"));
    EXPECT_EQ(table, before);
    EXPECT_EQ(sink.points, points);
}

TEST_F(Decoder, ABadSensorAngleStopsAtTheAnglesWithEarlierColumnsWritten) {
    ASSERT_EQ(Decode(Routine(CountsFrom(1))), Outcome::Done());
    const auto oldAngles = Column(table, tcAdvance);
    const auto points = sink.points;

    EXPECT_EQ(Decode(Routine(CountsFrom(50), '2'), ""),
              Outcome::Error("'' is not a valid integer value"));
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.2");
    EXPECT_EQ(table.Cell(tcDec, 1), "50");
    EXPECT_EQ(Column(table, tcAdvance), oldAngles);
    EXPECT_EQ(sink.points, points);
}

TEST_F(Decoder, TheErrorMessageKeepsTheWholeTextPastANulByte) {
    const std::string sensor(
        "2\0"
        "0",
        3);  // a pasted text can hold NUL
    EXPECT_EQ(Decode(Routine(CountsFrom(0)), sensor),
              Outcome::Error("'" + sensor + "' is not a valid integer value"));
}

TEST_F(Decoder, UsesTheSensorAngleAndSeparatorGiven) {
    ASSERT_EQ(Decode(Routine(std::vector<int>(32, 3)), "-5", "."), Outcome::Done());
    EXPECT_EQ(table.Cell(tcAdvance, 1), "-9.2");
    EXPECT_DOUBLE_EQ(sink.points[0].y, -9.2);
}

TEST_F(Decoder, DecodingTwiceGivesTheSameTable) {
    const std::string fragment = Routine(CountsFrom(200));
    ASSERT_EQ(Decode(fragment), Outcome::Done());
    const TAdvanceTable first = table;
    ASSERT_EQ(Decode(fragment), Outcome::Done());
    EXPECT_EQ(table, first);
    EXPECT_EQ(sink.points.size(), 25u);
}

}  // namespace
}  // namespace vortalin
