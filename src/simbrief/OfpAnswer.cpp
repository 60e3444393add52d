#include "simbrief/OfpAnswer.h"

#include "platform/Profile.h"

namespace {

constexpr char kTryAgainLater[] = "try again later.";

// The planner's fetch status in an answer that reads as an OFP's root; empty when it has none.
std::string FetchStatus(const XmlDocument& document) {
    for (const XmlText& text : document.texts) {
        if (text.path == "OFP/fetch/status") return text.text;
    }
    return {};
}

}  // namespace

std::string OfpRequestPath(const std::string& pilotId) { return "/api/xml.fetcher.php?userid=" + pilotId; }

JudgedAnswer JudgeAnswer(const FetchedAnswer& answer, const XmlReader& readXml) {
    const std::string failed = "The latest flight plan could not be fetched from SimBrief: ";
    switch (answer.outcome) {
        case FetchOutcome::Answered: break;
        case FetchOutcome::Unreachable:
            return {false, failed + "the site could not be reached; check that this computer is connected to the "
                                    "internet, then try again."};
        case FetchOutcome::SecureRefused:
            return {false, failed + "the secure connection to the site was refused; check that the date and time of "
                                    "this computer are right (on Windows 7, that its updates for TLS 1.2 are "
                                    "installed), then try again."};
        case FetchOutcome::TimedOut: return {false, failed + "the site did not answer in time; " + kTryAgainLater};
        case FetchOutcome::CutShort: return {false, failed + "the site's answer was cut short; try again."};
        case FetchOutcome::TooLarge: break;
        case FetchOutcome::Failed:
            return {false, failed + "the request failed with Windows error " + std::to_string(answer.systemError) +
                               "; try again."};
    }
    if (answer.outcome == FetchOutcome::TooLarge || answer.body.size() > kLargestFlightPlanBytes) {
        return {false, failed + "the site's answer is larger than 16 MB, which no flight plan is; " + kTryAgainLater};
    }
    const bool xml = ClassifyContent(answer.body) == FlightPlanContent::Xml;
    const XmlDocument document = xml ? readXml(answer.body) : XmlDocument{XmlProblem::Malformed, 0, {}, {}};
    const bool ofp = document.problem == XmlProblem::None && document.root == "OFP";
    const std::string status = ofp ? FetchStatus(document) : std::string();
    if (!status.empty() && status != "Success") {
        return {false, "SimBrief gave no flight plan: \"" + status + "\". Check your Pilot ID (SimBrief Pilot ID in "
                       "the launcher's window menu) and that you have planned a flight on simbrief.com."};
    }
    if (answer.httpStatus != 200) {
        return {false, failed + "the site answered with the HTTP status " + std::to_string(answer.httpStatus) +
                           " instead of a flight plan; " + kTryAgainLater};
    }
    if (status.empty()) return {false, failed + "the site's answer is not an OFP; " + kTryAgainLater};
    return {true, {}};
}

FileStatus SaveLatestOfp(const std::string& path, const std::string& bytes, FileSystem& fileSystem) {
    return Profile(path, fileSystem).Rewrite([&](const std::optional<std::string>&) { return bytes; });
}

std::string LatestOfpSaveFailure(const std::string& path, FileStatus status) {
    return DescribeFileFailure(FileAccess::Write, path, status) +
           "\n\nThe flight plan fetched was not kept. Make sure that you are allowed to write in that folder and that "
           "no other program holds the file open, then try again.";
}
