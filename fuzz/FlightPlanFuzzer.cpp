// Fuzz target of the flight plan import: any file, read for both dialogs. XML is stood in
// for by lines "path<TAB>text" after a first '<', the shape the Windows reader hands over.
// An import gives a plan within every limit or a message naming the file; an OFP's payload
// spreads over each variant without losing a passenger or loading more than its cargo.
// Run: scripts/fuzz.sh SECONDS flightplan.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "MemoryFileSystem.h"
#include "flightplan/FlightPlanFile.h"
#include "flightplan/PayloadNote.h"
#include "flightplan/PlanNumber.h"
#include "loadmgr/PayloadTotals.h"

namespace {

void Require(bool condition) {
    if (!condition) std::abort();
}

XmlDocument ReadLines(const std::string& bytes) {
    XmlDocument document;
    std::size_t start = bytes.find('<') + 1;
    for (std::size_t end; start < bytes.size(); start = end + 1) {
        end = std::min(bytes.find('\n', start), bytes.size());
        const std::string line = bytes.substr(start, end - start);
        const std::size_t tab = line.find('\t');
        XmlText text{line.substr(0, tab), tab == std::string::npos ? std::string() : line.substr(tab + 1)};
        if (document.root.empty()) document.root = text.path.substr(0, text.path.find('/'));
        document.texts.push_back(text);
    }
    if (document.root == "!") document.problem = XmlProblem::Malformed;
    return document;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = "C:\\Plans\\plan.xml";
    MemoryFileSystem fileSystem;
    fileSystem.files[path] = std::string(reinterpret_cast<const char*>(data), size);
    for (const FlightPlanUse use : {FlightPlanUse::Payload, FlightPlanUse::Flight}) {
        const FlightPlanImport result = ImportFlightPlan(path, use, ReadLines, fileSystem);
        Require(result.plan.has_value() == result.error.empty());
        if (!result.plan) {
            Require(result.error.find(path) != std::string::npos);
            continue;
        }
        const FlightPlan& plan = *result.plan;
        Require(plan.distanceNm >= 0 && plan.distanceNm <= PlanLimit(PlanQuantity::Distance));
        const OfpLoad& load = plan.load;
        Require(load.passengers >= 0 && load.passengers <= PlanLimit(PlanQuantity::Passengers));
        Require(load.cargoKg >= 0 && load.cargoKg <= PlanLimit(PlanQuantity::Weight));
        for (std::int32_t selection = kA318; selection <= kACJ; ++selection) {
            const Variant& variant = *FindVariant(selection);
            const PayloadSpread spread = SpreadPayload(variant, load.passengers, load.cargoKg);
            Require(spread.payload.firstCabinCount + spread.payload.secondCabinCount + spread.passengersLeftOver == load.passengers);
            Require(spread.payload.firstCabinCount <= variant.firstCabinSeats && spread.payload.secondCabinCount <= variant.secondCabinSeats);
            Require(HoldKilograms(spread.payload.forwardHoldPercentage, variant.forwardHoldKg) +
                        HoldKilograms(spread.payload.aftHoldPercentage, variant.aftHoldKg) <=
                    load.cargoKg + spread.cargoLeftOverKg + 0.5);
            PayloadNote(plan, variant, spread, 42411, kPoundFactor);
            OtherTypeQuestion(variant, load);
        }
    }
    return 0;
}
