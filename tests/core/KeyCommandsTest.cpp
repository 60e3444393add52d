#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>

#include "TestFiles.h"
#include "keys/KeyCommands.h"
#include "platform/Profile.h"

namespace {

class KeyCommandsTest : public ::testing::Test {
protected:
    KeyCommandsTest() { KeyCommandTable = DefaultKeyCommands(); }
    ~KeyCommandsTest() override { KeyCommandTable = DefaultKeyCommands(); }

    // The [Keys] lines the table gives, in slot order.
    static std::string KeyLines() {
        std::string lines;
        for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
            char line[80];
            std::snprintf(line, sizeof line, "Command.%02d-Modifier=%d\r\nCommand.%02d-Key=%d\r\n", slot,
                          KeyCommandTable[slot].modifier, slot, KeyCommandTable[slot].key);
            lines += line;
        }
        return lines;
    }

    ScratchFolder folder;
};

// The list maps its positions to slots by order: every named slot before every spare one.
TEST_F(KeyCommandsTest, NamedCommandsComeFirstAndAreDistinct) {
    std::set<std::string> names;
    int named = 0;
    for (const KeyCommand& command : DefaultKeyCommands()) {
        std::string name = command.name;
        if (name.empty()) {
            EXPECT_EQ(command.modifier, 0);
            EXPECT_EQ(command.key, 0);
            continue;
        }
        EXPECT_EQ(named, static_cast<int>(&command - DefaultKeyCommands().data())) << name << " after a spare slot";
        EXPECT_LT(name.size(), 100u) << name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        ++named;
    }
    EXPECT_EQ(named, 85);
}

TEST_F(KeyCommandsTest, AMissingFileGetsTheWholeSectionInSlotOrder) {
    const std::string path = folder.Path("Prefs.cfg");
    ASSERT_EQ(WriteKeyAssignments(path), FileStatus::Ok);
    const std::string written = folder.Take("Prefs.cfg");
    EXPECT_EQ(written, "[Keys]\r\n" + KeyLines());
    EXPECT_NE(written.find("Command.00-Modifier=3\r\nCommand.00-Key=20\r\nCommand.01-Modifier=3\r\n"), std::string::npos);
    EXPECT_NE(written.find("Command.85-Modifier=0\r\nCommand.85-Key=0\r\n"), std::string::npos);
    EXPECT_EQ(written.rfind("Command.90-Modifier=0\r\nCommand.90-Key=0\r\n"), written.size() - 41);
}

TEST_F(KeyCommandsTest, SavingKeepsEveryOtherByteOfTheFile) {
    const std::string common = "; add-on preferences\r\n[Common]\r\nUnitSystem=1\r\n  Modifier = 2 ; lock\r\n\r\n";
    const std::string tail = "[Other]\nkeep=this\n";
    folder.Put("Prefs.cfg", common + "[keys]\r\nCommand.05-Key=99\r\nCustom=1\r\n\r\n" + tail);
    KeyCommandTable[5].key = 7;
    ASSERT_EQ(WriteKeyAssignments(folder.Path("Prefs.cfg")), FileStatus::Ok);

    const std::string written = folder.Take("Prefs.cfg");
    EXPECT_EQ(written.substr(0, common.size() + 8), common + "[keys]\r\n");
    EXPECT_EQ(written.substr(written.size() - tail.size()), tail);
    EXPECT_NE(written.find("Command.05-Key=7\r\nCustom=1\r\n"), std::string::npos) << "replaced in its own line";
    const Profile file(folder.Path("Prefs.cfg"));
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        char key[32];
        std::snprintf(key, sizeof key, "Command.%02d-Key", slot);
        EXPECT_EQ(file.ReadInt("Keys", key, -1), KeyCommandTable[slot].key) << slot;
    }
}

TEST_F(KeyCommandsTest, ASlotChangesOnlyWhenBothOfItsEntriesRead) {
    folder.Put("Prefs.cfg",
               "[Keys]\r\n"
               "Command.00-Modifier=1\r\nCommand.00-Key=45\r\n"  // both: taken
               "Command.12-Modifier=0\r\n"                        // the key is missing
               "Command.13-Key=5\r\n"                             // the modifier is missing
               "Command.14-Modifier=-9999\r\nCommand.14-Key=5\r\n"
               "Command.15-Modifier=1\r\nCommand.15-Key=-9999\r\n"
               "Command.16-Modifier=\r\nCommand.16-Key=5\r\n"     // empty reads as missing
               "Command.17-Modifier=7\r\nCommand.17-Key=-3\r\n"   // not checked: kept as read
               "Command.18-Modifier=2 ; ctrl\r\nCommand.18-Key=abc\r\n"
               "Command.90-Modifier=1\r\nCommand.90-Key=2\r\n"
               "[Common]\r\nCommand.19-Modifier=1\r\nCommand.19-Key=2\r\n");
    KeyCommands expected = DefaultKeyCommands();
    expected[0].modifier = 1, expected[0].key = 45;
    expected[17].modifier = 7, expected[17].key = -3;
    expected[18].modifier = 2, expected[18].key = 0;
    expected[90].modifier = 1, expected[90].key = 2;

    ReadKeyAssignments(folder.Path("Prefs.cfg"));
    for (int slot = 0; slot < kKeyCommandSlots; ++slot) {
        EXPECT_EQ(KeyCommandTable[slot].modifier, expected[slot].modifier) << slot;
        EXPECT_EQ(KeyCommandTable[slot].key, expected[slot].key) << slot;
        EXPECT_STREQ(KeyCommandTable[slot].name, expected[slot].name);
    }

    // What was read goes back as read, beside what the file did not hold.
    ASSERT_EQ(WriteKeyAssignments(folder.Path("Prefs.cfg")), FileStatus::Ok);
    const Profile file(folder.Path("Prefs.cfg"));
    EXPECT_EQ(file.ReadString("Keys", "Command.17-Key", "", 99), "-3");
    EXPECT_EQ(file.ReadString("Keys", "Command.17-Modifier", "", 99), "7");
    EXPECT_EQ(file.ReadString("Keys", "Command.12-Key", "", 99), "209");
}

// Reading never resets a slot to its default: a capture the file does not hold yet stays.
TEST_F(KeyCommandsTest, WhatTheFileDoesNotHoldKeepsTheValuesOfTheRun) {
    KeyCommandTable[40].modifier = 2;
    KeyCommandTable[40].key = 59;
    KeyCommandTable[3].key = 31;
    ReadKeyAssignments(folder.Path("absent/Prefs.cfg"));
    ReadKeyAssignments(folder.Path("Prefs.cfg"));
    folder.Put("Prefs.cfg", "[Common]\r\nUnitSystem=1\r\n[Keys]\r\nCommand.03-Modifier=2\r\nCommand.03-Key=23\r\n");
    ReadKeyAssignments(folder.Path("Prefs.cfg"));
    EXPECT_EQ(KeyCommandTable[40].modifier, 2);
    EXPECT_EQ(KeyCommandTable[40].key, 59);
    EXPECT_EQ(KeyCommandTable[3].key, 23);
}

TEST_F(KeyCommandsTest, AReadOnlyFileIsReportedAndKept) {
    const std::string before = "[Keys]\r\nCommand.00-Modifier=1\r\nCommand.00-Key=45\r\n";
    std::string path = folder.Put("Prefs.cfg", before);
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    KeyCommandTable[0].key = 46;
    EXPECT_EQ(WriteKeyAssignments(path), FileStatus::ReadOnly);
    EXPECT_EQ(folder.Take("Prefs.cfg"), before);
    EXPECT_EQ(WriteKeyAssignments(folder.Path("absent/Prefs.cfg")), FileStatus::FolderMissing);
}

}  // namespace
