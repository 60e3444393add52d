#include <gtest/gtest.h>

#include "ProfileCorpus.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

TEST(ProfileReadTest, ReadsAndIntegersGiveWhatWindowsGives) {
    ScratchFolder folder;
    for (const ReadCase& c : ReadCorpus()) {
        Profile file(folder.Put("read.ini", c.file));
        EXPECT_EQ(file.ReadString(c.section, c.key, kMissing, 99), c.windows) << c.name;
        EXPECT_EQ(file.ReadString(c.section, c.key, kMissing, 5), c.windows.substr(0, 4)) << c.name << ", buffer cut";
    }
    for (const IntCase& c : IntCorpus()) {
        Profile file(folder.Put("int.ini", std::string("[I]\r\nv=") + c.value + "\r\n"));
        EXPECT_EQ(file.ReadInt("I", "v", -9999), c.windows) << c.value;
    }
}

// A default loses its trailing spaces only; a missing file gives the defaults; UTF-16
// values come through the ANSI code page; the accented capitals of the code page fold as
// Windows folds them through Unicode (under Wine the outcome depends on its locale's code
// page); every read sees the file as it is.
TEST(ProfileReadTest, DefaultsCodePagesAndFreshness) {
    ScratchFolder folder;
    Profile file(folder.Put("fresh.ini", "[S]\r\nk=1\r\n"));
    EXPECT_EQ(file.ReadString("S", "k", "", 0), "");
    EXPECT_EQ(file.ReadString("S", "x", "dflt  ", 99), "dflt");
    EXPECT_EQ(file.ReadString("S", "x", "  lead", 99), "  lead");
    Profile absent(folder.Path("absent.ini"));
    EXPECT_EQ(absent.ReadString("S", "k", "none", 99), "none");
    EXPECT_EQ(absent.ReadInt("S", "k", -9999), -9999);
    EXPECT_EQ(Profile(folder.Put("wide.ini", Utf16(u"[S]\r\nk=caf\u00E9 \u20AC \u4E2D\r\n"))).ReadString("S", "k", "", 99),
              "caf\xE9 \x80 ?");
    Profile latin(folder.Put("latin.ini", "[\xC9t\xE9]\r\n\xC9t\xE9=latin\r\n"));
    EXPECT_EQ(latin.ReadString("\xE9T\xC9", "\xE9T\xC9", kMissing, 99), "latin");
    folder.Put("fresh.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ(file.ReadInt("S", "k", 0), 2);
}

}  // namespace
