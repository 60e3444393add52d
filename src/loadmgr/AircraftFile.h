#pragma once

#include <cstdint>
#include <string>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// The payload of one aircraft as the load manager edits it.
struct WeightAndBalance {
    std::int32_t emptyWeight = 0;            // kilograms
    std::int32_t firstCabinCount = 0;        // passengers
    std::int32_t secondCabinCount = 0;       // passengers
    std::int32_t forwardHoldPercentage = 0;  // percent of the forward hold's capacity
    std::int32_t aftHoldPercentage = 0;      // percent of the aft hold's capacity

    bool operator==(const WeightAndBalance& other) const {
        return emptyWeight == other.emptyWeight && firstCabinCount == other.firstCabinCount &&
               secondCabinCount == other.secondCabinCount && forwardHoldPercentage == other.forwardHoldPercentage &&
               aftHoldPercentage == other.aftHoldPercentage;
    }
};

// True when the file is there, also when it cannot be read now (another program holds it,
// access is denied): such a file still belongs to an installed aircraft and must be
// reported, never passed over as missing.
bool FileExists(const std::string& path, FileSystem& fileSystem = SystemFileSystem());

class ProfileSnapshot;

// Reads empty_weight and station_load.2 to .5 of [WEIGHT_AND_BALANCE] (pounds in the
// file). Missing or unusable entries give the default empty weight and no load.
WeightAndBalance ReadWeightAndBalance(const ProfileSnapshot& file, std::int32_t defaultEmptyWeightLb,
                                      std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg);

struct OwnedEntries;

// What a payload save writes: station_load.2 to .5 of [WEIGHT_AND_BALANCE].
OwnedEntries PayloadEntries();

// max_gross_weight of [WEIGHT_AND_BALANCE] in kilograms, rounded as the empty weight is; 0
// when the entry is missing or holds no positive number.
std::int32_t ReadMaximumGrossWeight(const ProfileSnapshot& file);

// Writes station_load.2 to .5 in one replacement of the file; empty_weight is never
// written. The other entries of the file keep their bytes.
FileStatus WriteWeightAndBalance(const std::string& path, const WeightAndBalance& payload,
                                 std::int32_t forwardCapacityKg, std::int32_t aftCapacityKg,
                                 FileSystem& fileSystem = SystemFileSystem());
