#pragma once

#include <string>
#include <string_view>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// The user's Pilot ID on the web planner, the one setting of the program's own settings
// file: a number, sent to the planner's site only when the user asks for a flight plan.

// The longest Pilot ID taken; the planner's are a few digits long.
inline constexpr std::size_t kLongestPilotId = 10;

// A typed Pilot ID: its digits, blanks around them trimmed; or, when it is no Pilot ID, the
// sentence that tells the user what one is and where to find it.
struct PilotIdEntry {
    std::string id;
    std::string refusal;
};
PilotIdEntry CheckPilotId(std::string_view typed);

// The Pilot ID kept in the settings file: empty when none is (or what is there is no Pilot
// ID, which asking again corrects); `status` says why the file could not be read.
struct KeptPilotId {
    std::string id;
    FileStatus status = FileStatus::Ok;
};
KeptPilotId ReadPilotId(const std::string& settingsPath, FileSystem& fileSystem = SystemFileSystem());

// Keeps a checked Pilot ID in the settings file, every other byte of it as it was.
FileStatus SavePilotId(const std::string& settingsPath, const std::string& id,
                       FileSystem& fileSystem = SystemFileSystem());
