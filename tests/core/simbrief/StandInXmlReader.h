#pragma once

// Stands in for the system's XML reader where an answer of the planner is judged: it reads
// only the root element's name, whether the document ends, and the planner's fetch status.

#include <string>

#include "flightplan/FlightPlan.h"

inline XmlDocument StandInXmlReader(const std::string& bytes) {
    std::size_t open = bytes.find('<');
    while (open != std::string::npos && (bytes[open + 1] == '?' || bytes[open + 1] == '!')) open = bytes.find('<', open + 1);
    const std::size_t end = bytes.find_first_of(" />", open == std::string::npos ? open : open + 1);
    if (end == std::string::npos) return {XmlProblem::Malformed, 0, {}, {}};
    XmlDocument document{XmlProblem::None, 0, bytes.substr(open + 1, end - open - 1), {}};
    if (bytes.find("</" + document.root + ">") == std::string::npos) return {XmlProblem::Malformed, 0, {}, {}};
    const std::size_t status = bytes.find("<status>");
    if (status != std::string::npos) {
        document.texts.push_back({document.root + "/fetch/status", bytes.substr(status + 8, bytes.find('<', status + 8) - status - 8)});
    }
    return document;
}

// The planner's answer with the fetch status given, as its site sends it (trimmed).
inline std::string PlannerAnswer(const std::string& status) {
    return "<?xml version=\"1.0\"?>\n<OFP><fetch><userid>123456</userid><status>" + status +
           "</status></fetch><params><units>kgs</units></params></OFP>";
}
