#include "ProfileCorpus.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

std::string Utf16(const std::u16string& text) {
    std::string bytes("\xFF\xFE", 2);
    for (char16_t unit : text) bytes += {static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
    return bytes;
}

std::vector<ReadCase> ReadCorpus() {
    const std::string quotes =
        "[Q]\r\nq1=\"1322,   26.0, 0.0, 0.0, First\"\r\nq2='single'\r\nq3=\"unbalanced\r\nq5='mixed\"\r\n"
        "q6=  \"  spaced inside  \"  \r\nq7=\"\"\r\nq8=\"\r\nq9=\"a\" \"b\"\r\nq11=\"a\" ; c\r\n";
    const std::string blanks = "[S]\r\na=  12  \r\nb=\t12\t\r\nc=\v12\v\r\n  d  =  two  words \r\ne=\r\nf=   \r\n";
    const std::string duplicates = "[D]\r\nk=first\r\nlone\r\nK=second\r\n[d]\r\nk=third\r\nlater=4\r\n";
    const std::string comments = "; top\r\n[C]\r\n;k1=commented\r\n  ; in=dented\r\n#hash=h\r\n//slash=s\r\nv=a ; b\r\n";
    const std::string plain = "[S]\r\nk=v\r\n", bom = "\xEF\xBB\xBF";
    return {
        {"blanks", blanks, "S", "a", "12"}, {"tabs", blanks, "S", "b", "12"},
        {"vertical tabs", blanks, "S", "c", "12"}, {"inner blanks", blanks, "S", "d", "two  words"},
        {"empty value", blanks, "S", "e", ""}, {"blank value", blanks, "S", "f", ""},
        {"quoted", quotes, "Q", "q1", "1322,   26.0, 0.0, 0.0, First"}, {"single quotes", quotes, "Q", "q2", "single"},
        {"unbalanced", quotes, "Q", "q3", "\"unbalanced"}, {"mixed quotes", quotes, "Q", "q5", "'mixed\""},
        {"blanks inside quotes", quotes, "Q", "q6", "  spaced inside  "}, {"empty quotes", quotes, "Q", "q7", ""},
        {"one quote", quotes, "Q", "q8", "\""}, {"two quoted parts", quotes, "Q", "q9", "a\" \"b"},
        {"quote then text", quotes, "Q", "q11", "\"a\" ; c"}, {"semicolon in value", comments, "C", "v", "a ; b"},
        {"hash key", comments, "C", "#hash", "h"}, {"slash key", comments, "C", "//slash", "s"},
        {"comment is no key", comments, "C", ";k1", kMissing, true}, {"letter case", "[Ab]\r\nCd=1\r\n", "aB", "cD", "1"},
        {"only letters fold", "[S]\r\n@[=1\r\n`{=2\r\n", "S", "`{", "2"},
        {"indented", "  [ S ]  trailing\r\n  k  =  v\r\n", "S", "k", "v"}, {"arguments trimmed", plain, "  S  ", "  k  ", "v"},
        {"tab in section", plain, "S\t", "k", kMissing, true}, {"tab in key", plain, "S", "\tk", kMissing, true},
        {"key with spaces", "[S]\r\na b=sp\r\n", "S", "a b", "sp"}, {"no final break", "[E]\r\nk=end", "E", "k", "end"},
        {"header without bracket", "[o\r\nk=o\r\n", "o", "k", "o", true}, {"lone bracket", "X]\r\nk=x\r\n", "X]", "k", kMissing},
        {"header with two brackets", "[a]b]\r\nk=ab\r\n", "a", "k", "ab", true},
        {"lf", "[L]\nk=lf\nm=2\n", "L", "m", "2"}, {"cr", "[R]\rk=cr\rm=2\r", "R", "m", "2"},
        {"first key wins", duplicates, "D", "k", "first"}, {"first section wins", duplicates, "d", "k", "first"},
        {"later section unseen", duplicates, "D", "later", kMissing}, {"line without equals", duplicates, "D", "lone", kMissing},
        {"before headers", "k=o\r\n[H]\r\nk=v\r\n", "", "k", kMissing, true}, {"utf-16", Utf16(u"[U]\r\nk=w\r\n"), "u", "K", "w"},
        {"utf-8 mark on header", bom + "[B]\r\nk=bom\r\n", "B", "k", kMissing, true},
        {"utf-8 mark on blank line", bom + "\r\n[B]\r\nk=bom\r\n", "B", "k", "bom"},
    };
}

std::vector<IntCase> IntCorpus() {
    return {
        {" 12abc", 12}, {"-5", -5}, {"+7", 7}, {"\t-7\t", -7}, {"\"42\"", 42}, {"'-3'", -3}, {"\" 8 \"", 8},
        {"1322,   26.0, 0.0, 0.0, First", 1322}, {"12 34", 12}, {"3.9", 3}, {"0012", 12}, {"-  5", 0},
        {"--1", 0}, {"abc", 0}, {"<UNDEFINED>", 0}, {"-0", 0}, {"99999999999", 1215752191},
        {"2147483648", -2147483647 - 1}, {"-2147483649", 2147483647}, {"4294967296", 0}, {"4294967297", 1},
        {"-4294967297", -1}, {"42A94967297", 42}, {"B4294967297", 0}, {"-9999", -9999}, {"", -9999},
        {"0x10", 16}, {"0X1f", 0}, {"-0x10", -16}, {"0x", 0}, {"0xg", 0}, {"010", 10}, {"0b101", 5}, {"0o17", 15},
        {"0x100000001", 1}, {"0000000000000000000000000000012", 0},
    };
}

std::vector<WriteCase> WriteCorpus() {
    return {
        {"key keeps its letter case", "[s]\r\nKEY=1\r\n", {{"S", "key", "9"}}, "[s]\r\nKEY=9\r\n"},
        {"spacing around equals stays", "[s]\r\nKEY = 1 \r\n", {{"S", "key", "9"}}, "[s]\r\nKEY = 9\r\n", true},
        {"lf and blank lines stay", "  [S]\n\n  k=1\n\n[T]\nk=1\n", {{"S", "k", "22"}}, "  [S]\n\n  k=22\n\n[T]\nk=1\n", true},
        {"cr stays", "[S]\rk=1\r", {{"S", "k", "x"}}, "[S]\rk=x\r", true},
        {"no final break", "[S]\r\nk=1", {{"S", "k", "long value"}}, "[S]\r\nk=long value", true},
        {"first of duplicate keys", "[S]\r\nk=first\r\nk=second\r\n", {{"S", "k", "3"}}, "[S]\r\nk=3\r\nk=second\r\n"},
        {"first of duplicate sections", "[S]\r\nk=1\r\n[S]\r\nk=2\r\n", {{"S", "k", "3"}, {"S", "n", "4"}},
         "[S]\r\nk=3\r\nn=4\r\n[S]\r\nk=2\r\n"},
        {"value written as given", "[S]\r\na=1\r\n", {{"S", "a", "  padded"}}, "[S]\r\na=  padded\r\n", true},
        {"new keys before comments and blanks", "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\nx=1\r\n",
         {{"S", "b", "2"}, {"S", "c", "3"}}, "[S]\r\na=1\r\nb=2\r\nc=3\r\n; note\r\n\r\n[T]\r\nx=1\r\n", true},
        {"new key in an empty section", "[S]\r\n\r\n[T]\r\n", {{"S", "b", "2"}}, "[S]\r\nb=2\r\n\r\n[T]\r\n", true},
        {"new key after an unbroken header", "[S]", {{"S", "b", "2"}}, "[S]\r\nb=2\r\n"},
        {"new key after an unbroken entry", "[S]\r\na=1", {{"S", "b", "2"}}, "[S]\r\na=1\r\nb=2\r\n"},
        {"new key before a lone line", "[S]\na=1\nlone line\n", {{"S", "b", "2"}}, "[S]\na=1\nb=2\r\nlone line\n", true},
        {"commented key is new", "[S]\r\n;b=old\r\n", {{"S", "b", "2"}}, "[S]\r\nb=2\r\n;b=old\r\n", true},
        {"arguments trimmed", "[S]\r\na=1\r\n", {{" S ", " NewKey ", "v"}, {"Fresh  ", "n", "1"}},
         "[S]\r\na=1\r\nNewKey=v\r\n[Fresh]\r\nn=1\r\n", true},
        {"new section after an unbroken end", "[S]\r\na=1", {{"T", "b", "2"}}, "[S]\r\na=1\r\n[T]\r\nb=2\r\n"},
        {"new section in an empty file", "", {{"T", "b", "2"}}, "[T]\r\nb=2\r\n"},
        {"new section after free text", "free text\n\n", {{"T", "b", "2"}}, "free text\n\n[T]\r\nb=2\r\n", true},
        {"new section after a utf-8 mark", "\xEF\xBB\xBF", {{"T", "b", "2"}}, "\xEF\xBB\xBF\r\n[T]\r\nb=2\r\n", true},
        {"quotes written as given", "[S]\r\na=1\r\n", {{"S", "b", "\"1322,   26.0, 0.0, 0.0, First\""}},
         "[S]\r\na=1\r\nb=\"1322,   26.0, 0.0, 0.0, First\"\r\n"},
        {"utf-16 stays utf-16", Utf16(u"[S]\r\nk=\u4E2D\r\n"), {{"S", "k", "caf\xE9"}, {"T", "n", "1"}},
         Utf16(u"[S]\r\nk=caf\u00E9\r\n[T]\r\nn=1\r\n")},
        {"utf-16 mark alone", "\xFF\xFE", {{"T", "n", "1"}}, Utf16(u"\r\n[T]\r\nn=1\r\n"), true},
    };
}

// The engine held to the corpus, natively and on the Windows file system. Beyond it: a
// default loses trailing spaces only, UTF-16 comes through the ANSI code page, accented
// capitals fold as Windows folds them through Unicode (Wine folds by its locale, so no corpus
// case holds them), and every read sees the file as it is now.
namespace {

TEST(ProfileReadTest, ReadsGiveWhatWindowsGives) {
    ScratchFolder folder;
    for (const ReadCase& c : ReadCorpus()) {
        Profile file(folder.Put("read.ini", c.file));
        EXPECT_EQ(file.ReadString(c.section, c.key, kMissing, 99), c.windows) << c.name;
        EXPECT_EQ(file.ReadString(c.section, c.key, kMissing, 5), c.windows.substr(0, 4)) << c.name << ", buffer cut";
    }
    for (const IntCase& c : IntCorpus()) {
        EXPECT_EQ(Profile(folder.Put("int.ini", std::string("[I]\r\nv=") + c.value + "\r\n")).ReadInt("I", "v", -9999), c.windows)
            << c.value;
    }
    Profile file(folder.Put("fresh.ini", "[S]\r\nk=1\r\n"));
    EXPECT_EQ(file.ReadString("S", "k", "", 0), "");
    EXPECT_EQ(file.ReadString("S", "x", "  dflt  ", 99), "  dflt");
    EXPECT_EQ(Profile(folder.Put("wide.ini", Utf16(u"[S]\r\nk=caf\u00E9 \u20AC \u4E2D\r\n"))).ReadString("S", "k", "", 99),
              "caf\xE9 \x80 ?");
    EXPECT_EQ(Profile(folder.Put("l.ini", "[\xC9t\xE9]\r\n\xC9t\xE9=l\r\n")).ReadString("\xE9T\xC9", "\xE9T\xC9", "", 99), "l");
    folder.Put("fresh.ini", "[S]\r\nk=2\r\n");
    EXPECT_EQ(file.ReadInt("S", "k", 0), 2);
}

TEST(ProfileWriteTest, WritesGiveTheBytesWindowsWrites) {
    ScratchFolder folder;
    for (const WriteCase& c : WriteCorpus()) {
        Profile file(folder.Put("write.ini", c.before));
        for (const ProfileEntry& write : c.writes) ASSERT_EQ(file.Write(write.section, write.key, write.value), FileStatus::Ok);
        EXPECT_EQ(folder.Take("write.ini"), c.windows) << c.name;
    }
}

}  // namespace
