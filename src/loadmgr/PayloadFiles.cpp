#include "loadmgr/PayloadFiles.h"

#include <algorithm>

#include "loadmgr/PayloadTotals.h"
#include "platform/Profile.h"

ProfileSnapshot ReadPayloadSource(const std::vector<std::string>& candidates, FileSystem& fileSystem) {
    for (const std::string& path : candidates) {
        ProfileSnapshot snapshot = Profile(path, fileSystem).Snapshot();
        if (!IsMissing(snapshot.Status())) return snapshot;
    }
    return ProfileSnapshot(candidates.empty() ? std::string() : candidates.front(), FileStatus::NotFound, {});
}

std::string NotInstalledMessage(const Variant& variant, const InstallPaths& paths) {
    std::string text = "Sorry, this aircraft is not installed on your system";
    const char* lead = "\n\nNo aircraft file was found at\n";
    for (const std::string& file : CandidateFiles(variant, paths.fsRoot)) {
        text += lead + file;
        lead = "\nnor at\n";
    }
    if (paths.source == FolderSource::AboveCurrentFolder) {
        text += "\n\nThe simulator's folder is not in the registry, so this program took the folder two levels "
                "above the one it was started from:\n" +
                paths.fsRoot + "\nStart it from the Velmora\\Skyliner folder of the simulator.";
    }
    return text;
}

std::string PayloadReadFailureMessage(const ProfileSnapshot& source) {
    return DescribeFileFailure(FileAccess::Read, source.Path(), source.Status()) +
           "\n\nThe load manager stays closed so that the payload in this file is not replaced. "
           "Close the program that is using the file or give yourself access to it, then try again.";
}

bool PayloadSaveOutcome::AllWritten() const {
    if (writes.empty()) return false;
    for (const PayloadFileWrite& write : writes) {
        if (write.status != FileStatus::Ok) return false;
    }
    return true;
}

std::string PayloadSaveOutcome::FailureMessage() const {
    std::string text = "The new payload could not be saved completely.";
    std::vector<const PayloadFileWrite*> written;
    for (const PayloadFileWrite& write : writes) {
        if (write.status == FileStatus::Ok) {
            written.push_back(&write);
        } else {
            text += "\n\n" + DescribeFileFailure(FileAccess::Write, write.path, write.status);
        }
    }
    if (writes.empty()) text += "\n\nThe aircraft file (aircraft.cfg) is no longer there.";
    if (written.empty()) {
        text += "\n\nNo aircraft file received the new payload.";
    } else {
        for (const PayloadFileWrite* write : written) {
            text += "\n\nThe new payload was saved only in\n" + write->path;
        }
    }
    return text + "\n\nYour payload is still in this window. Make sure that the simulator is not running and "
                  "that the file is not read-only, then press OK again, or press Cancel to leave without saving.";
}

bool IsVariantInstalled(const Variant& variant, const std::string& fsRoot, FileSystem& fileSystem) {
    return !IsMissing(ReadPayloadSource(CandidateFiles(variant, fsRoot), fileSystem).Status());
}

std::optional<WeightAndBalance> FilesPayload(const Variant& variant, const std::string& fsRoot,
                                             FileSystem& fileSystem) {
    const ProfileSnapshot source = ReadPayloadSource(CandidateFiles(variant, fsRoot), fileSystem);
    if (!source.Usable()) return std::nullopt;
    WeightAndBalance payload =
        ReadWeightAndBalance(source, variant.emptyWeightLb, variant.forwardHoldKg, variant.aftHoldKg);
    payload.firstCabinCount = std::min(payload.firstCabinCount, variant.firstCabinSeats);
    payload.secondCabinCount = std::min(payload.secondCabinCount, variant.secondCabinSeats);
    payload.forwardHoldPercentage = std::min(payload.forwardHoldPercentage, 100);
    payload.aftHoldPercentage = std::min(payload.aftHoldPercentage, 100);
    return payload;
}

std::int32_t ZeroFuelWeightOf(const Variant& variant, const WeightAndBalance& payload) {
    return ComputePayloadTotals({payload.firstCabinCount, payload.secondCabinCount, payload.forwardHoldPercentage,
                                 payload.aftHoldPercentage, variant.forwardHoldKg, variant.aftHoldKg,
                                 payload.emptyWeight, kKilogramFactor})
        .zeroFuelWeightKg;
}

std::int32_t FilesMaximumGrossWeight(const Variant& variant, const std::string& fsRoot, FileSystem& fileSystem) {
    const ProfileSnapshot source = ReadPayloadSource(CandidateFiles(variant, fsRoot), fileSystem);
    return source.Usable() ? ReadMaximumGrossWeight(source) : 0;
}

PayloadSaveOutcome SavePayloadToFiles(const std::vector<std::string>& candidates, const WeightAndBalance& payload,
                                      std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg,
                                      FileSystem& fileSystem) {
    PayloadSaveOutcome outcome;
    for (const std::string& path : candidates) {
        if (!FileExists(path, fileSystem)) continue;
        outcome.writes.push_back(
            {path, WriteWeightAndBalance(path, payload, forwardCapacityKg, aftCapacityKg, fileSystem)});
    }
    return outcome;
}
