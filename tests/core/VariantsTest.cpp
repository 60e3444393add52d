#include <gtest/gtest.h>


#include "TestFiles.h"
#include "loadmgr/AircraftSelection.h"
#include "loadmgr/Variants.h"

namespace {

TEST(VariantsTest, SelectionsOutsideTheFiveHaveNoVariant) {
    EXPECT_EQ(FindVariant(kNoAircraft), nullptr);
    EXPECT_EQ(FindVariant(6), nullptr);
    EXPECT_EQ(FindVariant(-1), nullptr);
    for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
        ASSERT_NE(FindVariant(selection), nullptr);
        EXPECT_EQ(FindVariant(selection)->selection, selection);
    }
}

TEST(VariantsTest, CandidateFilesAreAppendedToTheFolderAsTheyStand) {
    EXPECT_EQ(CandidateFiles(*FindVariant(kA318), "C:\\FS9"),
              std::vector<std::string>{"C:\\FS9\\Aircraft\\Velmora Quill A318\\Aircraft.cfg"});
    EXPECT_EQ(CandidateFiles(*FindVariant(kA320), "C:\\FS9\\"),
              (std::vector<std::string>{"C:\\FS9\\\\Aircraft\\Velmora Quill A320\\Aircraft.cfg",
                                        "C:\\FS9\\\\Aircraft\\Velmora Quill A320IAE\\Aircraft.cfg"}));
    EXPECT_EQ(CandidateFiles(*FindVariant(kACJ), "X")[0], "X\\Aircraft\\Velmora Quill A319CJ\\Aircraft.cfg");
}

TEST(VariantsTest, AnyCandidateFileMakesTheVariantInstalled) {
    ScratchFolder folder;
    // On POSIX the backslashes of the relative paths are ordinary file-name characters,
    // so each candidate is a file named after its whole relative path.
    std::string root = folder.Path("FS9");
    const VariantParameters& a320 = *FindVariant(kA320);
    EXPECT_FALSE(IsVariantInstalled(a320, root));
    folder.Put(std::string("FS9") + a320.alternativeFile, "[WEIGHT_AND_BALANCE]\r\n");
    EXPECT_TRUE(IsVariantInstalled(a320, root));
    EXPECT_FALSE(IsVariantInstalled(*FindVariant(kA318), root));
}

}  // namespace
