#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "MemoryFileSystem.h"
#include "keys/KeyCommands.h"
#include "platform/Profile.h"

namespace {

const std::string kPath = "C:\\FS9\\Velmora\\Skyliner\\Prefs.cfg";

// Every slot is written under the names the add-on reads, in order, and read back into its own slot.
TEST(KeyCommandsTest, EverySlotIsWrittenInOrderAndReadBack) {
    MemoryFileSystem memory;
    KeyCommands table = DefaultKeyCommands(), read = table;
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) table[slot].modifier = slot % 4, table[slot].key = 100 + slot;
    ASSERT_EQ(WriteKeyAssignments(kPath, table, memory), FileStatus::Ok);
    const std::string& written = memory.files[kPath];
    EXPECT_EQ(written.rfind("[Keys]\r\nCommand.00-Modifier=0\r\nCommand.00-Key=100\r\nCommand.01-Modifier=1\r\n", 0), 0u);
    EXPECT_EQ(written.rfind("Command.90-Modifier=2\r\nCommand.90-Key=190\r\n"), written.size() - 43);
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 1 + 182);
    ReadKeyAssignments(Profile(kPath, memory).Snapshot(), read);
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        EXPECT_EQ(std::pair(read[slot].modifier, read[slot].key), std::pair(table[slot].modifier, table[slot].key)) << slot;
    }
}

TEST(KeyCommandsTest, ASlotTakesTheFileValuesOnlyWhenBothEntriesRead) {
    MemoryFileSystem memory;
    KeyCommands table = DefaultKeyCommands(), expected = table;
    table[40] = expected[40] = {table[40].name, 2, 59};  // captured earlier in the run
    memory.files[kPath] =
        "[Keys]\r\nCommand.00-Modifier=1\r\nCommand.00-Key=45\r\n"
        "Command.12-Modifier=0\r\nCommand.13-Key=5\r\n"  // one entry only
        "Command.14-Modifier=-9999\r\nCommand.14-Key=5\r\nCommand.15-Modifier=1\r\nCommand.15-Key=-9999\r\n"
        "Command.16-Modifier=\r\nCommand.16-Key=5\r\nCommand.17-Modifier=7\r\nCommand.17-Key=-3\r\n"
        "[Common]\r\nCommand.19-Modifier=1\r\nCommand.19-Key=2\r\n";
    expected[0] = {expected[0].name, 1, 45};
    expected[17] = {expected[17].name, 7, -3};  // not checked: kept as read
    ReadKeyAssignments(Profile(kPath, memory).Snapshot(), table);
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        const KeyCommand &read = table[slot], &want = expected[slot];
        EXPECT_EQ(std::pair(read.modifier, read.key), std::pair(want.modifier, want.key)) << slot;
    }
}

}  // namespace
