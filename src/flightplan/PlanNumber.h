#pragma once

#include <optional>
#include <string>
#include <string_view>

// The numbers of a flight plan file and the limits beyond which a value can only come from
// a broken or foreign file.

enum class PlanQuantity { Passengers, Weight, Distance, Other };

// The largest value of each quantity that a flight of this family could ever give.
double PlanLimit(PlanQuantity quantity);

// A decimal number at the start of `text` ("27.00", "7", ".5"), taken off it; nothing, and
// `text` as it was, when no digit comes first.
std::optional<double> ConsumeDecimal(std::string_view& text);

struct PlanNumber {
    std::optional<double> value;
    std::string refusal;  // why not, naming the field
};

// The number of a field: an optional sign, then a decimal number, blanks around it. Refused
// when it is not one, negative, or beyond the quantity's limit.
PlanNumber ReadPlanNumber(const std::string& field, std::string_view text, PlanQuantity quantity);

// A number as a message quotes it: whole numbers without decimals, ten digits at most.
std::string NumberText(double value);

// Trims spaces, tabs and line breaks at both ends.
std::string_view TrimText(std::string_view text);
