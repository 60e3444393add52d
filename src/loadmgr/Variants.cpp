#include "loadmgr/Variants.h"

#include "loadmgr/AircraftSelection.h"
#include "loadmgr/AircraftFile.h"

namespace {

const VariantParameters kVariants[] = {
    {kA318, 131, "A318 Load Manager", "Business Class", 8, "Economy Class", 99, 86650, 1614, 2131,
     "\\Aircraft\\Velmora Quill A318\\Aircraft.cfg", nullptr},
    {kA319, 132, "A319 Load Manager", "Business Class", 8, "Economy Class", 116, 89500, 2260, 3020,
     "\\Aircraft\\Velmora Quill A319\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A319IAE\\Aircraft.cfg"},
    {kA320, 133, "A320 Load Manager", "Business Class", 12, "Economy Class", 138, 93500, 3402, 4536,
     "\\Aircraft\\Velmora Quill A320\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg"},
    {kA321, 134, "A321 Load Manager", "Business Class", 16, "Economy Class", 169, 106300, 5670, 5670,
     "\\Aircraft\\Velmora Quill A321\\Aircraft.cfg", "\\Aircraft\\Velmora Quill A321IAE\\Aircraft.cfg"},
    {kACJ, 143, "ACJ Load Manager", "Crew", 6, "Guests", 36, 89500, 2260, 3020,
     "\\Aircraft\\Velmora Quill A319CJ\\Aircraft.cfg", nullptr},
};

}  // namespace

const VariantParameters* FindVariant(std::int32_t selection) {
    for (const VariantParameters& variant : kVariants) {
        if (variant.selection == selection) return &variant;
    }
    return nullptr;
}

std::vector<std::string> CandidateFiles(const VariantParameters& variant, const std::string& fsRoot) {
    std::vector<std::string> files{fsRoot + variant.primaryFile};
    if (variant.alternativeFile) files.push_back(fsRoot + variant.alternativeFile);
    return files;
}

bool IsVariantInstalled(const VariantParameters& variant, const std::string& fsRoot, FileSystem& fileSystem) {
    for (const std::string& file : CandidateFiles(variant, fsRoot)) {
        if (FileExists(file, fileSystem)) return true;
    }
    return false;
}
