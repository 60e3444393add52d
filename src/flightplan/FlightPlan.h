#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// What a flight plan file gives the two dialogs, whichever of the three formats it came in.

enum class FlightPlanFormat {
    Ofp,       // the web planner's operational flight plan (XML, root OFP)
    Fs9Plan,   // this simulator's .PLN (INI text, section [flightplan])
    XmlPlan,   // the .PLN of the later simulators (XML, root SimBase.Document)
};

// Which dialog imports: the load manager takes only an OFP's payload, the fuel planner any
// format's flight. Each needs only its own fields, so an OFP that lacks one the other dialog
// needs still imports.
enum class FlightPlanUse { Payload, Flight };

// What only an OFP holds. Weights are in kilograms, converted from pounds where the OFP
// gives pounds, and kept unrounded until a dialog shows them.
struct OfpLoad {
    std::string aircraftType;  // ICAO type designator, as filed
    std::int32_t passengers = 0;
    double cargoKg = 0;
    double zeroFuelWeightKg = 0;
    double blockFuelKg = 0;
    std::int32_t costIndex = 0;
};

struct FlightPlan {
    FlightPlanFormat format = FlightPlanFormat::Ofp;
    std::string departure;    // ICAO code
    std::string destination;  // ICAO code
    std::int32_t distanceNm = 0;
    std::int32_t cruisingAltitudeFt = 0;
    OfpLoad load;  // an OFP's; zero for the other formats
};

// A reading of one format: the plan, or why it was refused, as a phrase that follows
// "could not be imported: ".
struct FlightPlanReading {
    std::optional<FlightPlan> plan;
    std::string refusal;
};

inline FlightPlanReading Refused(std::string reason) { return {std::nullopt, std::move(reason)}; }

// An XML document as the Windows reader hands it over: the root element's name and the
// text of every element that holds text, in document order, each under its path from the
// root ("OFP/params/units"), in the ANSI code page. A document the reader could not read to
// its end gives its problem instead.
enum class XmlProblem {
    None,
    Malformed,              // cut short, or not well-formed XML
    DocumentTypeDeclared,   // a document type declaration or entity definition, refused unread
    NoReader,               // the system's reader could not be started
};

struct XmlText {
    std::string path;
    std::string text;
};

struct XmlDocument {
    XmlProblem problem = XmlProblem::None;
    int problemLine = 0;  // where the reader stopped, 0 when it cannot say
    std::string root;
    std::vector<XmlText> texts;
};
