// Random files and writes, fixed seed: every write reads back and changes its own line only (or
// adds lines), and a batch gives the bytes of single writes. SKYLINER_PROPERTY_RUNS: files, 4000.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "MemoryFileSystem.h"
#include "platform/Profile.h"

namespace {

const char* const kSections[] = {"S", "s", "T", "Keys", "x y"};
const char* const kKeys[] = {"k", "K", "a", "Command.00-Key", "two words", "#h"};

std::mt19937 generator(12);
int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(generator); }
template <std::size_t N> const char* Of(const char* const (&names)[N]) { return names[Pick(N)]; }

// A value that reads back as written: no blanks at its ends and no enclosing quotes.
std::string Value() {
    static const char kChars[] = "abc0129 ,.;=[]\"'#";
    std::string value(1, "vw7"[Pick(3)]);
    for (int i = Pick(10); i > 0; --i) value += kChars[Pick(sizeof kChars - 1)];
    return value + "xyz"[Pick(3)];
}

ProfileEntry Entry() { return {Of(kSections), Of(kKeys), Value()}; }

// Headers (some unclosed), comments, lines without '=', blank lines and entries; any breaks.
std::string File() {
    const char* const breaks[] = {"\r\n", "\n", "\r"};
    std::string text;
    for (int line = 0, lines = Pick(12); line < lines; ++line) {
        switch (Pick(7)) {
            case 0: text += std::string(Pick(2) ? "" : " ") + "[" + Of(kSections) + (Pick(4) ? "]" : ""); break;
            case 1: text += ";" + std::string(Of(kKeys)) + "=c"; break;
            case 2: text += "no equals"; break;
            case 3: break;
            default: text += std::string(Pick(3) ? "" : "\t") + Of(kKeys) + (Pick(2) ? "=" : " = ") + Value(); break;
        }
        if (line + 1 < lines || Pick(2)) text += breaks[Pick(3)];
    }
    return text;
}

TEST(ProfilePropertyTest, RandomWritesKeepTheirPromises) {
    const std::string path = "C:\\Prefs.cfg";
    const char* runs = std::getenv("SKYLINER_PROPERTY_RUNS");
    for (int run = 0, count = runs ? std::atoi(runs) : 4000; run < count; ++run) {
        MemoryFileSystem fileSystem;
        const std::string before = fileSystem.files[path] = File();
        Profile file(path, fileSystem);
        ProfileEntry entry = Entry();
        ASSERT_EQ(file.Write(entry.section, entry.key, entry.value), FileStatus::Ok) << before;
        const std::string after = fileSystem.files[path];
        SCOPED_TRACE(testing::Message() << "run " << run << " [" << entry.section << "] " << entry.key << "=" << entry.value
                     << "\nbefore: " << testing::PrintToString(before) << "\nafter:  " << testing::PrintToString(after));
        EXPECT_EQ(file.ReadString(entry.section, entry.key, "<none>", 99), entry.value);
        // Within one line, or new lines: a header and an entry, after a break for an unbroken end.
        auto [removedFrom, addedFrom] = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
        auto [removedTo, addedTo] = std::mismatch(before.rbegin(), std::make_reverse_iterator(removedFrom),
                                                  after.rbegin(), std::make_reverse_iterator(addedFrom));
        EXPECT_EQ(std::string(removedFrom, removedTo.base()).find_first_of("\r\n"), std::string::npos);
        EXPECT_LE(std::count(addedFrom, addedTo.base(), '\n'), 3);
        std::vector<ProfileEntry> batch;
        for (int n = 1 + Pick(6); n > 0; --n) batch.push_back(Entry());
        MemoryFileSystem single = fileSystem;
        for (const ProfileEntry& one : batch) Profile(path, single).Write(one.section, one.key, one.value);
        ASSERT_EQ(file.WriteAll(batch), FileStatus::Ok);
        EXPECT_EQ(fileSystem.files[path], single.files[path]);
        if (HasFailure()) return;
    }
}

}  // namespace
