#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "aircraft/Variants.h"
#include "loadmgr/AircraftFile.h"
#include "platform/Backups.h"
#include "platform/FileSystem.h"
#include "platform/InstallPaths.h"

// What one run of the program keeps between the launcher's flows: the launcher owns it and
// hands it to each flow. It never stands in for a file: what it keeps of a file counts only
// while the file still holds it, so after a restore, an update or a save that did not reach
// the file the next dialog starts from the file.
class RunState {
public:
    explicit RunState(InstallPaths paths = {}, FileSystem& fileSystem = SystemFileSystem());

    const InstallPaths& Paths() const { return paths_; }
    FirstBackups& Backups() { return backups_; }

    // After a load manager's save that reached every file of the variant: the payload they
    // now hold and the zero-fuel weight (kg) the dialog showed for it, which may differ by
    // a kilogram from the files' when the dialog was closed in pounds.
    void PayloadSaved(const Variant& variant, const WeightAndBalance& payload, std::int32_t zeroFuelWeightKg);
    // The zero-fuel weight (kg) the fuel planner starts from: the one saved in this run while
    // the files hold its payload, else what the files give; 0 when they cannot be read.
    std::int32_t PlannerZeroFuelWeight(const Variant& variant) const;

    // The folder of the flight plan file last chosen for an import, where the next Open
    // dialog starts; empty before the first.
    const std::u16string& FlightPlanFolder() const { return flightPlanFolder_; }
    void SetFlightPlanFolder(std::u16string folder) { flightPlanFolder_ = std::move(folder); }

private:
    struct SavedPayload {
        WeightAndBalance payload;
        std::int32_t zeroFuelWeightKg;
    };

    InstallPaths paths_;
    FileSystem& fileSystem_;
    FirstBackups backups_;
    std::optional<SavedPayload> saved_[kVariantCount];
    std::u16string flightPlanFolder_;
};
