#include <gtest/gtest.h>

#include "TestSupport.h"

namespace vortalin {
namespace {

using testing::Column;
using testing::CountsFrom;
using testing::Routine;
using testing::VectorSink;

class Encoder : public ::testing::Test {
  protected:
    EncodeResult Encode(std::string_view input, std::string_view sensor = "20",
                        std::string_view separator = ",") {
        return EncodeFragment(table, sensor, input, separator, sink);
    }
    void FillAngles(const std::string& angle) {
        for (int row = 1; row < kRowCount; ++row) table.SetCell(tcAdvance, row, angle);
    }

    TAdvanceTable table;
    VectorSink sink;
};

TEST_F(Encoder, DecodeThenEncodeReproducesTheRoutineForEverySensorAngleAndByte) {
    for (const char* separator : {",", "."}) {
        for (int sensor = -99; sensor <= 99; ++sensor) {
            const std::string sensorText = std::to_string(sensor);
            for (int first = 0; first < 256; first += 32) {
                const std::string routine = Routine(CountsFrom(first), 'C', "E2A4");
                ASSERT_EQ(DecodeFragment(table, routine, sensorText, separator, sink),
                          Outcome::Done());
                const EncodeResult result = Encode(routine, sensorText, separator);
                ASSERT_EQ(result.outcome, Outcome::Done());
                ASSERT_EQ(result.fragment, routine) << "sensor " << sensor << " first " << first;
            }
        }
    }
}

TEST_F(Encoder, AllAnglesAtTheSensorAngleGiveCountZero) {
    FillAngles("20");
    const EncodeResult result = Encode("E0B1E6A0");
    ASSERT_EQ(result.outcome, Outcome::Done());
    EXPECT_EQ(Column(table, tcDec), std::vector<std::string>(32, "0"));
    EXPECT_EQ(Column(table, tcHex), std::vector<std::string>(32, "00"));
    EXPECT_EQ(Column(table, tcWord), std::vector<std::string>(32, "E000"));
    EXPECT_EQ(result.fragment, Routine(std::vector<int>(32, 0), '1', "E6A0"));
    EXPECT_TRUE(result.fragment.ends_with("E000930C9508"));
    EXPECT_EQ(result.fragment.size(), 268u);
}

TEST_F(Encoder, KeepsTheTextBeforeTheRoutineByteForByteAndDropsWhatFollows) {
    const std::string before = "Прошивка\r\n:1000 \xF0\x9F\x94\xA5\r\n";
    const std::string routine =
        Routine(CountsFrom(40), '2', "E\xD0\x96\r\n");  // odd low-address word
    ASSERT_EQ(DecodeFragment(table, before + routine + "\r\nFFFF checksum", "20", ",", sink),
              Outcome::Done());
    const EncodeResult result = Encode(before + routine + "\r\nFFFF checksum");
    ASSERT_EQ(result.outcome, Outcome::Done());
    EXPECT_TRUE(result.fragment.starts_with(before + "E0B2E\xD0\x96\r\nE"));
    EXPECT_TRUE(result.fragment.ends_with("930C9508"));
    EXPECT_EQ(result.fragment.find("checksum"), std::string::npos);
}

TEST_F(Encoder, AnInputEndingInsideTheAddressWordsIsCarriedAsItIs) {
    FillAngles("15,8");
    const EncodeResult result = Encode("xyE0B3E");
    ASSERT_EQ(result.outcome, Outcome::Done());
    EXPECT_EQ(result.fragment, "xyE0B3E" + Routine(std::vector<int>(32, 3)).substr(8));
}

TEST_F(Encoder, RoundsEditedAnglesToTheNearestCount) {
    FillAngles("20");
    const struct {
        int row;
        const char* angle;
        const char* dec;
        const char* hex;
        const char* word;
    } edits[] = {{1, "15,8", "3", "03", "E003"},   {2, "16,5", "2", "02", "E002"},
                 {3, "13,7", "5", "05", "E005"},   {4, "12,3", "5", "05", "E005"},
                 {5, "19,3", "0", "00", "E000"},   {6, "-337", "255", "FF", "E F0F"},
                 {30, "-3,8", "17", "11", "E101"}, {32, " 0 ", "14", "0E", "E00E"}};
    for (const auto& edit : edits) table.SetCell(tcAdvance, edit.row, edit.angle);
    ASSERT_EQ(Encode("E0B1E6A0").outcome, Outcome::Done());
    for (const auto& edit : edits) {
        EXPECT_EQ(table.Cell(tcDec, edit.row), edit.dec) << edit.angle;
        EXPECT_EQ(table.Cell(tcHex, edit.row), edit.hex) << edit.angle;
        std::string word = edit.word;
        std::erase(word, ' ');
        EXPECT_EQ(table.Cell(tcWord, edit.row), word) << edit.angle;
    }
}

TEST_F(Encoder, AMissingAngleAt2800WarnsAndChangesNothing) {
    FillAngles("10");
    table.SetCell(tcAdvance, 11, "");
    table.SetCell(tcWord, 0, "таб.7");
    const TAdvanceTable before = table;
    sink.points.push_back({1, 2});
    const EncodeResult result = Encode("E0B1E6A0");
    EXPECT_EQ(result.outcome, Outcome::Warning("Данные не определены"));
    EXPECT_EQ(result.fragment, "");
    EXPECT_EQ(table, before);
    EXPECT_EQ(sink.clears, 0);
}

TEST_F(Encoder, NoMarkerInTheInputWarnsAndChangesNothing) {
    FillAngles("10");
    const TAdvanceTable before = table;
    for (const char* input : {"", "e0b1e6a0", "E0 B1"}) {
        const EncodeResult result = Encode(input);
        EXPECT_EQ(result.outcome, Outcome::Warning("Не найдено начало таблицы (E0B)")) << input;
        EXPECT_EQ(table, before);
        EXPECT_EQ(sink.clears, 0);
    }
}

TEST_F(Encoder, AMalformedAngleInTheCurveRowsStopsBeforeTheTableChanges) {
    FillAngles("10");
    table.SetCell(tcAdvance, 1, "");
    const TAdvanceTable before = table;
    EXPECT_EQ(Encode("E0B1E6A0").outcome, Outcome::Error("'' is not a valid floating point value"));
    EXPECT_EQ(table, before);
    EXPECT_TRUE(sink.points.empty());
    EXPECT_EQ(sink.clears, 1);
}

TEST_F(Encoder, AMalformedAngleBeyondTheCurveStopsInTheCountColumn) {
    FillAngles("10");
    table.SetCell(tcAdvance, 27, "1.5");
    const EncodeResult result = Encode("E0B1E6A0");
    EXPECT_EQ(result.outcome, Outcome::Error("'1.5' is not a valid floating point value"));
    EXPECT_EQ(sink.points.size(), 25u);
    for (int row = 1; row <= 32; ++row) {
        EXPECT_EQ(table.Cell(tcDec, row), row < 27 ? "7" : "") << row;
        EXPECT_EQ(table.Cell(tcHex, row), "") << row;
        EXPECT_EQ(table.Cell(tcWord, row), "") << row;
    }
}

TEST_F(Encoder, ErrorMessagesKeepTheWholeTextPastANulByte) {
    const std::string angle(
        "1\0"
        "5",
        3);                          // a pasted text can hold NUL
    for (const int row : {1, 30}) {  // in the curve, and in the count column
        FillAngles("20");
        table.SetCell(tcAdvance, row, angle);
        EXPECT_EQ(Encode("E0B1E6A0").outcome,
                  Outcome::Error("'" + angle + "' is not a valid floating point value"))
            << "row " << row;
    }
}

TEST_F(Encoder, ABadSensorAngleStopsAtTheFirstRowAfterTheCurve) {
    FillAngles("10");
    const EncodeResult result = Encode("E0B1E6A0", "2O");
    EXPECT_EQ(result.outcome, Outcome::Error("'2O' is not a valid integer value"));
    EXPECT_EQ(sink.points.size(), 25u);
    EXPECT_EQ(Column(table, tcDec), std::vector<std::string>(32, ""));
}

struct RangeCase {
    int row;
    std::string angle;
    std::string sensor;
    std::string separator;
    std::string warning;
};

TEST_F(Encoder, ACountOutsideAByteIsRefusedWithRowsBeforeItKept) {
    const RangeCase cases[] = {
        {11, "25", "20", ",", "УОЗ 25 при 2800 об/мин вне диапазона от -337 до 20"},
        {1, "21", "20", ",", "УОЗ 21 при 500 об/мин вне диапазона от -337 до 20"},
        {32, "-338", "20", ",", "УОЗ -338 при 19500 об/мин вне диапазона от -337 до 20"},
        {5, "-337,8", "20", ",", "УОЗ -337,8 при 1200 об/мин вне диапазона от -337 до 20"},
        // The quotient comes out as 255.5 exactly and ties to 256.
        {5, "-337,7", "20", ",", "УОЗ -337,7 при 1200 об/мин вне диапазона от -337 до 20"},
        {5, "20,8", "20", ",", "УОЗ 20,8 при 1200 об/мин вне диапазона от -337 до 20"},
        {2, "-1e300", "15", ".", "УОЗ -1e300 при 600 об/мин вне диапазона от -342 до 15"},
        // 2^32 counts below the sensor angle: a 32-bit cut would make it count 0.
        {3, "-6012954214,4", "0", ",",
         "УОЗ -6012954214,4 при 800 об/мин вне диапазона от -357 до 0"},
        {4, "1,5", "-3", ",", "УОЗ 1,5 при 1000 об/мин вне диапазона от -360 до -3"}};
    for (const auto& c : cases) {
        table.Reset();
        FillAngles(c.sensor);
        table.SetCell(tcAdvance, c.row, c.angle);
        const EncodeResult result = Encode("E0B1E6A0", c.sensor, c.separator);
        EXPECT_EQ(result.outcome, Outcome::Warning(c.warning)) << c.angle;
        EXPECT_EQ(result.fragment, "");
        for (int row = 1; row <= 32; ++row) {
            EXPECT_EQ(table.Cell(tcDec, row), row < c.row ? "0" : "") << c.angle << " row " << row;
            EXPECT_EQ(table.Cell(tcHex, row), "");
            EXPECT_EQ(table.Cell(tcWord, row), "");
        }
    }
}

TEST_F(Encoder, TheEdgesOfTheByteAreAccepted) {
    FillAngles("20");
    table.SetCell(tcAdvance, 1, "-337,6");  // quotient 255.43 rounds to 255
    table.SetCell(tcAdvance, 2, "20,7");    // quotient just above -0.5 rounds to 0
    ASSERT_EQ(Encode("E0B1E6A0").outcome, Outcome::Done());
    EXPECT_EQ(table.Cell(tcDec, 1), "255");
    EXPECT_EQ(table.Cell(tcDec, 2), "0");
    EXPECT_EQ(table.Cell(tcWord, 1), "EF0F");
}

TEST_F(Encoder, LeavesTheTableAddressHeaderAsTheLastDecodeSetIt) {
    ASSERT_EQ(DecodeFragment(table, Routine(CountsFrom(3), '9'), "20", ",", sink), Outcome::Done());
    ASSERT_EQ(Encode(Routine(CountsFrom(3), '4')).outcome, Outcome::Done());
    EXPECT_EQ(table.Cell(tcWord, 0), "таб.9");
}

}  // namespace
}  // namespace vortalin
