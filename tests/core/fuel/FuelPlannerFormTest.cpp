#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "SelectedAircraft.h"
#include "fuel/FuelPlannerForm.h"

namespace {

auto Weights(const FuelPlannerTexts& t) {
    return std::tie(t.zeroFuelWeight, t.taxiFuel, t.tripFuel, t.finalFuel, t.fuelOnBoard, t.innerTank);
}
auto Results(const FuelPlannerTexts& t) {
    return std::tie(t.tripFuel, t.fuelOnBoard, t.innerTank, t.outerTank, t.centerTank);
}
auto AllTexts(const FuelPlannerTexts& t) {
    return std::tuple_cat(Weights(t), Results(t),
                          std::tie(t.distance, t.altitude, t.costIndex, t.routeReserve, t.weightUnit, t.costIndexUnit));
}

void EnterFlight(FuelPlannerForm& form, const char* distance, const char* altitude, const char* costIndex,
                 const char* zeroFuelWeight) {
    form.texts.distance = distance;
    form.texts.altitude = altitude;
    form.texts.costIndex = costIndex;
    form.texts.zeroFuelWeight = zeroFuelWeight;
}

TEST(FuelPlannerFormTest, FieldNumbersStayWithinThe32BitRange) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0},          {"4042", 4042},        {" +42x", 42},  {"-5", -5},
        {"abc12", 0},     {"-", 0},              {"2147483647", 2147483647},
        {"2147483648", 0}, {"-2147483648", -2147483647 - 1}, {"-2147483649", 0},
        {"000000000000000000042", 42},           {"99999999999999999999999", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadFieldInt(text), value) << '"' << text << '"';
}

// A320, 500 NM at 35000 ft, cost index 30, from the 60000 kg the load manager saved.
TEST(FuelPlannerFormTest, WorkedExampleThroughBothUnitSystems) {
    SelectedAircraft a320(kA320);
    VariantZfw[kA320 - 1] = 60000;
    FuelPlannerForm form;
    VariantZfw[kA320 - 1] = 0;
    const FuelPlannerTexts& t = form.texts;
    EXPECT_EQ(AllTexts(t), AllTexts(FuelPlannerTexts{"", "", "50", "60000", "200", "5", "1000", "", "", "", "", "",
                                                     "kg", "kg/min"}));
    const FuelPlannerTexts opening = t;
    form.SelectUnits(UnitSystem::Metric);
    EXPECT_EQ(AllTexts(t), AllTexts(opening)) << "the unit in force changes nothing";

    EnterFlight(form, "500", "35000", "30", "60000");
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(Results(t), std::make_tuple("4042", "5444", "2722 (50.1%)", "0 (0.0%)", "0 (0.0%)"));

    form.SelectUnits(UnitSystem::Imperial);
    EXPECT_EQ(Weights(t), std::make_tuple("132275", "440", "8910", "2204", "12001", "6000 (50.1%)"));
    EXPECT_EQ(std::tie(t.costIndex, t.routeReserve, t.weightUnit, t.costIndexUnit),
              std::make_tuple("30", "5", "lb", "100lb/h"));

    form.SelectUnits(UnitSystem::Metric);
    EXPECT_EQ(Weights(t), std::make_tuple("59999", "199", "4041", "999", "5443", "2722 (50.1%)"));

    // Validated in pounds, the weights are read as pounds: 132271 lb is 59997 kg, 438 lb of
    // taxi 198 kg, 2202 lb of final fuel 998 kg; a total of 5440 kg.
    form.SelectUnits(UnitSystem::Imperial);
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(Results(t), std::make_tuple("8910", "11992", "5996 (50.0%)", "0 (0.0%)", "0 (0.0%)"));
}

TEST(FuelPlannerFormTest, RefusalsLeaveEveryResultAsItWas) {
    const std::string mandatory = "All the mandatory fields must be filled.";
    const std::string altitude = "The cruising altitude cannot be above 41000 feet.";
    const std::string noTrip = "No trip fuel can be computed for this zero-fuel weight. Check the weight and its unit.";
    struct Case {
        UnitSystem units;
        const char *distance, *altitude, *costIndex, *zeroFuelWeight;
        const std::string& message;
    };
    const Case cases[] = {
        {UnitSystem::Metric, "", "35000", "30", "60000", mandatory},
        {UnitSystem::Metric, "500", "35000", "0", "60000", mandatory},
        {UnitSystem::Metric, "500", "35000", "-30", "", mandatory},
        {UnitSystem::Metric, "abc", "35000", "30", "60000", mandatory},
        {UnitSystem::Imperial, "500", "35000", "30", "1", mandatory},  // 1 lb is 0 kg
        {UnitSystem::Metric, "500", "41001", "30", "60000", altitude},
        {UnitSystem::Metric, "10", "5000", "30", "1", noTrip},
        {UnitSystem::Imperial, "1", "35000", "30", "3", noTrip},
    };
    SelectedAircraft a320(kA320);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.distance) + " NM, " + c.altitude + " ft, CI " + c.costIndex + ", " + c.zeroFuelWeight);
        FuelPlannerForm form;
        form.SelectUnits(c.units);
        EnterFlight(form, "500", "41000", "30", "132275");
        ASSERT_FALSE(form.Validate()) << "41000 ft itself is allowed";
        const FuelPlannerTexts before = form.texts;
        EnterFlight(form, c.distance, c.altitude, c.costIndex, c.zeroFuelWeight);
        const std::optional<FuelPlannerMessage> message = form.Validate();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text + " / " + message->caption, c.message + " / ERROR");
        EXPECT_EQ(Results(form.texts), Results(before));
        // Nor the stored tanks, which a change of unit shows again.
        form.SelectUnits(c.units == UnitSystem::Metric ? UnitSystem::Imperial : UnitSystem::Metric);
        form.SelectUnits(c.units);
        EXPECT_EQ(form.texts.innerTank, before.innerTank);
    }
}

TEST(FuelPlannerFormTest, TanksByVariantBeforeAndAfterValidate) {
    struct Case {
        std::int32_t variant;
        const char *distance, *inner, *outer, *center;
        bool tooMuch;
    };
    const Case cases[] = {
        {kA320, "3000", "5435 (100.0%)", "691 (100.0%)", "6476 (100.0%)", true},
        {kA321, "500", "2640 (43.4%)", "---", "1 (0.0%)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        SelectedAircraft selected(c.variant);
        FuelPlannerForm form;
        form.SelectUnits(UnitSystem::Imperial);
        EXPECT_EQ(Results(form.texts),
                  std::make_tuple("", "", "0 (0.0%)", c.variant == kA321 ? "" : "0 (0.0%)", "0 (0.0%)"));
        form.SelectUnits(UnitSystem::Metric);
        EnterFlight(form, c.distance, "35000", "30", "60000");
        const std::optional<FuelPlannerMessage> message = form.Validate();
        EXPECT_EQ(message ? message->text : "", c.tooMuch ? "This aircraft can not take enough fuel for this trip !!" : "");
        EXPECT_EQ(std::tie(form.texts.innerTank, form.texts.outerTank, form.texts.centerTank),
                  std::make_tuple(c.inner, c.outer, c.center));
        form.SelectUnits(UnitSystem::Imperial);
        EXPECT_EQ(form.texts.outerTank == "---", c.variant == kA321);
    }
}

// Every text a field can hold, alone and combined, in both unit systems on every variant,
// computes without undefined arithmetic: the sanitizers stop the test otherwise.
TEST(FuelPlannerFormTest, FieldExtremesComputeSoundly) {
    const char* const extremes[] = {"", "0", "1", "9999999", "-999999", "2147483647", "-2147483648", "2147483648",
                                    "41000"};
    std::string FuelPlannerTexts::*const fields[] = {
        &FuelPlannerTexts::distance, &FuelPlannerTexts::altitude,     &FuelPlannerTexts::costIndex,
        &FuelPlannerTexts::zeroFuelWeight, &FuelPlannerTexts::taxiFuel, &FuelPlannerTexts::routeReserve,
        &FuelPlannerTexts::finalFuel};
    const char* const positive[] = {"1", "99999", "2147483647"};
    const char* const anything[] = {"-2147483648", "0", "2147483647"};
    auto exercise = [](UnitSystem units, auto&& fill) {
        FuelPlannerForm form;
        form.SelectUnits(units);
        EnterFlight(form, "500", "35000", "30", "60000");
        fill(form.texts);
        const bool computed = !form.Validate();
        EXPECT_TRUE(!computed || !form.texts.tripFuel.empty());
        form.SelectUnits(units == UnitSystem::Metric ? UnitSystem::Imperial : UnitSystem::Metric);
        form.Validate();
    };
    for (std::int32_t variant = kA318; variant <= kACJ; ++variant) {
        SelectedAircraft selected(variant);
        for (UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
            for (auto field : fields) {
                for (const char* text : extremes) exercise(units, [&](FuelPlannerTexts& t) { t.*field = text; });
            }
            // The mandatory fields at their accepted extremes against the optional ones at theirs.
            for (const char* distance : positive)
                for (const char* altitude : {"1", "41000"})
                    for (const char* costIndex : positive)
                        for (const char* weight : positive)
                            for (const char* taxi : anything)
                                for (const char* reserve : anything)
                                    for (const char* final : anything)
                                        exercise(units, [&](FuelPlannerTexts& t) {
                                            t = {distance, altitude, costIndex, weight, taxi, reserve, final,
                                                 "",       "",       "",        "",     "",   "kg",    "kg/min"};
                                        });
        }
    }
}

}  // namespace
