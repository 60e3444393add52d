// A child process writes the file over and over and is killed at random moments; the
// file must always be exactly one of the states it wrote, and the next write must clear
// what the kills left. SKYLINER_CRASH_CYCLES sets the number of kills (300 by default);
// docs/reliability.md gives the long run.

#include <signal.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>
#include <thread>

#include "MemoryFileSystem.h"
#include "TestFiles.h"
#include "platform/Profile.h"

namespace {

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

// The number of kills asked for; by default 300, or fewer where a slow, busy disk would
// make them take more than ten seconds.
int CrashCycles() {
    const char* text = std::getenv("SKYLINER_CRASH_CYCLES");
    return text ? std::atoi(text) : 300;
}
bool OutOfTime(std::chrono::steady_clock::time_point start, int cycle) {
    return !std::getenv("SKYLINER_CRASH_CYCLES") && cycle >= 50 &&
           std::chrono::steady_clock::now() - start > std::chrono::seconds(10);
}

[[noreturn]] void WriteForever(const std::string& path, int from) {
    Profile file(path);
    for (int n = from;; ++n) file.WriteAll(StateEntries(n));
}

TEST(ProfileCrashTest, AKilledWriterLeavesAnOldOrANewStateAndTheNextWriteClearsUp) {
    ScratchFolder folder;
    std::string path = folder.Path("Prefs.cfg");
    // The exact bytes of each state, written without interruption.
    std::map<int, std::string> states;
    auto stateBytes = [&](int n) {
        if (!states.count(n)) {
            MemoryFileSystem memory;
            memory.files[path] = "[Common]\r\nUnitSystem=1\r\n";
            Profile(path, memory).WriteAll(StateEntries(n));
            states[n] = memory.files[path];
        }
        return states[n];
    };
    ASSERT_EQ(chmod(folder.Put("Prefs.cfg", stateBytes(0)).c_str(), 0600), 0);  // a private file

    // Kills fall anywhere in the child's first write and a half, however slow the disk.
    auto start = std::chrono::steady_clock::now();
    Profile(folder.Put("timing.ini", stateBytes(0))).WriteAll(StateEntries(1));
    auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
    std::remove(folder.Path("timing.ini").c_str());
    std::mt19937 random(2026);
    std::uniform_int_distribution<long long> delayMicroseconds(0, oneWrite.count() * 3 / 2 + 200);
    int cycles = CrashCycles();
    int newestState = 0;
    auto killsStart = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        if (OutOfTime(killsStart, cycle)) {
            cycles = cycle;
            break;
        }
        std::fflush(nullptr);
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) WriteForever(path, newestState + 1);
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        kill(child, SIGKILL);
        ASSERT_EQ(waitpid(child, nullptr, 0), child);

        int state = Profile(path).ReadInt("Common", "Counter", -1);
        ASSERT_GE(state, newestState) << "cycle " << cycle;
        ASSERT_EQ(folder.Take("Prefs.cfg"), stateBytes(state)) << "cycle " << cycle << ": a torn file";
        newestState = state;
    }
    int leftovers = folder.FileCount() - 1;
    std::printf("%d kills, one write %.1f ms, %d states written, %d temporary files left by kills\n", cycles,
                oneWrite.count() / 1000.0, newestState, leftovers);
    EXPECT_GT(newestState, 0) << "no write ever completed: the kills come too early";

    // What a kill left was never more open than the file, from its first byte on.
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) {
        struct stat info {};
        ASSERT_EQ(stat(entry.path().c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777 & ~0600u, 0u) << entry.path();
    }
    // A fresh leftover may be another instance's write in flight; once old, it goes.
    Profile(path).Write("Common", "Counter", std::to_string(newestState));
    EXPECT_EQ(folder.FileCount() - 1, leftovers);
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path(""))) {
        struct timeval hourAgo[2];
        gettimeofday(&hourAgo[0], nullptr);
        hourAgo[0].tv_sec -= 3600;
        hourAgo[1] = hourAgo[0];
        utimes(entry.path().c_str(), hourAgo);
    }
    ASSERT_EQ(Profile(path).Write("Common", "Counter", std::to_string(newestState + 1)), FileStatus::Ok);
    EXPECT_EQ(folder.FileCount(), 1);
}

}  // namespace
