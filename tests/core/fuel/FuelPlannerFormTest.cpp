#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "FuelDigest.h"
#include "fuel/FuelPlannerForm.h"
#include "platform/IntegerText.h"

namespace {

constexpr UnitSystem kg = UnitSystem::Metric, lb = UnitSystem::Imperial;

auto Weights(const FuelPlannerTexts& t) {
    return std::tie(t.zeroFuelWeight, t.taxiFuel, t.tripFuel, t.finalFuel, t.fuelOnBoard, t.innerTank);
}
auto Results(const FuelPlannerTexts& t) {
    return std::tie(t.tripFuel, t.fuelOnBoard, t.innerTank, t.outerTank, t.centerTank, t.takeOffWeightNote);
}
void EnterFlight(FuelPlannerForm& form, const char* distance, const char* altitude, const char* ci, const char* zfw) {
    std::tie(form.texts.distance, form.texts.altitude, form.texts.costIndex, form.texts.zeroFuelWeight) =
        std::tie(distance, altitude, ci, zfw);
}

// A typed number beyond the 32-bit range is refused, where a file's "%d" wraps it.
TEST(FuelPlannerFormTest, FieldNumbersStayWithinThe32BitRange) {
    const std::tuple<const char*, std::int32_t, std::int32_t> cases[] = {
        {"", 0, 0}, {" +42x", 42, 42}, {"-5", -5, -5}, {"abc12", 0, 0}, {"-", 0, 0}, {"000000000000000000042", 42, 42},
        {"2147483647", 2147483647, 2147483647}, {"2147483648", 0, -2147483647 - 1}, {"-2147483649", 0, 2147483647},
        {"-2147483648", -2147483647 - 1, -2147483647 - 1}, {"99999999999999999999999", 0, -159383553}};
    for (const auto& [text, field, wrapped] : cases) {
        EXPECT_EQ(std::pair(ScanLeadingInt(text, IntOverflow::Refuse).value_or(0), ScanLeadingInt(text).value_or(0)),
                  std::pair(field, wrapped)) << '"' << text << '"';
    }
}

// A320, 500 NM at 35000 ft, cost index 30, from the 60000 kg the load manager saved. The
// first pass guesses 20 kg per NM (70000 kg), the second starts from 60000 kg plus its
// result, and a third pass, which would give 4036, is not made. Its aircraft file allows
// 65438 kg: the plan goes 6 kg above, and the one validated in pounds reaches it exactly.
TEST(FuelPlannerFormTest, WorkedExampleThroughBothUnitSystems) {
    FuelPlannerForm form(*FindVariant(kA320), 60000, 65438);
    const FuelPlannerTexts& t = form.texts;
    form.SelectUnits(kg);  // the unit in force: changes nothing
    EXPECT_EQ(std::tuple_cat(Weights(t), std::tie(t.costIndex, t.routeReserve, t.weightUnit, t.costIndexUnit)),
              std::make_tuple("60000", "200", "", "1000", "", "", "50", "5", "kg", "kg/min"));
    EnterFlight(form, "500", "35000", "30", "60000");
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(Results(t), std::make_tuple("4042", "5444", "2722 (50.1%)", "0 (0.0%)", "0 (0.0%)",
                                          "Take-off weight 65444 kg is above the maximum of 65438 kg in the aircraft file."));
    form.SelectUnits(lb);
    EXPECT_EQ(t.takeOffWeightNote, "Take-off weight 144276 lb is above the maximum of 144263 lb in the aircraft file.");
    EXPECT_EQ(std::tuple_cat(Weights(t), std::tie(t.weightUnit, t.costIndexUnit)),
              std::make_tuple("132275", "440", "8910", "2204", "12001", "6000 (50.1%)", "lb", "100lb/h"));
    form.SelectUnits(kg);
    EXPECT_EQ(Weights(t), std::make_tuple("59999", "199", "4041", "999", "5443", "2722 (50.1%)"));
    // Validated in pounds, the weights are read as pounds: 132272 lb is 59998 kg, 438 lb of
    // taxi 198 kg, 2202 lb of final fuel 998 kg; a total of 5440 kg.
    form.SelectUnits(lb);
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(Results(t), std::make_tuple("8910", "11992", "5996 (50.0%)", "0 (0.0%)", "0 (0.0%)", ""));
}

// Each refusal leaves every result as it was; just past the limits (the empty weight itself,
// the climb and descent distances to 41000 ft at 45000 kg, 41000 ft itself) the flight is planned.
TEST(FuelPlannerFormTest, RefusalsLeaveEveryResultAsItWas) {
    const char *mandatory = "mandatory fields", *altitude = "above 41000 feet";
    const char* tooShort = "The flying distance is too short for this cruising altitude. The shortest flight that "
                           "reaches 41000 feet at this zero-fuel weight is 178 NM. Lower the cruising altitude";
    const char *belowKg = "below the empty weight of this aircraft (42411 kg)", *belowLb = "aircraft (93498 lb)";
    const std::tuple<UnitSystem, const char*, const char*, const char*, const char*, const char*> cases[] = {
        {kg, "", "35000", "30", "60000", mandatory},   {kg, "abc", "35000", "30", "60000", mandatory},
        {kg, "500", "35000", "0", "60000", mandatory}, {kg, "500", "35000", "-30", "", mandatory},
        {lb, "500", "35000", "30", "1", mandatory},  // 1 lb is 0 kg
        {kg, "500", "41001", "30", "60000", altitude}, {kg, "500", "35000", "30", "42410", belowKg},
        {lb, "500", "35000", "30", "93497", belowLb}, {kg, "177", "41000", "1", "45000", tooShort},
        {kg, "500", "35000", "30", "42411", nullptr}, {kg, "178", "41000", "1", "45000", nullptr},
        {lb, "500", "41000", "30", "132275", nullptr}};
    for (const auto& [units, distance, altitude, costIndex, zeroFuelWeight, expected] : cases) {
        SCOPED_TRACE(std::string(distance) + " NM, " + altitude + " ft, CI " + costIndex + ", " + zeroFuelWeight);
        FuelPlannerForm form(*FindVariant(kA320), 0, 0);
        form.SelectUnits(units);
        EnterFlight(form, "500", "41000", "30", "132275");
        ASSERT_FALSE(form.Validate());
        const FuelPlannerTexts before = form.texts;
        EnterFlight(form, distance, altitude, costIndex, zeroFuelWeight);
        const std::optional<FuelPlannerMessage> message = form.Validate();
        ASSERT_EQ(message.has_value(), expected != nullptr);
        if (!expected) continue;
        EXPECT_EQ(message->caption, "ERROR");
        EXPECT_NE(message->text.find(expected), std::string::npos) << message->text;
        EXPECT_EQ(Results(form.texts), Results(before));
    }
}

// Units switched before the first Validate; a trip too long for the tanks; no outer tanks; no
// maximum weight known, so no note on it.
TEST(FuelPlannerFormTest, TanksByVariantBeforeAndAfterValidate) {
    for (const bool a320 : {true, false}) {
        FuelPlannerForm form(*FindVariant(a320 ? kA320 : kA321), 0, 0);
        form.SelectUnits(lb);
        EXPECT_EQ(Results(form.texts), std::make_tuple("", "", "0 (0.0%)", a320 ? "0 (0.0%)" : "", "0 (0.0%)", ""));
        form.SelectUnits(kg);
        EnterFlight(form, a320 ? "3000" : "500", "35000", "30", "60000");
        EXPECT_EQ(form.Validate().value_or(FuelPlannerMessage{}).text,
                  a320 ? "This aircraft can not take enough fuel for this trip !!" : "");
        EXPECT_EQ(std::tie(form.texts.innerTank, form.texts.outerTank, form.texts.centerTank, form.texts.takeOffWeightNote),
                  a320 ? std::make_tuple("5435 (100.0%)", "691 (100.0%)", "6476 (100.0%)", "")
                       : std::make_tuple("2640 (43.4%)", "---", "1 (0.0%)", ""));
        form.SelectUnits(lb);
        EXPECT_EQ(form.texts.outerTank == "---", !a320);
    }
}

// Every combination of field extremes, in both unit systems on every variant, computes
// without undefined arithmetic: the sanitizers stop the test otherwise. Texts that read as
// 0, and altitudes above 41000 ft, are refused before any arithmetic.
TEST(FuelPlannerFormTest, FieldExtremesComputeSoundly) {
    const char* const positive[] = {"1", "99999", "2147483647"};
    const char* const altitudes[] = {"1", "33000", "41000"};  // 33000 ft: the top row of the climb and descent tables
    const char* const anything[] = {"-2147483648", "0", "2147483647"};
    const char* const* const choices[] = {positive, altitudes, positive, positive, anything, anything, anything};
    for (std::int32_t variant = kA318; variant <= kACJ; ++variant) {
        for (int combination = 0; combination < 2 * 3 * 3 * 3 * 3 * 3 * 3 * 3; ++combination) {
            FuelPlannerForm form(*FindVariant(variant), 0, 0);
            form.SelectUnits(combination % 2 ? lb : kg);
            FuelPlannerTexts& t = form.texts;
            std::string* const fields[] = {&t.distance, &t.altitude, &t.costIndex, &t.zeroFuelWeight,
                                           &t.taxiFuel, &t.routeReserve, &t.finalFuel};
            for (int f = 0, rest = combination / 2; f < 7; ++f, rest /= 3) *fields[f] = choices[f][rest % 3];
            form.Validate();
            form.SelectUnits(combination % 2 ? kg : lb);
            form.Validate();
        }
    }
}

// Every variant, altitude, cost index and weight range at once; the Windows build checks the same
// value. After a deliberate change of the model, record the value printed here in FuelDigest.h.
TEST(TripFuelTest, ManyTripsGiveTheRecordedFingerprint) {
    EXPECT_EQ(FuelDigest(), kExpectedFuelDigest) << std::hex << FuelDigest();
}

}  // namespace
