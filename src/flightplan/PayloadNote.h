#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "aircraft/Variants.h"
#include "flightplan/FlightPlan.h"
#include "flightplan/PayloadSpread.h"

// The load manager's texts around an OFP's payload.

// The caption of the note after an import, shown with the information icon.
inline constexpr const char* kFlightPlanCaption = "Flight plan";

// The type code an OFP files for the variant: the ACJ is filed as an A319.
const char* FiledAircraftType(const Variant& variant);

// The variants a plan filed for `type` is flown with (an A319's: the A319 and the ACJ); none
// for a type this program does not configure.
std::vector<std::int32_t> VariantsFiledAs(const std::string& type);

// Why a plan filed for `type`, which no variant is filed as, cannot be prepared here.
std::string OtherAircraftMessage(const std::string& type);

// The question (Yes: import all the same) when the OFP is filed for another type than the
// load manager's, naming both; nothing when the types agree.
std::optional<std::string> OtherTypeQuestion(const Variant& variant, const OfpLoad& load);

// What was set, for which flight, what did not fit, and both zero-fuel weights with the
// reason they differ, in the load manager's unit (its read-outs' factor): the weights here
// are those its read-outs show with the spread set, over the aircraft file's empty weight.
std::string PayloadNote(const FlightPlan& plan, const Variant& variant, const PayloadSpread& spread,
                        std::int32_t emptyWeightKg, float unitFactor);
