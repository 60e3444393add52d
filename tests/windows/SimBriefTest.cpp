#include <gtest/gtest.h>

#include "LoopbackServer.h"

#include "FakeUserInterface.h"
#include "ResourceIds.h"
#include "TestFiles.h"
#include "simbrief/FetchProgressDlg.h"
#include "simbrief/SimBriefFlows.h"
#include "simbrief/StandInXmlReader.h"
#include "ui/DialogItems.h"

namespace {

// How the system's HTTP client reported each kind of answer; "" stands for a port nothing listens on.
TEST(OfpRequestTest, EachAnswerOfTheServerTellsItsOutcome) {
    const std::string ofp = Http("200 OK", PlannerAnswer("Success")), big(20 << 20, ' ');
    const struct { std::string answer; bool answers; FetchOutcome outcome; int status; std::size_t size; } cases[] = {
        {ofp, true, FetchOutcome::Answered, 200, PlannerAnswer("Success").size()},
        {Http("404 Not Found", "<html/>"), true, FetchOutcome::Answered, 404, 7},
        {Http("500 Internal Server Error", ""), true, FetchOutcome::Answered, 500, 0},
        {ofp.substr(0, ofp.size() - 40), true, FetchOutcome::CutShort, 200, PlannerAnswer("Success").size() - 40},
        {Http("200 OK", big), true, FetchOutcome::TooLarge, 200, 0},
        {Http("200 OK", big, false), true, FetchOutcome::TooLarge, 200, kLargestFlightPlanBytes + 1},
        {"-", false, FetchOutcome::TimedOut, 0, 0},
        {"", true, FetchOutcome::Unreachable, 0, 0},
    };
    for (const auto& [answer, answers, outcome, status, size] : cases) {
        LoopbackServer site(answer, answers);
        PlannerOnLoopback planner(answer.empty() ? LoopbackServer("").Port() : site.Port(), 500);
        CFetchProgressDlg progress("123456");
        ASSERT_NE(progress.CreateForTest(nullptr), nullptr);
        AwaitEnd(progress);
        ASSERT_EQ(progress.Result(), IDOK) << int(outcome);
        EXPECT_EQ(progress.Answer().outcome, outcome) << progress.Answer().systemError;
        EXPECT_EQ(progress.Answer().httpStatus, status) << int(outcome);
        // Reading stops within a chunk past the largest answer taken.
        EXPECT_GE(progress.Answer().body.size(), size) << int(outcome);
        EXPECT_LE(progress.Answer().body.size(), size + (size > kLargestFlightPlanBytes ? 64 << 10 : 0));
        if (answer.empty()) continue;
        EXPECT_EQ(site.Request().find("GET /api/xml.fetcher.php?userid=123456 HTTP/1.1\r\n"), 0u);
        EXPECT_NE(site.Request().find("\r\nUser-Agent: FS9 Skyliner Config/1.0.0\r\n"), std::string::npos);
    }
}

// The whole path from a launcher's flow: the Pilot ID asked the first time and kept, the OFP
// kept as the latest; a refusal of the planner told and nothing changed; Cancel at once, silent.
class FetchLatestOfpTest : public ::testing::Test {
protected:
    ScratchFolder folder;
    RunState run{InstallPaths{"", "", FolderSource::Registry, {}, folder.Path("Config"), folder.Path("Config\\Settings.ini")}};
    FakeUserInterface ui;
};

TEST_F(FetchLatestOfpTest, TheFirstTimeAsksForThePilotIdAndKeepsTheOfp) {
    LoopbackServer site(Http("200 OK", PlannerAnswer("Success")));
    PlannerOnLoopback planner(site.Port());
    ui.Script(IDD_PILOT_ID, [](ModalDialog& question) {
        for (const char* typed : {"12x", "654321"}) SetItemText(question.Window(), IDC_PILOT_ID, typed), Press(question, IDOK);
    });
    ui.Script(IDD_FETCH_PROGRESS, [](ModalDialog& progress) { AwaitEnd(progress); });
    EXPECT_EQ(FetchLatestOfp(nullptr, run), folder.Path("Config\\LatestOFP.xml"));
    EXPECT_EQ(ui.messages.size(), 1u);  // the refusal of "12x", which kept the question open
    EXPECT_EQ(folder.Take("Config\\Settings.ini"), "[SimBrief]\r\nPilotID=654321\r\n");
    EXPECT_EQ(folder.Take("Config\\LatestOFP.xml"), PlannerAnswer("Success"));
    EXPECT_EQ(site.Request().find("GET /api/xml.fetcher.php?userid=654321 "), 0u);
}

TEST_F(FetchLatestOfpTest, ARefusalOfThePlannerIsToldAndCancelEndsAtOnce) {
    folder.Put("Config\\Settings.ini", "[SimBrief]\r\nPilotID=123456\r\n");
    folder.Put("Config\\LatestOFP.xml", "<OFP/>");
    {
        LoopbackServer site(Http("400 Bad Request", PlannerAnswer("Error: Unknown UserID")));
        PlannerOnLoopback planner(site.Port());
        ui.Script(IDD_FETCH_PROGRESS, [](ModalDialog& progress) { AwaitEnd(progress); });
        EXPECT_EQ(FetchLatestOfp(nullptr, run), std::nullopt);
        EXPECT_NE(ui.TakeMessage("ERROR", MB_ICONEXCLAMATION, nullptr).find("\"Error: Unknown UserID\""), std::string::npos);
    }
    LoopbackServer silent("", false);
    PlannerOnLoopback planner(silent.Port());
    DWORD cancelled = 0;
    ui.Script(IDD_FETCH_PROGRESS, [&](ModalDialog& progress) {
        AwaitEnd(progress, 300);
        cancelled = GetTickCount();
        Press(progress, IDCANCEL);
    });
    EXPECT_EQ(FetchLatestOfp(nullptr, run), std::nullopt);
    EXPECT_LT(GetTickCount() - cancelled, 200u);
    EXPECT_EQ(ui.modalRuns, (std::vector<int>{IDD_FETCH_PROGRESS, IDD_FETCH_PROGRESS}));
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(folder.Take("Config\\LatestOFP.xml"), "<OFP/>");
}

}  // namespace
