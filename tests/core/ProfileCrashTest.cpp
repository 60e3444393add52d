// A child process writes the file over and over and is killed at random moments; the
// file must always be exactly one of the states it wrote, and the next write must clear
// what the kills left. SKYLINER_CRASH_CYCLES sets the number of kills (300 by default);
// docs/reliability.md gives the long run.

#include <signal.h>
#include <sys/time.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <thread>

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

int CrashCycles() {
    const char* text = std::getenv("SKYLINER_CRASH_CYCLES");
    return text ? std::atoi(text) : 300;
}

[[noreturn]] void WriteForever(const std::string& path, int from) {
    Profile file(path);
    for (int n = from;; ++n) file.WriteAll(StateEntries(n));
}

TEST(ProfileCrashTest, AKilledWriterLeavesAnOldOrANewStateAndTheNextWriteClearsUp) {
    ScratchFolder folder;
    std::string path = folder.Path("Prefs.cfg");
    ScratchFolder expected;  // the exact bytes of each state, written without interruption
    auto stateBytes = [&](int n) {
        std::string name = "state" + std::to_string(n);
        if (!expected.Has(name)) {
            Profile(expected.Put(name, "[Common]\r\nUnitSystem=1\r\n")).WriteAll(StateEntries(n));
        }
        return expected.Take(name);
    };
    folder.Put("Prefs.cfg", stateBytes(0));

    std::mt19937 random(2026);
    std::uniform_int_distribution<int> delayMicroseconds(0, 15000);
    int cycles = CrashCycles();
    int newestState = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
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
    std::printf("%d kills, %d states written, %d temporary files left by kills\n", cycles, newestState, leftovers);
    EXPECT_GT(newestState, 0) << "no write ever completed: the kills come too early";

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
