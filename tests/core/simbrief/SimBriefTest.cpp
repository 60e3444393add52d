#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "MemoryFileSystem.h"
#include "StandInXmlReader.h"
#include "simbrief/OfpAnswer.h"
#include "simbrief/PilotId.h"

namespace {

const std::string kSettings = "C:\\Users\\pilot\\AppData\\Roaming\\FS9 Skyliner Config\\Settings.ini";

TEST(PilotIdTest, DigitsOnlyTrimmed) {
    const std::pair<const char*, const char*> cases[] = {
        {" \t123456 ", "123456"}, {"1234567890", "1234567890"}, {"12345678901", ""}, {"", ""}, {"12 34", ""}, {"-1", ""}};
    for (const auto& [typed, id] : cases) {
        const PilotIdEntry entry = CheckPilotId(typed);
        EXPECT_EQ(entry.id, id) << typed;
        EXPECT_EQ(entry.refusal.empty(), *id != '\0') << typed;
    }
    EXPECT_EQ(CheckPilotId("x").refusal, "A Pilot ID is a number of up to 10 digits: you find yours on the account "
                                         "settings page of simbrief.com, once signed in.");
}

// Kept under [SimBrief] through the INI engine; what is there but is no Pilot ID counts as none.
TEST(PilotIdTest, KeptInTheSettingsFile) {
    MemoryFileSystem memory;
    EXPECT_EQ(ReadPilotId(kSettings, memory).id, "");
    ASSERT_EQ(SavePilotId(kSettings, "123456", memory), FileStatus::Ok);
    EXPECT_EQ(memory.files[kSettings], "[SimBrief]\r\nPilotID=123456\r\n");
    EXPECT_EQ(ReadPilotId(kSettings, memory).id, "123456");
    memory.files[kSettings] = "[SimBrief]\r\nPilotID=12a\r\n";
    EXPECT_EQ(ReadPilotId(kSettings, memory).id, "");
    memory.refusals["Read"] = FileStatus::Locked;
    EXPECT_EQ(ReadPilotId(kSettings, memory).status, FileStatus::Locked);
}

TEST(LatestOfpTest, AnswersJudged) {
    const std::string failed = "The latest flight plan could not be fetched from SimBrief: the ", later = "; try again later.";
    const std::string ofp = PlannerAnswer("Success"), notOfp = failed + "site's answer is not an OFP" + later;
    const std::string tooLarge = failed + "site's answer is larger than 16 MB, which no flight plan is" + later;
    const std::pair<FetchedAnswer, std::string> cases[] = {
        {{FetchOutcome::Answered, 200, ofp, 0}, ""},
        {{FetchOutcome::Answered, 400, PlannerAnswer("Error: Unknown UserID"), 0},
         "SimBrief gave no flight plan: \"Error: Unknown UserID\". Check your Pilot ID (SimBrief Pilot ID in the "
         "launcher's window menu) and that you have planned a flight on simbrief.com."},
        {{FetchOutcome::Answered, 404, ofp, 0}, failed + "site answered with the HTTP status 404 instead of a flight plan" + later},
        {{FetchOutcome::Answered, 200, "<html></html>", 0}, notOfp},
        {{FetchOutcome::Answered, 200, "<OFP><params/></OFP>", 0}, notOfp},
        {{FetchOutcome::Answered, 200, "Success", 0}, notOfp},
        {{FetchOutcome::Answered, 200, ofp + std::string(kLargestFlightPlanBytes, ' '), 0}, tooLarge},
        {{FetchOutcome::TooLarge, 200, "", 0}, tooLarge},
        {{FetchOutcome::Unreachable, 0, "", 12029},
         failed + "site could not be reached; check that this computer is connected to the internet, then try again."},
        {{FetchOutcome::SecureRefused, 0, "", 12175},
         failed + "secure connection to the site was refused; check that the date and time of this computer are right "
                  "(on Windows 7, that its updates for TLS 1.2 are installed), then try again."},
        {{FetchOutcome::TimedOut, 0, "", 12002}, failed + "site did not answer in time" + later},
        {{FetchOutcome::CutShort, 200, "<OFP>", 12030}, failed + "site's answer was cut short; try again."},
        {{FetchOutcome::Failed, 0, "", 12152}, failed + "request failed with Windows error 12152; try again."},
    };
    for (const auto& [answer, message] : cases) {
        const JudgedAnswer judged = JudgeAnswer(answer, StandInXmlReader);
        EXPECT_EQ(judged.message, message) << answer.body.substr(0, 60);
        EXPECT_EQ(judged.isOfp, message.empty()) << answer.body.substr(0, 60);
    }
    EXPECT_EQ(LatestOfpSaveFailure("C:\\LatestOFP.xml", FileStatus::Failed),
              "The file\nC:\\LatestOFP.xml\ncould not be written: " + std::string(DescribeFileStatus(FileStatus::Failed)) +
                  ".\n\nThe flight plan fetched was not kept. Make sure that you are allowed to write in that folder "
                  "and that no other program holds the file open, then try again.");
}

}  // namespace
