#include <gtest/gtest.h>

#include <tuple>

#include "app/AboutText.h"
#include "platform/InstallPaths.h"

namespace {

// Code page 932 for ASCII and 能, whose second byte is a backslash.
bool NarrowAsJapanese(const std::u16string& text, std::string& ansi) {
    for (char16_t unit : text) ansi += unit < 0x80 ? std::string(1, char(unit)) : unit == u'能' ? "\x94\x5c" : "?";
    return ansi.find('?') == std::string::npos;
}

// Registered folder or current directory in, the folder as Windows resolves it out, narrowed.
TEST(InstallPathsTest, TheFolderIsResolvedOnceAndEveryPathBuiltFromItIsClean) {
    const std::tuple<std::optional<std::u16string>, std::u16string, std::string, std::u16string> cases[] = {
        {u"C:\\Games\\FS9\\", u"", "C:\\Games\\FS9", u""}, {u"D:/Games//FS9/./", u"", "D:\\Games\\FS9", u""},
        {std::nullopt, u"C:\\FS9\\Velmora\\Skyliner", "C:\\FS9", u""}, {std::nullopt, u"C:\\", "C:", u""},
        {u"\\\\nas\\games\\FS9\\..\\..\\..", u"", "\\\\nas\\games", u""}, {u"..\\FS9\\..\\..", u"", "..\\..", u""},
        {u"D:\\Sim\\能\\.\\FS9", u"", "D:\\Sim\\\x94\x5c\\FS9", u""},
        {std::nullopt, u"Z:\\tmp\\日本 語\\a\\b", "Z:\\tmp\\?? ?", u"Z:\\tmp\\日本 語"}};
    for (const auto& [registered, current, folder, unheld] : cases) {
        const InstallPaths paths = ComputeInstallPaths(registered, current, NarrowAsJapanese);
        EXPECT_EQ(paths.fsRoot, folder);
        EXPECT_EQ(paths.prefs, folder + "\\Velmora\\Skyliner\\Prefs.cfg");
        EXPECT_EQ(paths.unheldFolder, unheld);
    }
}

TEST(InstallPathsTest, TheAboutTextAndTheStartSayWhereTheFolderIsAndWhetherItsFilesCanBeOpened) {
    InstallPaths found = ComputeInstallPaths(std::nullopt, u"C:\\FS9\\Velmora\\Skyliner", NarrowAsJapanese);
    AddProgramFolder(found, u"C:\\Users\\pilot\\AppData\\Roaming\\", NarrowAsJapanese);
    EXPECT_EQ(AboutText("1.2.3", found, FileStatus::FolderMissing, FileStatus::NotFound),
              "FS9 Skyliner Config version 1.2.3\n\nSimulator folder (two folders above the current folder):\nC:\\FS9"
              "\n\nPreferences file (does not exist):\nC:\\FS9\\Velmora\\Skyliner\\Prefs.cfg\n\nSettings file (does "
              "not exist):\nC:\\Users\\pilot\\AppData\\Roaming\\FS9 Skyliner Config\\Settings.ini");
    InstallPaths registered = ComputeInstallPaths(u"C:\\FS9", u"", NarrowAsJapanese);
    const std::string shown = AboutText("1", registered, FileStatus::Ok, FileStatus::Ok);
    EXPECT_NE(shown.find("(from the registry):\nC:\\FS9\n\nPreferences file (exists)"), std::string::npos) << shown;
    AddProgramFolder(registered, u"C:\\Users\\日本", NarrowAsJapanese);
    EXPECT_EQ(registered.unheldProgramFolder, u"C:\\Users\\日本\\FS9 Skyliner Config");
    EXPECT_NE(AboutText("1", registered, FileStatus::Ok, FileStatus::Ok).find("\n\nSettings file: none can be kept (the "
              "application data folder has characters that the language for non-Unicode programs lacks, or Windows names none)"),
              std::string::npos);
    const std::string locked = AboutText("1", registered, FileStatus::Locked, FileStatus::Ok);
    EXPECT_NE(locked.find("(exists but cannot be read: another program is using"), std::string::npos) << locked;
    EXPECT_EQ(UnheldFolderMessage(u"Z:\\日本"),
              u"The simulator's folder\nZ:\\日本\nhas characters that the language for non-Unicode programs set in "
              u"Windows lacks: neither Flight Simulator 2004 nor this program can open its files, and this program will "
              u"report them missing.\n\nInstall the simulator in a folder named in that language, or set that language "
              u"to one that has these characters (Control Panel, Region, Administrative), then restart Windows.");
    EXPECT_EQ(UnheldProgramFolderMessage(u"C:\\日本"),
              u"This program's folder for your settings and the flight plans it fetches,\nC:\\日本\nhas characters that "
              u"the language for non-Unicode programs set in Windows lacks, so nothing can be kept there.\n\nSet that "
              u"language to one that has these characters (Control Panel, Region, Administrative), then restart Windows.");
}

}  // namespace
