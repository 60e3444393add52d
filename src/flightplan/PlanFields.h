#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "flightplan/PlanNumber.h"

// The fields of one flight plan file, read by name through the format's own look-up. Every
// field that is missing is noted, so that the refusal lists them all at once; otherwise the
// first value that could not be taken is the refusal.
class PlanFields {
public:
    // The text of a field, nothing when the file does not hold it.
    using LookUp = std::function<std::optional<std::string>(const std::string& name)>;

    explicit PlanFields(LookUp lookUp);

    // The first of the names the file holds with a text that is not blank. Nothing, and the
    // field noted as missing, when none is.
    std::optional<std::string> Text(std::initializer_list<const char*> names);
    std::optional<double> Number(std::initializer_list<const char*> names, PlanQuantity quantity);
    // A number rounded to the nearest whole one.
    std::optional<std::int32_t> Whole(std::initializer_list<const char*> names, PlanQuantity quantity);

    // Notes a refusal of a value once read; the first one counts.
    void Refuse(std::string reason);

    // Empty when every field read could be taken.
    std::string Refusal() const;

private:
    LookUp lookUp_;
    std::vector<std::string> missing_;
    std::string refusal_;
};

// The text of an XML document's first element at a path below its root, for PlanFields.
struct XmlDocument;
PlanFields::LookUp XmlLookUp(const XmlDocument& document);
