// Random files and random writes, with a fixed seed: every write reads back, changes only
// its own line, moves no other entry's answer, and a batch gives the bytes of single
// writes. SKYLINER_PROPERTY_RUNS sets the number of files (4000 by default).

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "MemoryFileSystem.h"
#include "platform/Profile.h"

namespace {

const char* const kSections[] = {"S", "s", "T", "Keys", "x y"};
const char* const kKeys[] = {"k", "K", "a", "Command.00-Key", "two words", "#h"};

class RandomProfile {
public:
    explicit RandomProfile(unsigned seed) : random_(seed) {}

    std::string File() {
        const char* const breaks[] = {"\r\n", "\n", "\r"};
        std::string text;
        int lines = Pick(12);
        for (int line = 0; line < lines; ++line) {
            switch (Pick(7)) {
                case 0: text += std::string(Pick(2) ? "" : " ") + "[" + Of(kSections) + (Pick(4) ? "]" : "") ; break;
                case 1: text += ";" + std::string(Of(kKeys)) + "=c"; break;
                case 2: text += "no equals"; break;
                case 3: break;  // a blank line
                default: text += std::string(Pick(3) ? "" : "\t") + Of(kKeys) + (Pick(2) ? "=" : " = ") + Value(); break;
            }
            if (line + 1 < lines || Pick(2)) text += breaks[Pick(3)];
        }
        return text;
    }

    // A value that reads back as written: no blanks at its ends and no enclosing quotes.
    std::string Value() {
        static const char kChars[] = "abc0129 ,.;=[]\"'#";
        std::string value(1, "vw7"[Pick(3)]);
        for (int i = Pick(10); i > 0; --i) value += kChars[Pick(sizeof kChars - 1)];
        return value + "xyz"[Pick(3)];
    }

    ProfileEntry Entry() { return {Of(kSections), Of(kKeys), Value()}; }

    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
    template <std::size_t N>
    const char* Of(const char* const (&names)[N]) { return names[Pick(N)]; }

private:
    std::mt19937 random_;
};

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The bytes of `before` and of `after` between their common beginning and common end.
std::pair<std::string, std::string> Difference(const std::string& before, const std::string& after) {
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix]) {
        ++suffix;
    }
    return {before.substr(prefix, before.size() - prefix - suffix), after.substr(prefix, after.size() - prefix - suffix)};
}

int Runs() {
    const char* text = std::getenv("SKYLINER_PROPERTY_RUNS");
    return text ? std::atoi(text) : 4000;
}

TEST(ProfilePropertyTest, RandomWritesKeepTheirPromises) {
    RandomProfile random(12);
    const std::string path = "C:\\Prefs.cfg";
    for (int run = 0; run < Runs(); ++run) {
        MemoryFileSystem fileSystem;
        const std::string before = fileSystem.files[path] = random.File();
        Profile file(path, fileSystem);
        ProfileEntry entry = random.Entry();
        std::vector<std::string> answers;
        for (const char* section : kSections) {
            for (const char* key : kKeys) answers.push_back(file.ReadString(section, key, "<none>", 99));
        }

        ASSERT_EQ(file.Write(entry.section, entry.key, entry.value), FileStatus::Ok) << before;
        const std::string after = fileSystem.files[path];
        SCOPED_TRACE(testing::Message() << "run " << run << " [" << entry.section << "] " << entry.key << "="
                                        << entry.value << "\nbefore: " << testing::PrintToString(before)
                                        << "\nafter:  " << testing::PrintToString(after));
        EXPECT_EQ(file.ReadString(entry.section, entry.key, "<none>", 99), entry.value);
        // Within one line, or new lines: a header and an entry, after a break for an unbroken end.
        auto [removed, added] = Difference(before, after);
        EXPECT_EQ(removed.find_first_of("\r\n"), std::string::npos);
        EXPECT_LE(std::count(added.begin(), added.end(), '\n'), 3);
        std::size_t probe = 0;
        for (const char* section : kSections) {
            for (const char* key : kKeys) {
                if (!SameName(section, entry.section) || !SameName(key, entry.key)) {
                    EXPECT_EQ(file.ReadString(section, key, "<none>", 99), answers[probe]) << section << " " << key;
                }
                ++probe;
            }
        }

        std::vector<ProfileEntry> batch;
        for (int count = 1 + random.Pick(6); count > 0; --count) batch.push_back(random.Entry());
        MemoryFileSystem single;
        single.files[path] = after;
        for (const ProfileEntry& one : batch) Profile(path, single).Write(one.section, one.key, one.value);
        ASSERT_EQ(file.WriteAll(batch), FileStatus::Ok);
        EXPECT_EQ(fileSystem.files[path], single.files[path]);
        if (HasFailure()) return;
    }
}

}  // namespace
