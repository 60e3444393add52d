#include "app/RunState.h"

#include <utility>

#include "loadmgr/PayloadFiles.h"

RunState::RunState(InstallPaths paths, FileSystem& fileSystem)
    : paths_(std::move(paths)), fileSystem_(fileSystem), backups_(fileSystem) {}

void RunState::PayloadSaved(const Variant& variant, const WeightAndBalance& payload, std::int32_t zeroFuelWeightKg) {
    saved_[variant.selection - 1] = SavedPayload{payload, zeroFuelWeightKg};
}

std::int32_t RunState::PlannerZeroFuelWeight(const Variant& variant) const {
    const std::optional<WeightAndBalance> files = FilesPayload(variant, paths_.fsRoot, fileSystem_);
    if (!files) return 0;
    const std::optional<SavedPayload>& saved = saved_[variant.selection - 1];
    if (saved && saved->payload == *files) return saved->zeroFuelWeightKg;
    return ZeroFuelWeightOf(variant, *files);
}
