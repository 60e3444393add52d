#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>

#include "FlightPlanFixtures.h"
#include "MemoryFileSystem.h"
#include "flightplan/Coordinates.h"
#include "flightplan/FlightPlanFile.h"

namespace {

constexpr FlightPlanUse payload = FlightPlanUse::Payload, flight = FlightPlanUse::Flight;
const std::string kPath = "C:\\Plans\\EBBRLEMD.xml";

XmlDocument XmlPlan(const char* position2) {
    XmlDocument plan{XmlProblem::None, 0, "SimBase.Document", {}};
    const std::string p = "SimBase.Document/FlightPlan.FlightPlan/";
    plan.texts = {{p + "Title", "PADU to PANC"}, {p + "CruisingAlt", "34999.600"}, {p + "DepartureID", "PADU"},
                  {p + "DestinationID", "PANC"},
                  {p + "ATCWaypoint/WorldPosition", "N53\xC2\xB0 53' 55.87\",W166\xC2\xB0 32' 40.78\",+000000.00"},
                  {p + "ATCWaypoint/WorldPosition", position2}};
    return plan;
}

FlightPlanImport Import(FlightPlanUse use, const std::string& bytes, const XmlDocument& document) {
    MemoryFileSystem fileSystem;
    fileSystem.files[kPath] = bytes;
    return ImportFlightPlan(kPath, use, [&](const std::string&) { return document; }, fileSystem);
}

TEST(FlightPlanFileTest, RefusalsNameTheFileAndTheReason) {
    const std::string fs9 = kFs9Plan;
    const XmlDocument none{XmlProblem::None, 0, "", {}};
    const std::tuple<FlightPlanUse, std::string, XmlDocument, const char*> cases[] = {
        {flight, " \r\n", none, "it is empty"},
        {flight, std::string("PK\x03\x04", 4), none, "it is not a text file"},
        {flight, std::string(kLargestFlightPlanBytes + 1, ' '), none, "it is larger than 16 MB"},
        {flight, "<OFP>", {XmlProblem::Malformed, 12, "", {}}, "it is cut short or is not well-formed XML (line 12)"},
        {flight, "<!DOCTYPE", {XmlProblem::DocumentTypeDeclared, 1, "", {}},
         "it declares a document type or entities, which a flight plan never does"},
        {flight, "<OFP/>", {XmlProblem::NoReader, 0, "", {}}, "Windows' XML reader (xmllite.dll) could not be started"},
        {flight, "\xEF\xBB\xBF<gpx>", {XmlProblem::None, 0, "gpx", {}}, "it is XML of another kind (its root element is gpx)"},
        {flight, "[flightplan]\r\ntitle=x\r\n", none, "it is neither an OFP nor a flight plan"},
        {payload, fs9, none, "it is a flight plan for the simulator, which holds no payload: the load manager takes an OFP"},
        {payload, "<x>", OfpWith("params/units", nullptr), "it lacks the field params/units"},
        {payload, "<x>", OfpWith("weights/pax_count", nullptr, OfpWith("weights/pax_count_actual", " ", OfpWith("weights/cargo", nullptr))),
         "it lacks the fields weights/pax_count_actual or weights/pax_count, weights/cargo"},
        {payload, "<x>", Ofp("stone"), "params/units is \"stone\", neither kgs nor lbs"},
        {payload, "<x>", OfpWith("weights/cargo", "3320 kg"), "weights/cargo is not a number (\"3320 kg\")"},
        {payload, "<x>", OfpWith("weights/cargo", "-5"), "weights/cargo is negative (-5)"},
        {payload, "<x>", OfpWith("weights/pax_count_actual", "1001"), "weights/pax_count_actual is 1001, more than 1000"},
        {flight, "<x>", OfpWith("weights/est_zfw", "1000000.5"), "weights/est_zfw is 1000000.5, more than 1000000"},
        {flight, "<x>", OfpWith("general/air_distance", "20001"), "general/air_distance is 20001, more than 20000"},
        {flight, fs9 + "waypoint.2=LEMD, A, N40* 28.31'\r\n", none, "the line waypoint.2 cannot be read (\"LEMD, A, N40* 28.31'\")"},
        {flight, "[FlightPlan]\r\ncruising_altitude=35000\r\ndeparture_id=EBBR\r\ndestination_id=EBBR\r\n" + fs9.substr(fs9.find("waypoint.0"), 70),
         none, "it holds fewer than two waypoints"},
        {flight, "<x>", XmlPlan("N53* 53' 55.87\""), "the position of waypoint 2 cannot be read (\"N53* 53' 55.87\"\")"},
        {flight, fs9 + "waypoint.2=X, V, N0* 0.00', W180* 0.00'\r\nwaypoint.3=Y, V, N0* 0.00', E0* 0.00'\r\nwaypoint.4=X, V, N0* 0.00', W180* 0.00'\r\n",
         none,
         "its waypoints are 29681 NM apart, more than 20000"}};
    for (const auto& [use, bytes, document, reason] : cases) {
        const FlightPlanImport result = Import(use, bytes, document);
        EXPECT_FALSE(result.plan) << reason;
        EXPECT_EQ(result.error, "The file\n" + kPath + "\ncould not be imported: " + reason + ".");
    }
    MemoryFileSystem locked;
    locked.refusals["Read"] = FileStatus::Locked;
    EXPECT_EQ(ImportFlightPlan(kPath, flight, nullptr, locked).error,
              "The file\nC:\\Plans\\EBBRLEMD.xml\ncould not be read: another program is using the file.");
}

TEST(FlightPlanFileTest, AFileNameTheCodePageLacksIsNamedInFull) {
    EXPECT_EQ(UnheldFlightPlanMessage(u"C:\\Pl\u00E4ne\\\u6771\u4EAC.xml"),
              u"The file\nC:\\Pl\u00E4ne\\\u6771\u4EAC.xml\ncould not be imported: its name has characters that the language "
              u"for non-Unicode programs set in Windows lacks. Rename the file, or move it to a folder whose name has none "
              u"of them, then try again.");
}

TEST(FlightPlanFileTest, EachFormatGivesItsFields) {
    using Fields = std::tuple<FlightPlanFormat, std::string, std::string, int, int, int, double, double, double, int, std::string>;
    const std::string fs9 = kFs9Plan;
    const std::tuple<FlightPlanUse, std::string, XmlDocument, Fields> cases[] = {
        {payload, "<x>", Ofp(), {FlightPlanFormat::Ofp, "EBBR", "LEMD", 0, 0, 148, 3320, 60500, 0, 0, "A320"}},
        {payload, "<x>", OfpWith("weights/pax_count_actual", nullptr, OfpWith("general/costindex", "AUTO")),
         {FlightPlanFormat::Ofp, "EBBR", "LEMD", 0, 0, 150, 3320, 60500, 0, 0, "A320"}},
        {flight, "<x>", Ofp("lbs"), {FlightPlanFormat::Ofp, "", "", 718, 35000, 0, 0, 60500 * 0.4536, 9850 * 0.4536, 30, ""}},
        {flight, "<x>", OfpWith("general/air_distance", nullptr, OfpWith("weights/cargo", "x")),
         {FlightPlanFormat::Ofp, "", "", 741, 35000, 0, 0, 60500, 9850, 30, ""}},
        // The simulator's shape with '*', another tool's with the ANSI degree sign.
        {flight, fs9 + "waypoint.2=LEMD, A, N40\xB0 28.31', W003\xB0 33.62', +001998.00, \r\n", {},
         {FlightPlanFormat::Fs9Plan, "EBBR", "LEMD", 711, 35000, 0, 0, 0, 0, 0, ""}},
        {flight, "\r\n" + fs9, {}, {FlightPlanFormat::Fs9Plan, "EBBR", "LEMD", 173, 35000, 0, 0, 0, 0, 0, ""}},
        {flight, "<x>", XmlPlan("N61\xB0 10' 27.80\",W149\xB0 59' 54.60\",+000000.00"),
         {FlightPlanFormat::XmlPlan, "PADU", "PANC", 686, 35000, 0, 0, 0, 0, 0, ""}}};
    for (const auto& [use, bytes, document, expected] : cases) {
        const FlightPlanImport result = Import(use, bytes, document);
        ASSERT_TRUE(result.plan) << result.error;
        const FlightPlan& p = *result.plan;
        EXPECT_EQ(Fields(p.format, p.departure, p.destination, p.distanceNm, p.cruisingAltitudeFt, p.load.passengers,
                         p.load.cargoKg, p.load.zeroFuelWeightKg, p.load.blockFuelKg, p.load.costIndex, p.load.aircraftType),
                  expected);
    }
}

TEST(FlightPlanFileTest, CoordinatesInEveryWrittenForm) {
    const std::tuple<const char*, Axis, std::optional<double>> cases[] = {
        {" N47* 27.00' ", Axis::Latitude, 47.45}, {"S33\xB0 30.00'", Axis::Latitude, -33.5},
        {"W166\xC2\xB0 30' 36.00\"", Axis::Longitude, -166.51}, {"E180* 0.00'", Axis::Longitude, 180},
        {"N35\x81\x8B 33' 0.00\"", Axis::Latitude, 35.55},
        {"E180* 0.01'", Axis::Longitude, std::nullopt}, {"N90* 0.60'", Axis::Latitude, std::nullopt},
        {"N47* 60.00'", Axis::Latitude, std::nullopt}, {"N47* 27' 60\"", Axis::Latitude, std::nullopt},
        {"E001* 17.07'", Axis::Latitude, std::nullopt}, {"N47 27.00'", Axis::Latitude, std::nullopt},
        {"N* 27.00'", Axis::Latitude, std::nullopt}, {"N47* 27.00", Axis::Latitude, std::nullopt},
        {"N47* 27.00' 1", Axis::Latitude, std::nullopt}, {"N47* 27' 1\" x", Axis::Latitude, std::nullopt}};
    for (const auto& [text, axis, expected] : cases) {
        const std::optional<double> value = ReadCoordinate(text, axis);
        ASSERT_EQ(value.has_value(), expected.has_value()) << text;
        if (expected) {
            EXPECT_NEAR(*value, *expected, 1e-9) << text;
        }
    }
    EXPECT_NEAR(GreatCircleNm({0, 0}, {0, 1}), 60.04046073, 1e-8);
}

}  // namespace
