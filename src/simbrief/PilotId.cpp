#include "simbrief/PilotId.h"

#include "platform/Profile.h"

namespace {

constexpr char kSection[] = "SimBrief";
constexpr char kKey[] = "PilotID";

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

PilotIdEntry CheckPilotId(std::string_view typed) {
    while (!typed.empty() && IsBlank(typed.front())) typed.remove_prefix(1);
    while (!typed.empty() && IsBlank(typed.back())) typed.remove_suffix(1);
    bool digits = !typed.empty() && typed.size() <= kLongestPilotId;
    for (char c : typed) digits = digits && c >= '0' && c <= '9';
    if (digits) return {std::string(typed), {}};
    return {{}, "A Pilot ID is a number of up to " + std::to_string(kLongestPilotId) +
                    " digits: you find yours on the account settings page of simbrief.com, once signed in."};
}

KeptPilotId ReadPilotId(const std::string& settingsPath, FileSystem& fileSystem) {
    KeptPilotId kept;
    const std::string text = Profile(settingsPath, fileSystem).ReadString(kSection, kKey, "", 64, &kept.status);
    if (IsMissing(kept.status)) kept.status = FileStatus::Ok;
    kept.id = CheckPilotId(text).id;
    return kept;
}

FileStatus SavePilotId(const std::string& settingsPath, const std::string& id, FileSystem& fileSystem) {
    return Profile(settingsPath, fileSystem).Write(kSection, kKey, id);
}
