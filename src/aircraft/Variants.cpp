#include "aircraft/Variants.h"

#include "res/ResourceIds.h"

namespace {

const Variant kVariants[] = {
    {kA318, IDD_A318_LOAD_MANAGER, IDB_A318_CABIN, IDB_A318_HOLD, 8, 99, 1614, 2131, 86650, 4960, 590, 6375,
     "\\Aircraft\\Velmora Quill A318\\Aircraft.cfg", nullptr},
    {kA319, IDD_A319_LOAD_MANAGER, IDB_A319_CABIN, IDB_A319_HOLD, 8, 116, 2260, 3020, 89500, 5435, 691, 6476,
     "\\Aircraft\\Velmora Quill A319\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg"},
    {kA320, IDD_A320_LOAD_MANAGER, IDB_A320_CABIN, IDB_A320_HOLD, 12, 138, 3402, 4536, 93500, 5435, 691, 6476,
     "\\Aircraft\\Velmora Quill A320\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg"},
    {kA321, IDD_A321_LOAD_MANAGER, IDB_A321_CABIN, IDB_A321_HOLD, 16, 169, 5670, 5670, 106300, 6084, 0, 6437,
     "\\Aircraft\\Velmora Quill A321\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A321IAE\\Aircraft.cfg"},
    {kACJ, IDD_ACJ_LOAD_MANAGER, IDB_ACJ_CABIN, IDB_ACJ_HOLD, 6, 36, 2260, 3020, 89500, 5435, 691, 11718,
     "\\Aircraft\\Velmora Quill A319CJ\\Aircraft.cfg", nullptr},
};

}  // namespace

const Variant* FindVariant(std::int32_t selection) {
    for (const Variant& variant : kVariants) {
        if (variant.selection == selection) return &variant;
    }
    return nullptr;
}

std::vector<std::string> CandidateFiles(const Variant& variant, const std::string& fsRoot) {
    std::vector<std::string> files{fsRoot + variant.primaryFile};
    if (variant.alternativeFile) files.push_back(fsRoot + variant.alternativeFile);
    return files;
}
