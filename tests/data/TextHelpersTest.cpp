// The shared text and date helpers, the text-to-number conversions and the
// date and number keys of score entry.

#include "data/EntryKeys.h"
#include "data/Errors.h"
#include "data/ShortString.h"
#include "data/Text.h"
#include "data/TextFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

struct PadCase {
    const char* name;
    std::string text;
    int width;
    std::string right; // PadRight
    std::string left;  // PadLeft
};

TEST(TextHelpers, PadRightAndPadLeftKeepExactWidth) {
    const std::string course35 = "ABCDEFGHIJKLMNOPQRSTUVWXYZ012345678";
    const PadCase cases[] = {
        {"exact width", "113", 3, "113", "113"},
        {"short text", "72", 4, "72  ", "  72"},
        {"score column", "85", 3, "85 ", " 85"},
        {"too long keeps the left part", "1234", 3, "123", "123"},
        {"35-char course to 30", course35, 30, course35.substr(0, 30), course35.substr(0, 30)},
        {"empty text", "", 3, "   ", "   "},
        {"cut at NUL first",
         "7\0"
         "99"s,
         3, "7  ", "  7"},
        {"zero width", "abc", 0, "", ""},
    };
    for (const PadCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(tb::PadRight(c.text, c.width), c.right);
        EXPECT_EQ(tb::PadLeft(c.text, c.width), c.left);
    }
}

// Every reader splits a file's lines here: CR LF, a lone LF and a lone CR
// (old editors) each end a line.
TEST(TextHelpers, SplitLinesAtEveryKindOfLineEnd) {
    const struct {
        const char* content;
        std::vector<std::string_view> lines;
    } cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\r\r\nb", {"a", "", "b"}},
        {"a\n\rb\n\n", {"a", "", "b", ""}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tb::SplitLines(c.content), c.lines) << c.content;
}

TEST(TextHelpers, CutAtNul) {
    EXPECT_EQ(tb::CutAtNul("OAK HOLLOW"), "OAK HOLLOW");
    EXPECT_EQ(tb::CutAtNul("\0abc"s), "");
    EXPECT_EQ(tb::CutAtNul("ab\0c\0d"s), "ab");
    EXPECT_EQ(tb::CutAtNul(""), "");
}

TEST(TextHelpers, DateForDisplay) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"19980614", "06/14/1998"},
        {"991231", "12/31/1999"},
        {"010315", "03/15/2001"},
        {"700101", "01/01/1970"},
        {"691231", "12/31/2069"},
        {"", "99/99/9999"},
        {"1998061", "99/99/9999"},
        {"199806145", "99/99/9999"},
        // Not checked to be digits.
        {"ABCDEFGH", "EF/GH/ABCD"},
        // "In character order" means by byte value: 0xE9 is above "7".
        {"\xE9"
         "10101",
         "01/01/19\xE9"
         "1"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tb::DateForDisplay(c.in), c.out) << "input '" << c.in << "'";
}

TEST(TextHelpers, DateForStorageTakesCharactersByPosition) {
    EXPECT_EQ(tb::DateForStorage("06/14/1998"), "19980614");
    EXPECT_EQ(tb::DateForStorage(tb::DateForDisplay("20011231")), "20011231");
    EXPECT_EQ(tb::DateForStorage("06/14"), "0614"); // short input: missing parts are empty
    EXPECT_EQ(tb::DateForStorage(""), "");
}

TEST(TextConversions, IntegersAndTheirErrorText) {
    EXPECT_EQ(tb::StrToInt("85"), 85);
    EXPECT_EQ(tb::StrToInt("  -7"), -7);
    EXPECT_EQ(tb::StrToInt("+12"), 12);
    EXPECT_EQ(tb::StrToInt("$1F"), 31);
    EXPECT_EQ(tb::StrToInt("2147483647"), 2147483647);
    EXPECT_EQ(tb::StrToInt("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"abc", "", " ", "12 ", "1.5", "2147483648", "-", "0x10", "$"}) {
        try {
            tb::StrToInt(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const tb::ConvertError& e) {
            EXPECT_EQ(e.what(), "'"s + bad + "' is not a valid integer value");
        }
    }
}

TEST(TextConversions, RealsAndTheirErrorText) {
    EXPECT_EQ(tb::StrToFloat("71.2"), 71.2L);
    EXPECT_EQ(tb::StrToFloat(" 12.3"), 12.3L);
    EXPECT_EQ(tb::StrToFloat("-1.5"), -1.5L);
    EXPECT_EQ(tb::StrToFloat("113"), 113.0L);
    EXPECT_EQ(tb::StrToFloat(".5"), 0.5L);
    for (const char* bad : {"x", "", "  ", "1,5", "1.2.3", "e5", "12a"}) {
        try {
            tb::StrToFloat(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const tb::ConvertError& e) {
            EXPECT_EQ(e.what(), "'"s + bad + "' is not a valid floating point value");
        }
    }
    // A NUL in the text is shown, not taken for the end of the message.
    try {
        tb::StrToFloat("7\0"
                       "1"s);
        ADD_FAILURE();
    } catch (const tb::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'7\\01' is not a valid floating point value");
    }
}

TEST(TextConversions, FormatFixedRoundsDecimalDigitsHalfAwayFromZero) {
    EXPECT_EQ(tb::FormatFixed(12.3L, 1, 5), " 12.3");
    EXPECT_EQ(tb::FormatFixed(5, 1, 5), "  5.0");
    EXPECT_EQ(tb::FormatFixed(0, 1, 4), " 0.0");
    EXPECT_EQ(tb::FormatFixed(-2.5L, 1, 4), "-2.5");
    EXPECT_EQ(tb::FormatFixed(0.25L, 1), "0.3"); // 0.25 is exact in binary
    EXPECT_EQ(tb::FormatFixed(-0.25L, 1), "-0.3");
    EXPECT_EQ(tb::FormatFixed(9.96L, 1, 4), "10.0");
    EXPECT_EQ(tb::FormatFixed(-0.04L, 1, 4), " 0.0"); // no "-0.0"
    EXPECT_EQ(tb::FormatFixed(123.45L, 1, 4), "123.5");
}

struct DateCase {
    const char* input;
    const char* expected; // "" = unreadable
};

TEST(EntryKeys, NormalizeDate) {
    const DateCase cases[] = {
        {"1/5/99", "01/05/1999"},
        {"1-5-99", "01/05/1999"},
        {"010599", "01/05/1999"},
        {"01051999", "01/05/1999"},
        {"12.25.80", "12/25/2080"},
        {"1/5/1999", "01/05/1999"},
        {"3.7.81", "03/07/1981"},
        {"3.7.80", "03/07/2080"},
        {"03071981", "03/07/1981"},
        {"3\\7,81", "03/07/1981"},
        {"3/7/19811", "03/07/1981"},
        {"3/17/19811", ""}, // would be 11 characters, longer than any date
        {"6-96-00850", ""},
        {"13/45/2001", "13/45/2001"},
        {"06/14/1998", "06/14/1998"},
        {"1/5/9", ""},
        {"1/5/199", ""},
        {"3/7", ""},
        {"", ""},
        {"03/07/1981x", ""},
        {"3 /7/81", ""},
        {"03/07/ 1981", ""},
        {"/3/7/81", ""},
        {"3/7a81", ""},
        {"12345678901", ""},
    };
    for (const DateCase& c : cases)
        EXPECT_EQ(tb::NormalizeDate(c.input), c.expected) << "input '" << c.input << "'";
}

TEST(EntryKeys, StepDate) {
    using tb::StepDirection;
    const struct {
        const char* input;
        StepDirection direction;
        const char* expected;
    } cases[] = {
        {"02/28/2001", StepDirection::Forwards, "03/01/2001"},
        {"02/28/2000", StepDirection::Forwards, "02/29/2000"},
        {"02/29/2000", StepDirection::Forwards, "03/01/2000"},
        {"03/01/2100", StepDirection::Backwards, "02/29/2100"}, // every 4th year is a leap year
        {"03/01/2001", StepDirection::Backwards, "02/28/2001"},
        {"12/31/1999", StepDirection::Forwards, "01/01/2000"},
        {"01/01/2000", StepDirection::Backwards, "12/31/1999"},
        {"04/30/2001", StepDirection::Forwards, "05/01/2001"},
        {"05/01/2001", StepDirection::Backwards, "04/30/2001"},
        {"06/01/2001", StepDirection::Backwards, "05/31/2001"},
        {"1/5/99", StepDirection::Forwards, "01/06/1999"},
        {"13/45/2001", StepDirection::Forwards, "13/46/2001"},
        {"13/01/2001", StepDirection::Backwards, "13/01/2001"}, // unknown month: unchanged
        {"", StepDirection::Forwards, ""},
        {"", StepDirection::Backwards, ""},
        {"3/7", StepDirection::Forwards, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tb::StepDate(c.input, c.direction), c.expected) << "input '" << c.input << "'";
}

TEST(EntryKeys, StepNumber) {
    using tb::StepDirection;
    EXPECT_EQ(tb::StepNumber("", StepDirection::Forwards), "1");
    EXPECT_EQ(tb::StepNumber("0", StepDirection::Backwards), "-1");
    EXPECT_EQ(tb::StepNumber("9", StepDirection::Forwards), "10");
    EXPECT_EQ(tb::StepNumber("-1", StepDirection::Forwards), "0");
    try {
        tb::StepNumber("abc", StepDirection::Forwards);
        ADD_FAILURE() << "accepted 'abc'";
    } catch (const tb::ConvertError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
    }
}

} // namespace

TEST(TextHelpers, ShortStringsCutToCapacityEvenFromThemselves) {
    tb::ShortString<5> text = "abcdefgh";
    EXPECT_EQ(text.str(), "abcde");
    text = std::string_view(text.str()).substr(2); // a part of itself
    EXPECT_EQ(text.str(), "cde");
    tb::ShortString<30> course = "A COURSE NAME LONGER THAN SIXTEEN";
    course = std::string_view(course.str()).substr(0, 20);
    EXPECT_EQ(course.str(), "A COURSE NAME LONGER");
    course = "";
    EXPECT_TRUE(course.empty());
}
