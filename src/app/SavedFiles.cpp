#include "app/SavedFiles.h"

#include <string>
#include <utility>

#include "aircraft/Variants.h"
#include "keys/KeyCommands.h"
#include "loadmgr/AircraftFile.h"
#include "prefs/Preferences.h"

std::vector<SavedFile> FilesTheProgramSaves(const InstallPaths& paths) {
    std::vector<SavedFile> files;
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        for (std::string& file : CandidateFiles(*FindVariant(selection), paths.fsRoot)) {
            files.push_back({std::move(file), {PayloadEntries()}});
        }
    }
    files.push_back({paths.prefs, {PreferenceEntries(), KeyAssignmentEntries()}});
    return files;
}
