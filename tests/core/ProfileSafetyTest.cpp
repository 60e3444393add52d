// The engine on the real file system where a user's machine tries it hardest: links,
// paths at the length limit, two writers at once, a writer killed at random moments, and
// what the kills left.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <filesystem>
#include <random>
#include <thread>
#include <tuple>

#include "MemoryFileSystem.h"
#include "TestFiles.h"
#include "platform/Backups.h"
#include "platform/Profile.h"

namespace {

// A symbolic link stays a link (alone: a hard link sends the write in place); every name of a
// hard-linked file sees the new content; a path a few characters under the limit is written.
// A backup never allows more than its file.
TEST(ProfileSafetyTest, LinksPathsAtTheLimitAndBackupModes) {
    ScratchFolder folder;
    std::string target = folder.Put("real.ini", "[S]\r\nk=1\r\n"), symbolic = folder.Path("symbolic.ini");
    ASSERT_EQ(symlink("real.ini", symbolic.c_str()), 0);
    ASSERT_EQ(Profile(symbolic).Write("S", "k", "2"), FileStatus::Ok);
    EXPECT_TRUE(std::filesystem::is_symlink(symbolic)) << "the link was replaced by a file";
    EXPECT_EQ(folder.Take("real.ini"), "[S]\r\nk=2\r\n");
    ASSERT_EQ(link(target.c_str(), folder.Path("hard.ini").c_str()), 0);
    ASSERT_EQ(Profile(folder.Path("hard.ini")).Write("S", "k", "3"), FileStatus::Ok);
    EXPECT_EQ(folder.Take("real.ini"), "[S]\r\nk=3\r\n");
    EXPECT_EQ(folder.FileCount(), 3);
    ASSERT_EQ(chmod(target.c_str(), 0600), 0);
    ASSERT_EQ(FirstBackups().Keep(target), FileStatus::Ok);
    struct stat info {};
    ASSERT_EQ(stat(BackupPathOf(target).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    std::string deep = folder.Path("");
    while (deep.size() < PATH_MAX - 16) {
        deep += "/" + std::string(std::min<std::size_t>(200, PATH_MAX - 16 - deep.size()), 'd');
        ASSERT_EQ(mkdir(deep.c_str(), 0755), 0) << deep.size();
    }
    Profile file(deep + "/Prefs.cfg");  // 5 or 6 characters to spare, too few for a longer temporary name
    EXPECT_EQ(file.Write("Common", "UnitSystem", "1"), FileStatus::Ok);  // a new file
    EXPECT_EQ(file.Write("Common", "UnitSystem", "0"), FileStatus::Ok);  // an existing one
    EXPECT_EQ(file.ReadInt("Common", "UnitSystem", -9999), 0);
}

// State n: a counter and all 182 key entries derived from it, as the key dialog saves.
std::vector<ProfileEntry> StateEntries(int n) {
    std::vector<ProfileEntry> entries{{"Common", "Counter", std::to_string(n)}};
    for (int slot = 0; slot < 91; ++slot) {
        std::string command = (slot < 10 ? "Command.0" : "Command.") + std::to_string(slot);
        entries.push_back({"Keys", command + "-Key", std::to_string((n * 7 + slot) % 1000)});
        entries.push_back({"Keys", command + "-Modifier", std::to_string(n % 2 ? slot : -slot)});
    }
    return entries;
}

// Two processes writing their own entries of one file take turns: none is lost, none fails.
TEST(ProfileCrashTest, TwoWritersOfOneFileLoseNothing) {
    ScratchFolder folder;
    std::string path = folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n");
    constexpr int kWrites = 200;
    pid_t writers[2];
    for (int writer = 0; writer < 2; ++writer) {
        std::fflush(nullptr);
        writers[writer] = fork();
        ASSERT_GE(writers[writer], 0);
        if (writers[writer] != 0) continue;
        int failures = 0;
        for (int n = 0; n < kWrites; ++n) {
            failures += Profile(path).Write("Writer" + std::to_string(writer), "Entry" + std::to_string(n), "1") != FileStatus::Ok;
        }
        _exit(std::min(failures, 100));
    }
    for (pid_t writer : writers) {
        int status = -1;
        ASSERT_EQ(waitpid(writer, &status, 0), writer);
        EXPECT_EQ(WEXITSTATUS(status), 0) << "writes that failed";
    }
    ProfileSnapshot written = Profile(path).Snapshot();
    int lost = 0;
    for (int n = 0; n < 2 * kWrites; ++n) lost += written.ReadInt("Writer" + std::to_string(n % 2), "Entry" + std::to_string(n / 2), 0) != 1;
    EXPECT_EQ(lost, 0);
}

// A child writes the file over and over and is killed at random moments; the file is always
// exactly a state it wrote. SKYLINER_CRASH_CYCLES: kills (300, or fewer if they would take over
// ten seconds on a slow, busy disk); docs/reliability.md gives the long run.
TEST(ProfileCrashTest, AKilledWriterLeavesAnOldOrANewStateAndTheNextWriteClearsUp) {
    ScratchFolder folder;
    std::string path = folder.Path("Prefs.cfg");
    auto stateBytes = [&](int n) {  // as written without interruption
        MemoryFileSystem memory;
        memory.files[path] = "[Common]\r\nUnitSystem=1\r\n";
        return Profile(path, memory).WriteAll(StateEntries(n)), memory.files[path];
    };
    ASSERT_EQ(chmod(folder.Put("Prefs.cfg", stateBytes(0)).c_str(), 0600), 0);  // a private file
    // Kills fall anywhere in the child's first write and a half, however slow the disk.
    using Clock = std::chrono::steady_clock;
    auto start = Clock::now();
    ASSERT_EQ(Profile(path).WriteAll(StateEntries(1)), FileStatus::Ok);
    long long oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    std::mt19937 random(2026);
    std::uniform_int_distribution<long long> delayMicroseconds(0, oneWrite * 3 / 2 + 200);
    const char* asked = std::getenv("SKYLINER_CRASH_CYCLES");
    int cycles = asked ? std::atoi(asked) : 300, newestState = 1, cycle = 0;
    for (start = Clock::now(); cycle < cycles && (asked || cycle < 50 || Clock::now() - start < std::chrono::seconds(10));
         ++cycle) {
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        for (int n = newestState + 1; child == 0; ++n) Profile(path).WriteAll(StateEntries(n));  // until killed
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);
        int state = Profile(path).ReadInt("Common", "Counter", -1);
        ASSERT_GE(state, newestState) << "cycle " << cycle;
        ASSERT_EQ(folder.Take("Prefs.cfg"), stateBytes(state)) << "cycle " << cycle << ": a torn file";
        newestState = state;
    }
    std::printf("%d kills, write %.1f ms, %d states, %d left\n", cycle, oneWrite / 1000.0, newestState, folder.FileCount() - 1);
    EXPECT_GT(newestState, 1) << "no write ever completed: the kills come too early";
    // What a kill left was never more open than the file and goes once old, as any old leftover
    // of ours does, in any letter case; a fresh one may be another instance's write in flight.
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) {
        EXPECT_EQ(static_cast<unsigned>(entry.status().permissions()) & ~0600u, 0u) << entry.path();
        folder.Age(entry.path().filename().string(), 3600);
    }
    const std::tuple<const char*, int, bool> others[] = {
        {"~skyliner-0123abcd.tmp", 3600, false}, {"~SKYLINER-89ABCDEF.TMP", 3600, false}, {"~skyliner-00000001.tmp", 5, true},
        {"~sky0123abcd.tmp", 3600, true}, {"~skyliner-0123abcd.tmp.bak", 3600, true}, {"skyliner.tmp", 3600, true}};
    for (const auto& [name, age, stays] : others) folder.Put(name, "x"), folder.Age(name, age);
    ASSERT_EQ(Profile(path).Write("Common", "Counter", std::to_string(newestState + 1)), FileStatus::Ok);
    for (const auto& [name, age, stays] : others) EXPECT_EQ(folder.Has(name), stays) << name;
    EXPECT_EQ(folder.FileCount(), 5);
}

}  // namespace
