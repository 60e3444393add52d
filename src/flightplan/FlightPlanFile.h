#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

#include "flightplan/FlightPlan.h"
#include "platform/FileSystem.h"

// The largest flight plan file taken: a real OFP with its HTML plan is well under 2 MB.
inline constexpr std::size_t kLargestFlightPlanBytes = 16 * 1024 * 1024;

// Reads the bytes of an XML file into a document: Windows' own reader in the program, with
// document type declarations prohibited.
using XmlReader = std::function<XmlDocument(const std::string& bytes)>;

// A flight plan file read for a dialog, or the message (caption "ERROR") that names the file
// and why nothing was taken from it.
struct FlightPlanImport {
    std::optional<FlightPlan> plan;
    std::string error;
};

// Reads the file and tells its format by its content, not its name: XML whose root is OFP
// or SimBase.Document, or INI text with a [flightplan] section. The XML reader is called
// only for XML.
FlightPlanImport ImportFlightPlan(const std::string& path, FlightPlanUse use, const XmlReader& readXml,
                                  FileSystem& fileSystem = SystemFileSystem());

// The message (caption "ERROR") for a file whose name has characters that the ANSI code page
// lacks, which this program cannot open by that name.
std::u16string UnheldFlightPlanMessage(const std::u16string& path);

// What the file's bytes hold, for the reader to take up.
enum class FlightPlanContent { Empty, Binary, TooLarge, Xml, Text };
FlightPlanContent ClassifyContent(const std::string& bytes);
