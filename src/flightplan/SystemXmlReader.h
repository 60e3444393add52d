#pragma once

#include <string>

#include "flightplan/FlightPlan.h"

// Windows' own XML reader (XmlLite), loaded from the system when first needed, with document
// type declarations prohibited: the document as the flight plan readers take it, its texts
// converted to the ANSI code page. CDATA counts as text; comments and processing
// instructions are passed over. Windows only.
XmlDocument ReadXmlWithSystemReader(const std::string& bytes);
