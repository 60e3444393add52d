#include <gtest/gtest.h>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

TEST(ProfileReadTest, ReadsGiveWhatWindowsGives) {
    ScratchFolder folder;
    for (const ReadCase& c : ReadCorpus()) {
        Profile file(folder.Put("read.ini", c.file));
        EXPECT_EQ(file.ReadString(c.section, c.key, "<UNDEFINED>", 99), c.windows) << c.name;
    }
}

// Windows compares names through Unicode, so the accented capitals of the code page fold
// too. (Under Wine the outcome depends on the code page its locale gives it.)
TEST(ProfileReadTest, AccentedLettersMatchWithoutRegardToCase) {
    ScratchFolder folder;
    Profile file(folder.Put("latin.ini", "[\xC9t\xE9]\r\n\xC9t\xE9=latin\r\n"));
    EXPECT_EQ(file.ReadString("\xE9T\xC9", "\xE9T\xC9", "<UNDEFINED>", 99), "latin");
}

TEST(ProfileReadTest, IntegersParseAsWindowsParsesThem) {
    ScratchFolder folder;
    for (const IntCase& c : IntCorpus()) {
        Profile file(folder.Put("int.ini", std::string("[S]\r\nk=") + c.value + "\r\n"));
        EXPECT_EQ(file.ReadInt("S", "k", -9999), c.windows) << c.value;
    }
    EXPECT_EQ(Profile(folder.Path("absent.ini")).ReadInt("S", "k", -9999), -9999);
}

TEST(ProfileReadTest, TheBufferCutsValuesAndDefaults) {
    ScratchFolder folder;
    Profile file(folder.Put("cut.ini", "[S]\r\nk=" + std::string(50, 'y') + "\r\n"));
    EXPECT_EQ(file.ReadString("S", "k", "", 49), std::string(48, 'y'));
    EXPECT_EQ(file.ReadString("S", "x", "<UNDEFINED>", 5), "<UND");
    EXPECT_EQ(file.ReadString("S", "k", "", 0), "");
    EXPECT_EQ(file.ReadString("S", "x", "dflt  ", 99), "dflt");
    EXPECT_EQ(file.ReadString("S", "x", "  lead", 99), "  lead");
    EXPECT_EQ(Profile(folder.Path("absent.ini")).ReadString("S", "k", "none", 99), "none");
}

TEST(ProfileReadTest, Utf16ValuesComeThroughTheAnsiCodePage) {
    ScratchFolder folder;
    std::u16string text = u"[S]\r\nk=caf\u00E9 \u20AC \u4E2D\r\n";
    std::string bytes("\xFF\xFE", 2);
    for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    EXPECT_EQ(Profile(folder.Put("wide.ini", bytes)).ReadString("S", "k", "", 99), "caf\xE9 \x80 ?");
}

TEST(ProfileReadTest, EveryReadSeesTheFileAsItIsNow) {
    ScratchFolder folder;
    Profile file(folder.Put("fresh.ini", "[S]\r\nk=1\r\n"));
    EXPECT_EQ(file.ReadInt("S", "k", 0), 1);
    folder.Put("fresh.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ(file.ReadInt("S", "k", 0), 2);
}

}  // namespace
