// Our profile engine against the platform's own functions, run under Wine. Reads must
// agree; writes must read back the same through the platform, and our bytes must be the
// ones Windows writes. Where Wine is known to differ from Windows, the case says what
// Windows does, we follow Windows, and the test checks that Wine does differ there.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

struct Query {
    const char* section;
    const char* key;
    const char* windowsWhereWineDiffers = nullptr;  // the Windows answer, when Wine's differs
};

struct ReadCorpusFile {
    const char* name;
    std::string bytes;
    std::vector<Query> queries;
};

const std::string kLong = std::string(120, 'L');

std::vector<ReadCorpusFile> ReadCorpus() {
    return {
        {"case", "[Common]\r\nUnitSystem=1\r\nlower=2\r\n[UPPER]\r\nMiXeD=3\r\n",
         {{"common", "UNITSYSTEM"}, {"COMMON", "LOWER"}, {"upper", "mixed"}, {"Common", "MiXeD"}}},
        {"blanks", "[S]\r\na=  12  \r\nb=\t12\t\r\n  c  =  two  words \r\nd=\r\ne=   \r\n\t[T]\t\r\n\tf = 1\r\n",
         {{"S", "a"}, {"S", "b"}, {"S", "c"}, {"S", "d"}, {"S", "e"}, {"T", "f"}, {" S ", " a "}}},
        {"quotes",
         "[Q]\r\nq1=\"1322,   26.0, 0.0, 0.0, First\"\r\nq2='single'\r\nq3=\"unbalanced\r\nq5='mixed\"\r\n"
         "q6=  \"  spaced inside  \"  \r\nq7=\"\"\r\nq8=\"\r\nq9=\"a\" \"b\"\r\nq10=\"\"x\"\"\r\nq11=\"a\" ; c\r\n",
         {{"Q", "q1"}, {"Q", "q2"}, {"Q", "q3"}, {"Q", "q5"}, {"Q", "q6"}, {"Q", "q7"}, {"Q", "q8"},
          {"Q", "q9"}, {"Q", "q10"}, {"Q", "q11"}}},
        {"long", "[S]\r\nlong=" + kLong + "\r\nfifty=" + std::string(50, 'F') + "\r\n",
         {{"S", "long"}, {"S", "fifty"}}},
        {"duplicates", "[D]\r\nk=first\r\nK=second\r\n[d]\r\nk=third\r\nlater=4\r\n",
         {{"D", "k"}, {"D", "later"}}},
        {"comments",
         "; file comment\r\n[C]\r\n;k1=commented\r\n  ; indented=comment\r\n#hash=h\r\n//slash=s\r\nv=a ; b\r\n",
         {{"C", ";k1", "<UNDEFINED>"}, {"C", "#hash"}, {"C", "//slash"}, {"C", "v"}}},
        {"no equals", "[N]\r\nlonely line\r\nk=v\r\n", {{"N", "lonely line"}, {"N", "k"}}},
        {"before header", "k=orphan\r\n[H]\r\nk=v\r\n", {{"", "k", "<UNDEFINED>"}, {"H", "k"}}},
        {"headers",
         "[open\r\nk=open\r\n[a]b]\r\nk=ab\r\n X]\r\nk=x\r\n[ spaced ] tail\r\nk=spaced\r\n",
         {{"open", "k", "open"}, {"a", "k", "ab"}, {"spaced", "k"}, {"X]", "k"}}},
        {"lf", "[L]\nk=lf\nm=2\n", {{"L", "k"}, {"L", "m"}}},
        {"cr", "[R]\rk=cr\rm=2\r", {{"R", "k"}, {"R", "m"}}},
        {"no final break", "[E]\r\nk=end", {{"E", "k"}}},
        {"utf8 mark on header", "\xEF\xBB\xBF[B]\r\nk=bom\r\n", {{"B", "k", "<UNDEFINED>"}}},
        {"utf8 mark before blank", "\xEF\xBB\xBF\r\n[B]\r\nk=bom\r\n", {{"B", "k"}}},
        {"utf16", std::string("\xFF\xFE[\0U\0]\0\r\0\n\0k\0=\0w\0i\0d\0e\0\r\0\n\0", 32),
         {{"U", "k"}, {"u", "K"}}},
        {"tab in argument", "[S]\r\nk=v\r\n", {{"S\t", "k", "<UNDEFINED>"}, {"S", "\tk", "<UNDEFINED>"}}},
    };
}

std::string PlatformString(const std::string& path, const char* section, const char* key, DWORD size) {
    std::vector<char> buffer(size + 1, '\x7f');
    DWORD length = GetPrivateProfileStringA(section, key, "<UNDEFINED>", buffer.data(), size, path.c_str());
    return std::string(buffer.data(), length);
}

TEST(ProfileConformanceTest, ReadsGiveThePlatformsAnswers) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const ReadCorpusFile& corpus : ReadCorpus()) {
        std::string path = folder.Put("read" + std::to_string(fileNumber++) + ".ini", corpus.bytes);
        Profile ours(path);
        for (const Query& query : corpus.queries) {
            std::string where = std::string(corpus.name) + " [" + query.section + "] " + query.key;
            if (query.windowsWhereWineDiffers) {
                EXPECT_EQ(ours.ReadString(query.section, query.key, "<UNDEFINED>", 99), query.windowsWhereWineDiffers)
                    << where;
                EXPECT_NE(PlatformString(path, query.section, query.key, 99), query.windowsWhereWineDiffers)
                    << where << ": Wine now agrees with Windows";
                continue;
            }
            for (DWORD size : {99u, 49u, 5u}) {
                EXPECT_EQ(ours.ReadString(query.section, query.key, "<UNDEFINED>", size),
                          PlatformString(path, query.section, query.key, size))
                    << where << " size " << size;
            }
            EXPECT_EQ(ours.ReadInt(query.section, query.key, -9999),
                      static_cast<std::int32_t>(GetPrivateProfileIntA(query.section, query.key, -9999, path.c_str())))
                << where;
        }
    }
}

TEST(ProfileConformanceTest, IntegersParseAsThePlatformParsesThem) {
    const char* values[] = {" 12abc", "-5", "+7", "\t-7\t", "\"42\"", "'-3'", "\" 8 \"",
                            "1322,   26.0, 0.0, 0.0, First", "12 34", "3.9", "0012", "-  5", "--1",
                            "abc", "<UNDEFINED>", "-0", "99999999999", "2147483648", "-2147483649",
                            "4294967296", "4294967297", "-4294967297", "42A94967297", "B4294967297",
                            "-9999", ""};
    ScratchFolder folder;
    std::string text = "[I]\r\n";
    for (std::size_t i = 0; i < sizeof values / sizeof *values; ++i) {
        text += "v" + std::to_string(i) + "=" + values[i] + "\r\n";
    }
    std::string path = folder.Put("ints.ini", text);
    Profile ours(path);
    for (std::size_t i = 0; i < sizeof values / sizeof *values; ++i) {
        std::string key = "v" + std::to_string(i);
        EXPECT_EQ(ours.ReadInt("I", key, -9999),
                  static_cast<std::int32_t>(GetPrivateProfileIntA("I", key.c_str(), -9999, path.c_str())))
            << values[i];
    }
    // Wine parses with an automatic base; Windows is not known to, and we do not.
    Profile hex(folder.Put("hex.ini", "[I]\r\nv=0x10\r\n"));
    EXPECT_EQ(hex.ReadInt("I", "v", -9999), 0);
    EXPECT_EQ(GetPrivateProfileIntA("I", "v", -9999, hex.Path().c_str()), 16u);
}

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<Write> writes;
    std::string windowsBytes;  // what Windows leaves in the file
    bool wineWritesOtherBytes;
};

std::vector<WriteCase> WriteCorpus() {
    return {
        {"replace", "[S]\r\nk=1\r\nm=2\r\n", {{"S", "k", "9"}}, "[S]\r\nk=9\r\nm=2\r\n", false},
        {"replace keeps letter case", "[s]\r\nKEY=1\r\n", {{"S", "key", "9"}}, "[s]\r\nKEY=9\r\n", false},
        {"new key before comments and blanks", "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\nx=1\r\n",
         {{"S", "b", "2"}, {"S", "c", "3"}}, "[S]\r\na=1\r\nb=2\r\nc=3\r\n; note\r\n\r\n[T]\r\nx=1\r\n", true},
        {"new section", "[S]\r\na=1\r\n", {{"T", "b", "2"}}, "[S]\r\na=1\r\n[T]\r\nb=2\r\n", false},
        {"new section after unbroken end", "[S]\r\na=1", {{"T", "b", "2"}}, "[S]\r\na=1\r\n[T]\r\nb=2\r\n", false},
        {"blank lines and lf stay", "[S]\n\nk=1\n\n[T]\nm=2\n", {{"S", "k", "5"}}, "[S]\n\nk=5\n\n[T]\nm=2\n", true},
        {"indentation and spacing stay", "  [S]\r\n  a = 1\r\n\tk=1\r\n", {{"S", "k", "5"}},
         "  [S]\r\n  a = 1\r\n\tk=5\r\n", true},
        {"name arguments trimmed", "[S]\r\na=1\r\n", {{" S ", " NewKey ", "v"}, {"Fresh  ", "n", "1"}},
         "[S]\r\na=1\r\nNewKey=v\r\n[Fresh]\r\nn=1\r\n", true},
        {"value kept as given", "[S]\r\na=1\r\n", {{"S", "a", "  padded"}}, "[S]\r\na=  padded\r\n", true},
        {"quoted station load", "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\n",
         {{"WEIGHT_AND_BALANCE", "station_load.4", "\"1322,   26.0, 0.0, 0.0, First\""}},
         "[WEIGHT_AND_BALANCE]\r\nempty_weight=93500\r\nstation_load.4=\"1322,   26.0, 0.0, 0.0, First\"\r\n",
         false},
        {"first of duplicate sections", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", {{"S", "k", "3"}, {"S", "n", "4"}},
         "[S]\r\nk=3\r\nn=4\r\n[S]\r\nk=2\r\n", false},
    };
}

std::vector<std::pair<std::string, std::string>> KeysOf(const WriteCase& c) {
    std::vector<std::pair<std::string, std::string>> keys;
    for (const Write& write : c.writes) keys.emplace_back(write.section, write.key);
    for (const char* section : {"S", "T", "Fresh", "WEIGHT_AND_BALANCE"}) {
        for (const char* key : {"a", "b", "c", "k", "m", "n", "x", "NewKey", "empty_weight"}) {
            keys.emplace_back(section, key);
        }
    }
    return keys;
}

TEST(ProfileConformanceTest, WritesReadBackAsThePlatformsAndGiveWindowsBytes) {
    ScratchFolder folder;
    int fileNumber = 0;
    for (const WriteCase& c : WriteCorpus()) {
        std::string oursPath = folder.Put("ours" + std::to_string(fileNumber) + ".ini", c.before);
        std::string platformPath = folder.Put("platform" + std::to_string(fileNumber++) + ".ini", c.before);
        Profile ours(oursPath);
        for (const Write& write : c.writes) {
            ASSERT_EQ(ours.Write(write.section, write.key, write.value), FileStatus::Ok) << c.name;
            ASSERT_TRUE(WritePrivateProfileStringA(write.section, write.key, write.value, platformPath.c_str()))
                << c.name;
        }
        EXPECT_EQ(folder.Take("ours" + std::to_string(fileNumber - 1) + ".ini"), c.windowsBytes) << c.name;
        std::string platformBytes = folder.Take("platform" + std::to_string(fileNumber - 1) + ".ini");
        if (c.wineWritesOtherBytes) {
            EXPECT_NE(platformBytes, c.windowsBytes) << c.name << ": Wine now writes as Windows does";
            continue;  // Wine's own reading of its rewritten file need not match ours
        }
        EXPECT_EQ(platformBytes, c.windowsBytes) << c.name;
        for (const auto& [section, key] : KeysOf(c)) {
            EXPECT_EQ(PlatformString(oursPath, section.c_str(), key.c_str(), 99),
                      PlatformString(platformPath, section.c_str(), key.c_str(), 99))
                << c.name << " [" << section << "] " << key;
        }
    }
}

TEST(ProfileConformanceTest, FilesAndFoldersAreCreatedAsThePlatformCreatesThem) {
    ScratchFolder folder;
    Profile ours(folder.Path("created-ours.ini"));
    ASSERT_EQ(ours.Write("Common", "ColdAndDark", "1"), FileStatus::Ok);
    ASSERT_TRUE(WritePrivateProfileStringA("Common", "ColdAndDark", "1", folder.Path("created-platform.ini").c_str()));
    EXPECT_EQ(folder.Take("created-ours.ini"), folder.Take("created-platform.ini"));
    EXPECT_EQ(folder.Take("created-ours.ini"), "[Common]\r\nColdAndDark=1\r\n");

    std::string nowhere = folder.Path("missing\\Prefs.cfg");
    EXPECT_EQ(Profile(nowhere).Write("Common", "ColdAndDark", "1"), FileStatus::FolderMissing);
    EXPECT_FALSE(WritePrivateProfileStringA("Common", "ColdAndDark", "1", nowhere.c_str()));
    EXPECT_FALSE(folder.Has("missing"));
}

TEST(ProfileConformanceTest, ReadOnlyFilesAreRefusedAsOnWindows) {
    ScratchFolder folder;
    std::string path = folder.Put("readonly.ini", "[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(Profile(path).Write("S", "k", "2"), FileStatus::ReadOnly);
    EXPECT_EQ(folder.Take("readonly.ini"), "[S]\r\nk=1\r\n");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
