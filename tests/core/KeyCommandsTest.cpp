#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "TestFiles.h"
#include "keys/KeyCommands.h"
#include "platform/Profile.h"

namespace {

TEST(KeyCommandsTest, EverySlotIsWrittenInOrderAndTheOtherSectionsKeepTheirBytes) {
    ScratchFolder folder;
    const std::string path = folder.Path("Prefs.cfg");
    ASSERT_EQ(WriteKeyAssignments(path, DefaultKeyCommands()), FileStatus::Ok);
    const std::string written = folder.Take("Prefs.cfg");
    EXPECT_EQ(written.rfind("[Keys]\r\nCommand.00-Modifier=3\r\nCommand.00-Key=20\r\nCommand.01-Modifier=3\r\n", 0), 0u);
    EXPECT_NE(written.find("Command.84-Key=0\r\nCommand.85-Modifier=0\r\nCommand.85-Key=0\r\n"), std::string::npos);
    EXPECT_EQ(written.rfind("Command.90-Modifier=0\r\nCommand.90-Key=0\r\n"), written.size() - 41);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1 + 182);
    const std::string head = "; preferences\r\n[Common]\r\n  Modifier = 2 ; lock\r\n\r\n", tail = "[Other]\nkeep=this\n";
    folder.Put("Prefs.cfg", head + "[keys]\r\nCommand.05-Key=99\r\n\r\n" + tail);
    ASSERT_EQ(WriteKeyAssignments(path, DefaultKeyCommands()), FileStatus::Ok);
    const std::string updated = folder.Take("Prefs.cfg");
    EXPECT_EQ(updated.rfind(head + "[keys]\r\nCommand.05-Key=25\r\n", 0), 0u) << "updated in place";
    EXPECT_EQ(updated.substr(updated.size() - tail.size()), tail);
}

TEST(KeyCommandsTest, ASlotTakesTheFileValuesOnlyWhenBothEntriesRead) {
    ScratchFolder folder;
    KeyCommands table = DefaultKeyCommands(), expected = table;
    table[40] = expected[40] = {table[40].name, 2, 59};  // captured earlier in the run
    ReadKeyAssignments(Profile(folder.Path("absent/Prefs.cfg")).Snapshot(), table);
    folder.Put("Prefs.cfg",
               "[Keys]\r\nCommand.00-Modifier=1\r\nCommand.00-Key=45\r\n"
               "Command.12-Modifier=0\r\nCommand.13-Key=5\r\n"  // one entry only
               "Command.14-Modifier=-9999\r\nCommand.14-Key=5\r\nCommand.15-Modifier=1\r\nCommand.15-Key=-9999\r\n"
               "Command.16-Modifier=\r\nCommand.16-Key=5\r\nCommand.17-Modifier=7\r\nCommand.17-Key=-3\r\n"
               "Command.90-Modifier=1\r\nCommand.90-Key=2\r\n"
               "[Common]\r\nCommand.19-Modifier=1\r\nCommand.19-Key=2\r\n");
    expected[0] = {expected[0].name, 1, 45};
    expected[17] = {expected[17].name, 7, -3};  // not checked: kept as read
    expected[90] = {expected[90].name, 1, 2};
    ReadKeyAssignments(Profile(folder.Path("Prefs.cfg")).Snapshot(), table);
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        const KeyCommand &read = table[slot], &want = expected[slot];
        EXPECT_EQ(std::pair(read.modifier, read.key), std::pair(want.modifier, want.key)) << slot;
    }
    ASSERT_EQ(WriteKeyAssignments(folder.Path("Prefs.cfg"), table), FileStatus::Ok);
    EXPECT_EQ(Profile(folder.Path("Prefs.cfg")).ReadString("Keys", "Command.17-Key", "", 99), "-3");
}

}  // namespace
