#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aircraft/Variants.h"
#include "loadmgr/AircraftFile.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"
#include "platform/InstallPaths.h"
#include "platform/Profile.h"

// Installed when one of the variant's candidate files exists.
bool IsVariantInstalled(const Variant& variant, const std::string& fsRoot,
                        FileSystem& fileSystem = SystemFileSystem());

// Where the load manager takes the payload from, read once: the first candidate file that
// exists (the primary one when both do), so that an installation with only the alternative
// file opens on its real payload; the first candidate, NotFound, when none exists (the
// payload then has its defaults). A file that exists but cannot be read is not usable: shown
// as empty, the next save would replace its real payload.
ProfileSnapshot ReadPayloadSource(const std::vector<std::string>& candidates,
                                  FileSystem& fileSystem = SystemFileSystem());

// The message for a variant none of whose files exists: which files were looked for and,
// when the simulator's folder was a guess, how it was guessed, since then every variant
// looks uninstalled.
std::string NotInstalledMessage(const Variant& variant, const InstallPaths& paths);

// The message for a source that cannot be read: which file, why, and what to do.
std::string PayloadReadFailureMessage(const ProfileSnapshot& source);

// What a save did to each candidate file that existed when it was saved; candidates
// that did not exist are neither created nor listed.
struct PayloadFileWrite {
    std::string path;
    FileStatus status;
};
struct PayloadSaveOutcome {
    std::vector<PayloadFileWrite> writes;

    // Every existing candidate received the payload (and at least one existed).
    bool AllWritten() const;
    // The message for a save that was not complete: each failed file with its reason,
    // and which file, if any, did receive the payload.
    std::string FailureMessage() const;
};

// The payload the variant's load manager would show on opening, from its files as they are
// (no more than the seats and 100 %, as its sliders hold it); nothing when the file it would
// read cannot be read.
std::optional<WeightAndBalance> FilesPayload(const Variant& variant, const std::string& fsRoot,
                                             FileSystem& fileSystem = SystemFileSystem());

// The zero-fuel weight (kg) the load manager shows in kilograms for that payload.
std::int32_t ZeroFuelWeightOf(const Variant& variant, const WeightAndBalance& payload);

// The maximum gross weight (kg) in the file the load manager would read; 0 when that file
// gives none or cannot be read.
std::int32_t FilesMaximumGrossWeight(const Variant& variant, const std::string& fsRoot,
                                     FileSystem& fileSystem = SystemFileSystem());

// Writes the payload into every candidate file that exists, each tested just before it
// is written.
PayloadSaveOutcome SavePayloadToFiles(const std::vector<std::string>& candidates, const WeightAndBalance& payload,
                                      std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg,
                                      FileSystem& fileSystem = SystemFileSystem());
