#include "flightplan/FlightPlanFile.h"

#include <string_view>

#include "flightplan/Fs9PlanReading.h"
#include "flightplan/OfpReading.h"
#include "flightplan/XmlPlanReading.h"
#include "platform/FileStatus.h"
#include "platform/Profile.h"

namespace {

const char* const kNotAFlightPlan = "it is neither an OFP nor a flight plan";
const char* const kNoPayload = "it is a flight plan for the simulator, which holds no payload: the load manager takes an OFP";

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

bool IsUtf16(std::string_view bytes) { return bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF"; }

// The first character that is not blank, in UTF-16 (little or big end first) or a byte
// encoding; 0 when there is none.
char16_t FirstCharacter(std::string_view bytes) {
    if (IsUtf16(bytes)) {
        const std::size_t high = bytes[0] == '\xFF' ? 1 : 0;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
            const char16_t unit = static_cast<char16_t>(static_cast<unsigned char>(bytes[i + high]) << 8 |
                                                        static_cast<unsigned char>(bytes[i + 1 - high]));
            if (unit >= 0x80 || !IsBlank(static_cast<char>(unit))) return unit;
        }
        return 0;
    }
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    for (char c : bytes) {
        if (!IsBlank(c)) return static_cast<unsigned char>(c);
    }
    return 0;
}

bool HoldsControlCharacters(std::string_view bytes) {
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') return true;
    }
    return false;
}

FlightPlanReading ReadXml(const std::string& bytes, FlightPlanUse use, const XmlReader& readXml) {
    const XmlDocument document = readXml(bytes);
    switch (document.problem) {
        case XmlProblem::Malformed:
            return Refused("it is cut short or is not well-formed XML" +
                           (document.problemLine > 0 ? " (line " + std::to_string(document.problemLine) + ")" : std::string()));
        case XmlProblem::DocumentTypeDeclared:
            return Refused("it declares a document type or entities, which a flight plan never does");
        case XmlProblem::NoReader: return Refused("Windows' XML reader (xmllite.dll) could not be started");
        case XmlProblem::None: break;
    }
    if (document.root == "OFP") return ReadOfp(document, use);
    if (document.root != "SimBase.Document") return Refused("it is XML of another kind (its root element is " + document.root + ")");
    if (use == FlightPlanUse::Payload) return Refused(kNoPayload);
    return ReadXmlPlan(document);
}

FlightPlanReading ReadText(const std::string& path, const std::string& bytes, FlightPlanUse use) {
    const ProfileSnapshot file(path, FileStatus::Ok, bytes);
    if (!IsFs9Plan(file)) return Refused(kNotAFlightPlan);
    if (use == FlightPlanUse::Payload) return Refused(kNoPayload);
    return ReadFs9Plan(file);
}

}  // namespace

FlightPlanContent ClassifyContent(const std::string& bytes) {
    if (bytes.size() > kLargestFlightPlanBytes) return FlightPlanContent::TooLarge;
    const char16_t first = FirstCharacter(bytes);
    if (first == 0) return FlightPlanContent::Empty;
    // UTF-16 text is made of NUL bytes and others; it is told from a binary file by its mark.
    if (!IsUtf16(bytes) && HoldsControlCharacters(bytes)) return FlightPlanContent::Binary;
    return first == u'<' ? FlightPlanContent::Xml : FlightPlanContent::Text;
}

FlightPlanImport ImportFlightPlan(const std::string& path, FlightPlanUse use, const XmlReader& readXml,
                                  FileSystem& fileSystem) {
    std::string bytes;
    if (const FileStatus status = fileSystem.Read(path, bytes); status != FileStatus::Ok) {
        return {std::nullopt, DescribeFileFailure(FileAccess::Read, path, status)};
    }
    FlightPlanReading reading;
    switch (ClassifyContent(bytes)) {
        case FlightPlanContent::Empty: reading = Refused("it is empty"); break;
        case FlightPlanContent::Binary: reading = Refused("it is not a text file"); break;
        case FlightPlanContent::TooLarge: reading = Refused("it is larger than 16 MB"); break;
        case FlightPlanContent::Xml: reading = ReadXml(bytes, use, readXml); break;
        case FlightPlanContent::Text: reading = ReadText(path, bytes, use); break;
    }
    if (reading.plan) return {reading.plan, {}};
    return {std::nullopt, "The file\n" + path + "\ncould not be imported: " + reading.refusal + "."};
}

std::u16string UnheldFlightPlanMessage(const std::u16string& path) {
    return u"The file\n" + path +
           u"\ncould not be imported: its name has characters that the language for non-Unicode programs set in "
           u"Windows lacks. Rename the file, or move it to a folder whose name has none of them, then try again.";
}
