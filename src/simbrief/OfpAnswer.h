#pragma once

#include <string>

#include "flightplan/FlightPlanFile.h"
#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// The user's latest OFP, asked of the web planner by Pilot ID and kept in the program's own
// folder, where the flight plan import opens it again without a connection.

// The name the latest OFP is kept under in the program's folder.
inline constexpr char kLatestOfpName[] = "LatestOFP.xml";

// The planner's documented request for a user's latest OFP, below its site's address.
std::string OfpRequestPath(const std::string& pilotId);

// How a request ended, as the system's HTTP client reports it.
enum class FetchOutcome {
    Answered,       // an answer came, whole: `httpStatus` and `body` hold it
    Unreachable,    // the site's name was not found, or it took no connection
    SecureRefused,  // the secure connection was refused (certificate, protocol)
    TimedOut,       // no connection or no answer within the time allowed
    CutShort,       // the answer stopped before its end
    TooLarge,       // the answer is larger than any flight plan (reading stopped there)
    Failed,         // any other failure, with the system's error number
};

struct FetchedAnswer {
    FetchOutcome outcome = FetchOutcome::Failed;
    int httpStatus = 0;
    std::string body;
    unsigned long systemError = 0;
};

// An answer judged: an OFP's bytes to keep, or the one sentence that tells the user why
// nothing was taken and what to do. The planner's own refusal (its fetch status other than
// Success) is shown in its words, whatever the HTTP status that came with it.
struct JudgedAnswer {
    bool isOfp = false;
    std::string message;
};
JudgedAnswer JudgeAnswer(const FetchedAnswer& answer, const XmlReader& readXml);

// Keeps the OFP as the folder's latest, replacing the one before in one step.
FileStatus SaveLatestOfp(const std::string& path, const std::string& bytes, FileSystem& fileSystem = SystemFileSystem());

// The message for an OFP that could not be kept: the file and why, and what to do.
std::string LatestOfpSaveFailure(const std::string& path, FileStatus status);
