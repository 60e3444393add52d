#include "flightplan/PlanNumber.h"

#include <cstdio>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double PlanLimit(PlanQuantity quantity) {
    switch (quantity) {
        case PlanQuantity::Passengers: return 1000;
        case PlanQuantity::Distance: return 20000;
        case PlanQuantity::Weight:
        case PlanQuantity::Other: break;
    }
    return 1000000;
}

std::string_view TrimText(std::string_view text) {
    const char* const blanks = " \t\r\n";
    const std::size_t begin = text.find_first_not_of(blanks);
    if (begin == std::string_view::npos) return {};
    return text.substr(begin, text.find_last_not_of(blanks) - begin + 1);
}

std::optional<double> ConsumeDecimal(std::string_view& text) {
    std::size_t i = 0;
    double value = 0;
    bool digits = false;
    for (; i < text.size() && IsDigit(text[i]); ++i, digits = true) value = value * 10 + (text[i] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && IsDigit(text[i]); ++i, scale /= 10, digits = true) value += (text[i] - '0') * scale;
    }
    if (!digits) return std::nullopt;
    text.remove_prefix(i);
    return value;
}

std::string NumberText(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.10g", value);
    return text;
}

PlanNumber ReadPlanNumber(const std::string& field, std::string_view text, PlanQuantity quantity) {
    std::string_view rest = TrimText(text);
    const bool negative = !rest.empty() && rest.front() == '-';
    if (!rest.empty() && (negative || rest.front() == '+')) rest.remove_prefix(1);
    const std::optional<double> value = ConsumeDecimal(rest);
    if (!value || !rest.empty()) return {std::nullopt, field + " is not a number (\"" + std::string(TrimText(text)) + "\")"};
    if (negative && *value > 0) return {std::nullopt, field + " is negative (" + std::string(TrimText(text)) + ")"};
    const double limit = PlanLimit(quantity);
    if (*value > limit) return {std::nullopt, field + " is " + NumberText(*value) + ", more than " + NumberText(limit)};
    return {value, {}};
}
