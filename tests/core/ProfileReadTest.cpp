#include <gtest/gtest.h>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

struct StringCase {
    const char* file;
    const char* section;
    const char* key;
    std::size_t buffer;
    const char* expected;
};

const std::string kLong120(120, 'x');

class ProfileReadTest : public ::testing::Test {
protected:
    std::string Read(const std::string& bytes, const char* section, const char* key,
                     std::size_t buffer = 99, const char* fallback = "<UNDEFINED>") {
        return Profile(folder.Put("read.ini", bytes)).ReadString(section, key, fallback, buffer);
    }
    ScratchFolder folder;
};

TEST_F(ProfileReadTest, ValuesAreTrimmedAndUnquoted) {
    const StringCase cases[] = {
        {"[S]\r\nk=  12  \r\n", "S", "k", 99, "12"},
        {"[S]\r\nk=\t12\t\r\n", "S", "k", 99, "12"},
        {"[S]\r\nk=\v12\v\r\n", "S", "k", 99, "12"},
        {"[S]\r\nk= two  words \r\n", "S", "k", 99, "two  words"},
        {"[S]\r\nk=\r\n", "S", "k", 99, ""},
        {"[S]\r\nq1=\"1322,   26.0, 0.0, 0.0, First\"\r\n", "S", "q1", 99, "1322,   26.0, 0.0, 0.0, First"},
        {"[S]\r\nq2='single'\r\n", "S", "q2", 99, "single"},
        {"[S]\r\nq3=\"unbalanced\r\n", "S", "q3", 99, "\"unbalanced"},
        {"[S]\r\nq5='mixed\"\r\n", "S", "q5", 99, "'mixed\""},
        {"[S]\r\nq6=  \"  spaced inside  \"  \r\n", "S", "q6", 99, "  spaced inside  "},
        {"[S]\r\nq7=\"\"\r\n", "S", "q7", 99, ""},
        {"[S]\r\nq8=\"\r\n", "S", "q8", 99, "\""},
        {"[S]\r\nq9=\"a\" \"b\"\r\n", "S", "q9", 99, "a\" \"b"},
        {"[S]\r\nq=\"\"x\"\"\r\n", "S", "q", 99, "\"x\""},
        {"[S]\r\nk=v ; not a comment\r\n", "S", "k", 99, "v ; not a comment"},
    };
    for (const StringCase& c : cases) {
        EXPECT_EQ(Read(c.file, c.section, c.key, c.buffer), c.expected) << c.file;
    }
}

TEST_F(ProfileReadTest, NamesAndLineStructure) {
    const StringCase cases[] = {
        {"[common]\r\nunitsystem=1\r\n", "COMMON", "UnitSystem", 99, "1"},
        {"  [ S ]  trailing\r\n  k  =  v\r\n", "S", "k", 99, "v"},
        {"[S\r\nk=open header\r\n", "S", "k", 99, "open header"},
        {"[a]b]\r\nk=first bracket\r\n", "a", "k", 99, "first bracket"},
        {"[S]\nk=lf\n", "S", "k", 99, "lf"},
        {"[S]\rk=cr\r", "S", "k", 99, "cr"},
        {"[S]\r\nk=no final break", "S", "k", 99, "no final break"},
        {"[S]\r\nk=first\r\nK=second\r\n", "S", "k", 99, "first"},
        {"[S]\r\nk=first\r\n[s]\r\nk=second\r\nonly=later\r\n", "S", "k", 99, "first"},
        {"[S]\r\nname with spaces=sp\r\n", "S", "name with spaces", 99, "sp"},
        {"[S]\r\n#hash=h\r\n", "S", "#hash", 99, "h"},
        {"[S]\r\nk=v\r\n", "  S  ", "  k  ", 99, "v"},
        {"[\xC9t\xE9]\r\n\xC9t\xE9=latin\r\n", "\xE9T\xC9", "\xE9T\xC9", 99, "latin"},
    };
    for (const StringCase& c : cases) {
        EXPECT_EQ(Read(c.file, c.section, c.key, c.buffer), c.expected) << c.file;
    }
}

TEST_F(ProfileReadTest, MissingThingsGiveTheDefault) {
    const StringCase cases[] = {
        {"[S]\r\nk=v\r\n", "T", "k", 99, "<UNDEFINED>"},
        {"[S]\r\nk=v\r\n", "S", "x", 99, "<UNDEFINED>"},
        {"k=before any header\r\n[S]\r\n", "", "k", 99, "<UNDEFINED>"},
        {"[S]\r\n;k=comment\r\n", "S", ";k", 99, "<UNDEFINED>"},
        {"[S]\r\nk\r\n", "S", "k", 99, "<UNDEFINED>"},
        {"[S]\r\nk=v\r\n", "S", "\tk", 99, "<UNDEFINED>"},
        {"[S]\r\nonly=later\r\n[S]\r\nk=second\r\n", "S", "k", 99, "<UNDEFINED>"},
        {"\xEF\xBB\xBF[S]\r\nk=bom\r\n", "S", "k", 99, "<UNDEFINED>"},
        {"X]\r\nk=no header\r\n", "X", "k", 99, "<UNDEFINED>"},
    };
    for (const StringCase& c : cases) {
        EXPECT_EQ(Read(c.file, c.section, c.key, c.buffer), c.expected) << c.file;
    }
    EXPECT_EQ(Read("\xEF\xBB\xBF\r\n[S]\r\nk=bom\r\n", "S", "k"), "bom");
    EXPECT_EQ(Profile(folder.Path("absent.ini")).ReadString("S", "k", "dflt  ", 99), "dflt");
    EXPECT_EQ(Read("[S]\r\n", "S", "k", 99, "  lead"), "  lead");
}

TEST_F(ProfileReadTest, TheBufferCutsValuesAndDefaults) {
    EXPECT_EQ(Read("[S]\r\nk=" + kLong120 + "\r\n", "S", "k", 99), std::string(98, 'x'));
    EXPECT_EQ(Read("[S]\r\nk=" + std::string(50, 'y') + "\r\n", "S", "k", 49), std::string(48, 'y'));
    EXPECT_EQ(Read("[S]\r\n", "S", "k", 5), "<UND");
    EXPECT_EQ(Read("[S]\r\nk=v\r\n", "S", "k", 0), "");
}

TEST_F(ProfileReadTest, Utf16FilesAreReadThroughTheAnsiCodePage) {
    std::u16string text = u"[S]\r\nk=caf\u00E9 \u20AC \u4E2D\r\n";
    std::string bytes("\xFF\xFE", 2);
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    EXPECT_EQ(Read(bytes, "s", "K"), "caf\xE9 \x80 ?");
}

TEST_F(ProfileReadTest, IntegersFollowThePlatformParsing) {
    struct IntCase {
        const char* value;
        std::int32_t expected;
    };
    const IntCase cases[] = {
        {" 12abc", 12}, {"-5", -5}, {"+7", 7}, {"\t-7\t", -7}, {"\"42\"", 42}, {"'-3'", -3},
        {"\" 8 \"", 8}, {"1322,   26.0, 0.0, 0.0, First", 1322}, {"12 34", 12}, {"3.9", 3},
        {"0012", 12}, {"-  5", 0}, {"--1", 0}, {"abc", 0}, {"<UNDEFINED>", 0}, {"-0", 0},
        {"99999999999", 1215752191}, {"2147483648", -2147483647 - 1}, {"-2147483649", 2147483647},
        {"4294967296", 0}, {"4294967297", 1}, {"-4294967297", -1}, {"42A94967297", 42},
        {"-9999", -9999}, {"", -9999},
    };
    for (const IntCase& c : cases) {
        Profile file(folder.Put("int.ini", std::string("[S]\r\nk=") + c.value + "\r\n"));
        EXPECT_EQ(file.ReadInt("S", "k", -9999), c.expected) << c.value;
    }
    EXPECT_EQ(Profile(folder.Path("absent.ini")).ReadInt("S", "k", -9999), -9999);
}

TEST_F(ProfileReadTest, EveryReadSeesTheFileAsItIsNow) {
    Profile file(folder.Put("fresh.ini", "[S]\r\nk=1\r\n"));
    EXPECT_EQ(file.ReadInt("S", "k", 0), 1);
    folder.Put("fresh.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ(file.ReadInt("S", "k", 0), 2);
}

}  // namespace
