#include <gtest/gtest.h>

#include "core/Utf8.h"

namespace vortalin {
namespace {

TEST(Utf8, WellFormedSequencesAreOneCharacterAndStrayBytesOneEach) {
    const struct {
        std::string_view text;
        std::size_t length;
    } cases[] = {{"", 0},
                 {"E0B", 1},
                 {"\xD0\xB1", 2},          // б
                 {"\xE2\x82\xAC", 3},      // €
                 {"\xF0\x9F\x94\xA5", 4},  // 🔥
                 {"\x80", 1},              // continuation without a lead
                 {"\xC0\xAF", 1},          // overlong
                 {"\xE0\x80\xAF", 1},      // overlong
                 {"\xED\xA0\x80", 1},      // surrogate
                 {"\xF4\x90\x80\x80", 1},  // beyond U+10FFFF
                 {"\xD0", 1},              // cut short
                 {"\xE2\x82", 1},          // cut short
                 {"\xE2\x82"
                  "A",
                  1},  // broken by ASCII
                 {"\xFF", 1}};
    for (const auto& c : cases) EXPECT_EQ(CharacterLength(c.text), c.length) << c.length;
}

TEST(Utf8, CharactersCoverEveryByteOnce) {
    const std::string text =
        "\xD0\xB1\x80"
        "E\r\n\xF0\x9F\x94";
    const auto characters = Characters(text, 100);
    ASSERT_EQ(characters.size(), 8u);  // б, stray, E, CR, LF, then three stray bytes
    std::string joined;
    for (const auto c : characters) joined += c;
    EXPECT_EQ(joined, text);
    EXPECT_EQ(Characters(text, 2).size(), 2u);
    EXPECT_EQ(CharacterAt(text, 3), "\r");
    EXPECT_EQ(CharacterAt(text, 0), "\xD0\xB1");
    EXPECT_EQ(CharacterAt(text, 8), "");
}

TEST(Utf8, CellTextReplacesStrayBytes) {
    EXPECT_EQ(CharacterText("A"), "A");
    EXPECT_EQ(CharacterText("\xD0\xB1"), "\xD0\xB1");
    EXPECT_EQ(CharacterText("\x80"), "\xEF\xBF\xBD");
    EXPECT_EQ(CharacterText("\xD0"), "\xEF\xBF\xBD");
    EXPECT_EQ(CharacterText(""), "");
}

}  // namespace
}  // namespace vortalin
