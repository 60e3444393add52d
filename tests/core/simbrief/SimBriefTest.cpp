#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "MemoryFileSystem.h"
#include "StandInXmlReader.h"
#include "simbrief/LatestOfp.h"
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
    const std::string fetchFailed = "The latest flight plan could not be fetched from SimBrief: ";
    const std::string ofp = PlannerAnswer("Success");
    const std::pair<FetchedAnswer, std::string> cases[] = {
        {{FetchOutcome::Answered, 200, ofp, 0}, ""},
        {{FetchOutcome::Answered, 400, PlannerAnswer("Error: Unknown UserID"), 0},
         "SimBrief gave no flight plan: \"Error: Unknown UserID\". Check your Pilot ID (SimBrief Pilot ID in the "
         "launcher's window menu) and that you have planned a flight on simbrief.com."},
        {{FetchOutcome::Answered, 404, "<html><body>Not Found</body></html>", 0},
         fetchFailed + "the site answered with the HTTP status 404 instead of a flight plan; try again later."},
        {{FetchOutcome::Answered, 500, ofp, 0}, fetchFailed + "the site answered with the HTTP status 500 instead of a flight plan; try again later."},
        {{FetchOutcome::Answered, 200, "<html></html>", 0}, fetchFailed + "the site's answer is not an OFP; try again later."},
        {{FetchOutcome::Answered, 200, "<OFP><params/></OFP>", 0}, fetchFailed + "the site's answer is not an OFP; try again later."},
        {{FetchOutcome::Answered, 200, ofp.substr(0, 90), 0}, fetchFailed + "the site's answer is not an OFP; try again later."},
        {{FetchOutcome::Answered, 200, "Success", 0}, fetchFailed + "the site's answer is not an OFP; try again later."},
        {{FetchOutcome::Answered, 200, ofp + std::string(kLargestFlightPlanBytes, ' '), 0},
         fetchFailed + "the site's answer is larger than 16 MB, which no flight plan is; try again later."},
        {{FetchOutcome::TooLarge, 200, "", 0}, fetchFailed + "the site's answer is larger than 16 MB, which no flight plan is; try again later."},
        {{FetchOutcome::Unreachable, 0, "", 12029}, fetchFailed + "the site could not be reached; check that this "
                                                                  "computer is connected to the internet, then try again."},
        {{FetchOutcome::SecureRefused, 0, "", 12175},
         fetchFailed + "the secure connection to the site was refused; check that the date and time of this computer "
                       "are right (on Windows 7, that its updates for TLS 1.2 are installed), then try again."},
        {{FetchOutcome::TimedOut, 0, "", 12002}, fetchFailed + "the site did not answer in time; try again later."},
        {{FetchOutcome::CutShort, 200, "<OFP>", 12030}, fetchFailed + "the site's answer was cut short; try again."},
        {{FetchOutcome::Failed, 0, "", 12152}, fetchFailed + "the request failed with Windows error 12152; try again."},
    };
    for (const auto& [answer, message] : cases) {
        const JudgedAnswer judged = JudgeAnswer(answer, StandInXmlReader);
        EXPECT_EQ(judged.message, message) << answer.body.substr(0, 60);
        EXPECT_EQ(judged.isOfp, message.empty()) << answer.body.substr(0, 60);
    }
}

TEST(LatestOfpTest, SavedOverThePreviousOne) {
    MemoryFileSystem memory;
    const std::string path = "C:\\Config\\LatestOFP.xml";
    memory.files[path] = PlannerAnswer("Success");
    ASSERT_EQ(SaveLatestOfp(path, "<OFP/>", memory), FileStatus::Ok);
    EXPECT_EQ(memory.files[path], "<OFP/>");
    EXPECT_EQ(LatestOfpRequestPath("123456"), "/api/xml.fetcher.php?userid=123456");
    EXPECT_EQ(LatestOfpSaveFailure(path, FileStatus::DiskFull),
              "The file\nC:\\Config\\LatestOFP.xml\ncould not be written: " + std::string(DescribeFileStatus(FileStatus::DiskFull)) +
                  ".\n\nThe flight plan fetched was not kept. Make sure that you are allowed to write in that folder "
                  "and that no other program holds the file open, then try again.");
}

}  // namespace
