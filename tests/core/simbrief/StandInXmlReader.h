#pragma once

// Stands in for the system's XML reader where an answer of the planner is judged: it reads
// only the root element's name and the planner's fetch status.

#include <string>

#include "flightplan/FlightPlan.h"

inline XmlDocument StandInXmlReader(const std::string& bytes) {
    const std::size_t declared = bytes.find("?>"), root = bytes.find('<', declared == std::string::npos ? 0 : declared);
    XmlDocument document{XmlProblem::None, 0, bytes.substr(root + 1, bytes.find_first_of("/>", root) - root - 1), {}};
    const std::size_t status = bytes.find("<status>"), text = status + 8;
    if (status != std::string::npos) {
        document.texts.push_back({document.root + "/fetch/status", bytes.substr(text, bytes.find('<', text) - text)});
    }
    return document;
}

// The planner's answer with the fetch status given, as its site sends it (trimmed).
inline std::string PlannerAnswer(const std::string& status) {
    return "<?xml version=\"1.0\"?>\n<OFP><fetch><userid>123456</userid><status>" + status +
           "</status></fetch><params><units>kgs</units></params></OFP>";
}
