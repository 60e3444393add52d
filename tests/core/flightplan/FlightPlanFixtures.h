#pragma once

// Small but real-looking flight plans: an OFP as the XML reader hands it over, trimmed to
// its fields and one of the hundreds of others, and an FS9 .PLN as the simulator saves it.

#include <string>

#include "flightplan/FlightPlan.h"

inline XmlDocument Ofp(const char* units = "kgs") {
    XmlDocument ofp{XmlProblem::None, 0, "OFP", {}};
    const char* const texts[][2] = {
        {"params/units", units}, {"general/costindex", "30"}, {"general/initial_altitude", "35000"},
        {"general/route_distance", "741"}, {"general/air_distance", "718"}, {"origin/icao_code", "EBBR"},
        {"origin/name", "BRUSSELS"}, {"destination/icao_code", "LEMD"}, {"destination/name", "MADRID"},
        {"aircraft/icaocode", "A320"}, {"fuel/plan_ramp", "9850"}, {"weights/pax_count", "150"},
        {"weights/pax_count_actual", "148"}, {"weights/cargo", "3320"}, {"weights/est_zfw", "60500"},
        {"text/plan_html", "<div>EBBR-LEMD</div>"}};
    for (const auto& [path, text] : texts) ofp.texts.push_back({"OFP/" + std::string(path), text});
    return ofp;
}

// The OFP with one field's text changed, or removed when `text` is null.
inline XmlDocument OfpWith(const std::string& path, const char* text, XmlDocument ofp = Ofp()) {
    for (auto it = ofp.texts.begin(); it != ofp.texts.end(); ++it) {
        if (it->path != "OFP/" + path) continue;
        if (!text) return ofp.texts.erase(it), ofp;
        return it->text = text, ofp;
    }
    return ofp;
}

inline const char* const kFs9Plan =
    "[flightplan]\r\ntitle=EBBR to LEMD\r\ndescription=EBBR, LEMD\r\ntype=IFR\r\nroutetype=3\r\n"
    "cruising_altitude=35000\r\ndeparture_id=EBBR, N50* 54.01', E004* 29.07', +000184.00\r\n"
    "departure_position=25R\r\ndestination_id=LEMD, N40* 28.31', W003* 33.62', +001998.00\r\n"
    "waypoint.0=, EBBR, , EBBR, A, N50* 54.01', E004* 29.07', +000184.00, \r\n"
    "waypoint.1=LF, RESMI, , RESMI, I, N48* 30.00', E002* 0.00', +000000.00, UN491\r\n";
