// How long a flight plan import takes, from the file's path to the plan: the read, Windows'
// XML reader and the format's fields. The median of several runs for an OFP of 1 MB (its HTML
// plan in CDATA) and for plans of 300 waypoints in both simulators' formats, written to the
// temporary folder from the demo's samples (the demo folder is the first argument).
// Run: scripts/benchmark.sh.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "flightplan/FlightPlanFile.h"
#include "flightplan/SystemXmlReader.h"

namespace {

constexpr int kRuns = 15;
constexpr int kWaypoints = 300;

std::string Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Written(const std::string& name, const std::string& bytes) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The demo's OFP with its HTML plan grown to a megabyte, as a long plan with its charts is.
std::string LargeOfp(const std::string& demo) {
    std::string ofp = Read(demo + "/Documents/EBBRLEMD OFP.xml");
    std::string rows;
    for (int row = 0; rows.size() < 1024 * 1024; ++row) {
        rows += "<tr><td>WPT" + std::to_string(row) + "</td><td>N47 27.0</td><td>E001 17.1</td><td>FL350</td>"
                "<td>M018</td><td>0452</td><td>&nbsp;</td></tr>\n";
    }
    ofp.insert(ofp.find("</table>"), rows);
    return ofp;
}

// A route north along 3.5 degrees west, a minute of latitude from each waypoint to the next.
std::string Latitude(int waypoint, const char* degreeSign) {
    return "N" + std::to_string(40 + waypoint / 60) + degreeSign + " " + std::to_string(waypoint % 60) + ".00'";
}

std::string XmlPlan() {
    std::string plan = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SimBase.Document Type=\"AceXML\" version=\"1,0\">\r\n"
                       "<FlightPlan.FlightPlan>\r\n<CruisingAlt>35000.000</CruisingAlt>\r\n<DepartureID>LEMD</DepartureID>\r\n"
                       "<DestinationID>EBBR</DestinationID>\r\n";
    for (int i = 0; i < kWaypoints; ++i) {
        plan += "<ATCWaypoint id=\"W" + std::to_string(i) + "\">\r\n<ATCWaypointType>Intersection</ATCWaypointType>\r\n"
                "<WorldPosition>" + Latitude(i, "\xC2\xB0") + " 0.00\",W3\xC2\xB0 30' 0.00\",+035000.00</WorldPosition>\r\n"
                "<ICAO><ICAOIdent>W" + std::to_string(i) + "</ICAOIdent></ICAO>\r\n</ATCWaypoint>\r\n";
    }
    return plan + "</FlightPlan.FlightPlan>\r\n</SimBase.Document>\r\n";
}

std::string Fs9Plan() {
    std::string plan = "[flightplan]\r\ntitle=LEMD to EBBR\r\ncruising_altitude=35000\r\ndeparture_id=LEMD\r\n"
                       "destination_id=EBBR\r\n";
    for (int i = 0; i < kWaypoints; ++i) {
        plan += "waypoint." + std::to_string(i) + "=LE, W" + std::to_string(i) + ", , W" + std::to_string(i) + ", I, " +
                Latitude(i, "*") + ", W003* 30.00', +035000.00, UN870\r\n";
    }
    return plan;
}

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double MedianImport(const std::string& path, FlightPlanUse use) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        const FlightPlanImport import = ImportFlightPlan(path, use, ReadXmlWithSystemReader);
        QueryPerformanceCounter(&end);
        if (!import.plan) std::fprintf(stderr, "%s\n", import.error.c_str());
        times.push_back(Milliseconds(start, end));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Give the demo folder (demo/ of the sources).\n");
        return 2;
    }
    const std::string ofp = LargeOfp(argv[1]);
    struct Case {
        const char* name;
        std::string path;
        std::size_t size;
        FlightPlanUse use;
    };
    const std::string xmlPlan = XmlPlan(), fs9Plan = Fs9Plan();
    const Case cases[] = {
        {"OFP with its HTML plan, for the load manager", Written("skyliner-bench-ofp.xml", ofp), ofp.size(), FlightPlanUse::Payload},
        {"OFP with its HTML plan, for the fuel planner", Written("skyliner-bench-ofp.xml", ofp), ofp.size(), FlightPlanUse::Flight},
        {"later simulators' .PLN, 300 waypoints", Written("skyliner-bench-xml.pln", xmlPlan), xmlPlan.size(), FlightPlanUse::Flight},
        {"FS9 .PLN, 300 waypoints", Written("skyliner-bench-fs9.pln", fs9Plan), fs9Plan.size(), FlightPlanUse::Flight},
    };
    std::printf("| import | file size | median, path to plan |\n|---|---|---|\n");
    for (const Case& c : cases) {
        std::printf("| %s | %zu KB | %.1f ms |\n", c.name, c.size / 1024, MedianImport(c.path, c.use));
    }
    for (const Case& c : cases) DeleteFileA(c.path.c_str());
    return 0;
}
