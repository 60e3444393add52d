// A child process writes the file over and over and is killed at random moments; the
// file must always be exactly one of the states it wrote, and the next write must clear
// what the kills left. SKYLINER_CRASH_CYCLES sets the number of kills (300 by default, or
// fewer where a slow, busy disk would make them take more than ten seconds);
// docs/reliability.md gives the long run.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

#include "MemoryFileSystem.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

using Clock = std::chrono::steady_clock;

// State n: a counter and all 182 key entries derived from it, as the key dialog saves.
std::vector<ProfileEntry> StateEntries(int n) {
    std::vector<ProfileEntry> entries{{"Common", "Counter", std::to_string(n)}};
    for (int slot = 0; slot < 91; ++slot) {
        char key[32];
        std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
        entries.push_back({"Keys", key, std::to_string((n * 7 + slot) % 1000)});
        std::snprintf(key, sizeof key, "Command.%02d-Modifier", slot);
        entries.push_back({"Keys", key, std::to_string(n % 2 ? slot : -slot)});
    }
    return entries;
}

TEST(ProfileCrashTest, AKilledWriterLeavesAnOldOrANewStateAndTheNextWriteClearsUp) {
    ScratchFolder folder;
    std::string path = folder.Path("Prefs.cfg");
    // The exact bytes of each state, written without interruption.
    auto stateBytes = [&](int n) {
        MemoryFileSystem memory;
        memory.files[path] = "[Common]\r\nUnitSystem=1\r\n";
        Profile(path, memory).WriteAll(StateEntries(n));
        return memory.files[path];
    };
    ASSERT_EQ(chmod(folder.Put("Prefs.cfg", stateBytes(0)).c_str(), 0600), 0);  // a private file

    // Kills fall anywhere in the child's first write and a half, however slow the disk.
    auto start = Clock::now();
    Profile(folder.Put("timing.ini", stateBytes(0))).WriteAll(StateEntries(1));
    auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
    std::remove(folder.Path("timing.ini").c_str());
    std::mt19937 random(2026);
    std::uniform_int_distribution<long long> delayMicroseconds(0, oneWrite.count() * 3 / 2 + 200);
    const char* asked = std::getenv("SKYLINER_CRASH_CYCLES");
    int cycles = asked ? std::atoi(asked) : 300;
    int newestState = 0;
    start = Clock::now();
    int cycle = 0;
    for (; cycle < cycles && (asked || cycle < 50 || Clock::now() - start < std::chrono::seconds(10)); ++cycle) {
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            Profile file(path);
            for (int n = newestState + 1;; ++n) file.WriteAll(StateEntries(n));
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);

        int state = Profile(path).ReadInt("Common", "Counter", -1);
        ASSERT_GE(state, newestState) << "cycle " << cycle;
        ASSERT_EQ(folder.Take("Prefs.cfg"), stateBytes(state)) << "cycle " << cycle << ": a torn file";
        newestState = state;
    }
    int leftovers = folder.FileCount() - 1;
    std::printf("%d kills, one write %.1f ms, %d states written, %d temporary files left by kills\n", cycle,
                oneWrite.count() / 1000.0, newestState, leftovers);
    EXPECT_GT(newestState, 0) << "no write ever completed: the kills come too early";

    // A fresh leftover may be another instance's write in flight; once old, it goes. What
    // a kill left was never more open than the file, from its first byte on.
    ASSERT_EQ(Profile(path).Write("Common", "Counter", std::to_string(newestState + 1)), FileStatus::Ok);
    EXPECT_EQ(folder.FileCount() - 1, leftovers);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) {
        struct stat info {};
        ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777 & ~0600u, 0u) << entry.path();
        folder.Age(entry.path().filename().string(), 3600);
    }
    ASSERT_EQ(Profile(path).Write("Common", "Counter", std::to_string(newestState + 2)), FileStatus::Ok);
    EXPECT_EQ(folder.FileCount(), 1);
}

}  // namespace
