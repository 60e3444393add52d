#include "flightplan/PlanFields.h"

#include <utility>

#include "flightplan/FlightPlan.h"

PlanFields::PlanFields(LookUp lookUp) : lookUp_(std::move(lookUp)) {}

std::optional<std::string> PlanFields::Text(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const std::optional<std::string> text = lookUp_(name);
        if (text && !TrimText(*text).empty()) return std::string(TrimText(*text));
    }
    std::string listed;
    for (const char* name : names) listed += (listed.empty() ? "" : " or ") + std::string(name);
    missing_.push_back(listed);
    return std::nullopt;
}

std::optional<double> PlanFields::Number(std::initializer_list<const char*> names, PlanQuantity quantity) {
    // The name in a refusal is the one whose text was taken.
    for (const char* name : names) {
        const std::optional<std::string> text = lookUp_(name);
        if (!text || TrimText(*text).empty()) continue;
        PlanNumber number = ReadPlanNumber(name, *text, quantity);
        if (!number.value) Refuse(std::move(number.refusal));
        return number.value;
    }
    Text(names);
    return std::nullopt;
}

std::optional<std::int32_t> PlanFields::Whole(std::initializer_list<const char*> names, PlanQuantity quantity) {
    const std::optional<double> number = Number(names, quantity);
    if (!number) return std::nullopt;
    return static_cast<std::int32_t>(*number + 0.5);
}

void PlanFields::Refuse(std::string reason) {
    if (refusal_.empty()) refusal_ = std::move(reason);
}

std::string PlanFields::Refusal() const {
    if (missing_.empty()) return refusal_;
    std::string list;
    for (const std::string& name : missing_) list += (list.empty() ? "" : ", ") + name;
    return (missing_.size() == 1 ? "it lacks the field " : "it lacks the fields ") + list;
}

PlanFields::LookUp XmlLookUp(const XmlDocument& document) {
    return [&document](const std::string& name) -> std::optional<std::string> {
        const std::string path = document.root + "/" + name;
        for (const XmlText& text : document.texts) {
            if (text.path == path) return text.text;
        }
        return std::nullopt;
    };
}
