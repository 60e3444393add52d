#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/FileSystem.h"

// The constant facts of one aircraft variant: its load manager template and cabins, its
// default empty weight and hold capacities, and its aircraft files below the simulator's
// folder (the alternative file belongs to the IAE-engined version, where there is one).
struct VariantParameters {
    std::int32_t selection;  // the AircraftSelection value of the variant
    int templateId;
    const char* caption;
    const char* firstCabinLabel;
    std::int32_t firstCabinCapacity;
    const char* secondCabinLabel;
    std::int32_t secondCabinCapacity;
    std::int32_t defaultEmptyWeightLb;
    std::int32_t forwardHoldKg;
    std::int32_t aftHoldKg;
    const char* primaryFile;      // relative to the simulator's folder, starting with a backslash
    const char* alternativeFile;  // null when the variant has none
};

// The variant of an AircraftSelection value; null outside 1..5.
const VariantParameters* FindVariant(std::int32_t selection);

// Full paths of the variant's candidate files: the primary, then the alternative if any.
// The relative paths are appended to the folder as they stand.
std::vector<std::string> CandidateFiles(const VariantParameters& variant, const std::string& fsRoot);

// Installed when one of its candidate files exists.
bool IsVariantInstalled(const VariantParameters& variant, const std::string& fsRoot,
                        FileSystem& fileSystem = SystemFileSystem());
