#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "SelectedAircraft.h"
#include "fuel/FuelPlannerForm.h"

namespace {

auto AllTexts(const FuelPlannerTexts& t) {
    return std::tie(t.distance, t.altitude, t.costIndex, t.zeroFuelWeight, t.taxiFuel, t.routeReserve, t.finalFuel,
                    t.tripFuel, t.fuelOnBoard, t.innerTank, t.outerTank, t.centerTank, t.weightUnit,
                    t.costIndexUnit);
}

auto Results(const FuelPlannerTexts& t) {
    return std::tie(t.tripFuel, t.fuelOnBoard, t.innerTank, t.outerTank, t.centerTank);
}

// Sets VariantZfw for one test and clears it afterwards.
class SavedZeroFuelWeight {
public:
    SavedZeroFuelWeight(std::int32_t variant, std::int32_t kilograms) : index_(variant - 1) {
        VariantZfw[index_] = kilograms;
    }
    ~SavedZeroFuelWeight() { VariantZfw[index_] = 0; }

private:
    std::int32_t index_;
};

void EnterFlight(FuelPlannerForm& form, const char* distance, const char* altitude, const char* costIndex) {
    form.texts.distance = distance;
    form.texts.altitude = altitude;
    form.texts.costIndex = costIndex;
}

TEST(FuelPlannerFormTest, ReadFieldIntTakesTheLeadingNumberWithinThe32BitRange) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"", 0},           {"0", 0},
        {"4042", 4042},    {" \t42", 42},
        {"+7", 7},         {"-5", -5},
        {"12abc", 12},     {"abc12", 0},
        {"-", 0},          {"000000000000000000042", 42},
        {"2147483647", 2147483647},           {"2147483648", 0},
        {"-2147483648", -2147483647 - 1},     {"-2147483649", 0},
        {"99999999999999999999999999", 0},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadFieldInt(text), value) << '"' << text << '"';
}

TEST(FuelPlannerFormTest, OpensWithDefaultsAndTheSavedZeroFuelWeight) {
    SavedZeroFuelWeight saved(kA320, 60000);
    for (std::int32_t variant : {kA318, kA320}) {
        SelectedAircraft selected(variant);
        FuelPlannerForm form;
        EXPECT_EQ(form.texts.zeroFuelWeight, variant == kA320 ? "60000" : "");
        EXPECT_EQ(form.texts.costIndex, "50");
        EXPECT_EQ(std::tie(form.texts.taxiFuel, form.texts.routeReserve, form.texts.finalFuel),
                  std::make_tuple("200", "5", "1000"));
        EXPECT_EQ(form.texts.distance + form.texts.altitude, "");
        EXPECT_EQ(Results(form.texts), std::make_tuple("", "", "", "", ""));
        EXPECT_EQ(form.Units(), UnitSystem::Metric);
        EXPECT_EQ(form.texts.weightUnit + " " + form.texts.costIndexUnit, "kg kg/min");
    }
}

// A320, 500 NM at 35000 ft, cost index 30, 60000 kg: metric, imperial, then metric again.
TEST(FuelPlannerFormTest, WorkedExampleThroughBothUnitSystems) {
    SelectedAircraft a320(kA320);
    SavedZeroFuelWeight saved(kA320, 60000);
    FuelPlannerForm form;
    const FuelPlannerTexts opening = form.texts;
    form.SelectUnits(UnitSystem::Metric);
    EXPECT_EQ(AllTexts(form.texts), AllTexts(opening)) << "the unit in force changes nothing";

    EnterFlight(form, "500", "35000", "30");
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(Results(form.texts), std::make_tuple("4042", "5444", "2722 (50.1%)", "0 (0.0%)", "0 (0.0%)"));

    form.SelectUnits(UnitSystem::Imperial);
    const FuelPlannerTexts& t = form.texts;
    EXPECT_EQ(std::tie(t.zeroFuelWeight, t.taxiFuel, t.tripFuel, t.finalFuel, t.fuelOnBoard, t.innerTank),
              std::make_tuple("132275", "440", "8910", "2204", "12001", "6000 (50.1%)"));
    EXPECT_EQ(t.weightUnit + " " + t.costIndexUnit, "lb 100lb/h");
    EXPECT_EQ(std::tie(t.distance, t.altitude, t.costIndex, t.routeReserve),
              std::make_tuple("500", "35000", "30", "5"));
    const FuelPlannerTexts imperial = t;
    form.SelectUnits(UnitSystem::Imperial);
    EXPECT_EQ(AllTexts(t), AllTexts(imperial));

    // Validating in pounds reads the weights in pounds: 59999 kg, taxi 199 kg, final 999 kg.
    EXPECT_FALSE(form.Validate());
    EXPECT_EQ(std::tie(t.tripFuel, t.fuelOnBoard, t.innerTank), std::make_tuple("8910", "11997", "5998 (50.1%)"));

    form.SelectUnits(UnitSystem::Metric);
    EXPECT_EQ(std::tie(t.zeroFuelWeight, t.taxiFuel, t.tripFuel, t.finalFuel, t.fuelOnBoard, t.innerTank),
              std::make_tuple("59999", "199", "4041", "999", "5441", "2721 (50.1%)"));
    EXPECT_EQ(t.weightUnit + " " + t.costIndexUnit, "kg kg/min");
}

TEST(FuelPlannerFormTest, SwitchingBackConvertsTheShownTextsAndKeepsTheStoredTanks) {
    SelectedAircraft a320(kA320);
    SavedZeroFuelWeight saved(kA320, 60000);
    FuelPlannerForm form;
    EnterFlight(form, "500", "35000", "30");
    ASSERT_FALSE(form.Validate());
    form.SelectUnits(UnitSystem::Imperial);
    form.SelectUnits(UnitSystem::Metric);
    const FuelPlannerTexts& t = form.texts;
    EXPECT_EQ(std::tie(t.zeroFuelWeight, t.taxiFuel, t.tripFuel, t.finalFuel, t.fuelOnBoard, t.innerTank),
              std::make_tuple("59999", "199", "4041", "999", "5443", "2722 (50.1%)"));
}

TEST(FuelPlannerFormTest, RefusalsLeaveEveryResultAsItWas) {
    const std::string mandatory = "All the mandatory fields must be filled.";
    const std::string altitude = "The cruising altitude cannot be above 41000 feet.";
    const std::string noTrip = "No trip fuel can be computed for this zero-fuel weight. Check the weight and its unit.";
    struct Case {
        UnitSystem units;
        const char *distance, *altitude, *costIndex, *zeroFuelWeight;
        std::string message;
    };
    const Case cases[] = {
        {UnitSystem::Metric, "", "35000", "30", "60000", mandatory},
        {UnitSystem::Metric, "500", "0", "30", "60000", mandatory},
        {UnitSystem::Metric, "500", "35000", "0", "60000", mandatory},
        {UnitSystem::Metric, "500", "35000", "30", "", mandatory},
        {UnitSystem::Metric, "500", "35000", "-30", "60000", mandatory},
        {UnitSystem::Metric, "abc", "35000", "30", "60000", mandatory},
        {UnitSystem::Metric, "500", "35000", "30", "99999999999", mandatory},
        {UnitSystem::Imperial, "500", "35000", "30", "1", mandatory},  // 1 lb is 0 kg
        {UnitSystem::Metric, "500", "41001", "30", "60000", altitude},
        {UnitSystem::Metric, "500", "2147483647", "30", "60000", altitude},
        {UnitSystem::Metric, "10", "5000", "30", "1", noTrip},
        {UnitSystem::Metric, "1", "35000", "30", "1", noTrip},
    };
    SelectedAircraft a320(kA320);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.distance) + " NM, " + c.altitude + " ft, CI " + c.costIndex + ", " + c.zeroFuelWeight);
        FuelPlannerForm form;
        form.SelectUnits(c.units);
        EnterFlight(form, "500", "35000", "30");
        form.texts.zeroFuelWeight = "132275";
        ASSERT_FALSE(form.Validate());
        const FuelPlannerTexts before = form.texts;

        EnterFlight(form, c.distance, c.altitude, c.costIndex);
        form.texts.zeroFuelWeight = c.zeroFuelWeight;
        const std::optional<FuelPlannerMessage> message = form.Validate();
        ASSERT_TRUE(message);
        EXPECT_EQ(message->text, c.message);
        EXPECT_EQ(message->caption, "ERROR");
        EXPECT_EQ(Results(form.texts), Results(before));
        // The stored tanks are still those of the last computation.
        form.SelectUnits(c.units == UnitSystem::Metric ? UnitSystem::Imperial : UnitSystem::Metric);
        form.SelectUnits(c.units);
        EXPECT_EQ(form.texts.innerTank, before.innerTank);
    }
    FuelPlannerForm form;
    EnterFlight(form, "500", "41000", "30");
    form.texts.zeroFuelWeight = "60000";
    EXPECT_FALSE(form.Validate()) << "41000 ft itself is allowed";
}

TEST(FuelPlannerFormTest, TanksByVariantBeforeAndAfterValidate) {
    struct Case {
        std::int32_t variant;
        const char* distance;
        const char *inner, *outer, *center;
        bool tooMuch;
    };
    const Case cases[] = {
        {kA320, "3000", "5435 (100.0%)", "691 (100.0%)", "6476 (100.0%)", true},
        {kACJ, "3000", "5435 (100.0%)", "691 (100.0%)", "11718 (100.0%)", true},
        {kA321, "500", "2640 (43.4%)", "---", "1 (0.0%)", false},
        {kA318, "500", "2760 (55.6%)", "0 (0.0%)", "1 (0.0%)", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.variant);
        SelectedAircraft selected(c.variant);
        FuelPlannerForm form;
        form.SelectUnits(UnitSystem::Imperial);
        const bool outerTanks = c.variant != kA321;
        EXPECT_EQ(Results(form.texts),
                  std::make_tuple("", "", "0 (0.0%)", outerTanks ? "0 (0.0%)" : "", "0 (0.0%)"));
        form.SelectUnits(UnitSystem::Metric);

        EnterFlight(form, c.distance, "35000", "30");
        form.texts.zeroFuelWeight = "60000";
        const std::optional<FuelPlannerMessage> message = form.Validate();
        EXPECT_EQ(message.has_value(), c.tooMuch);
        if (message) {
            EXPECT_EQ(message->text, "This aircraft can not take enough fuel for this trip !!");
        }
        EXPECT_EQ(std::tie(form.texts.innerTank, form.texts.outerTank, form.texts.centerTank),
                  std::make_tuple(c.inner, c.outer, c.center));
        form.SelectUnits(UnitSystem::Imperial);
        EXPECT_EQ(form.texts.outerTank == "---", !outerTanks);
    }
}

// Every text a field can hold, alone and combined, in both unit systems on every variant,
// computes without undefined arithmetic (the sanitizers stop the test otherwise).
TEST(FuelPlannerFormTest, FieldExtremesComputeSoundly) {
    const std::vector<std::string> extremes = {"",          "0",           "1",          "9999999",
                                               "-999999",   "2147483647",  "-2147483648", "2147483648",
                                               "41000",     " 12abc"};
    std::string FuelPlannerTexts::*const fields[] = {
        &FuelPlannerTexts::distance, &FuelPlannerTexts::altitude, &FuelPlannerTexts::costIndex,
        &FuelPlannerTexts::zeroFuelWeight, &FuelPlannerTexts::taxiFuel, &FuelPlannerTexts::routeReserve,
        &FuelPlannerTexts::finalFuel};
    auto exercise = [](FuelPlannerForm& form) {
        const std::optional<FuelPlannerMessage> message = form.Validate();
        if (!message) {
            EXPECT_FALSE(form.texts.tripFuel.empty());
        }
        form.SelectUnits(form.Units() == UnitSystem::Metric ? UnitSystem::Imperial : UnitSystem::Metric);
        form.Validate();
    };
    for (std::int32_t variant = kA318; variant <= kACJ; ++variant) {
        SelectedAircraft selected(variant);
        for (UnitSystem units : {UnitSystem::Metric, UnitSystem::Imperial}) {
            for (auto field : fields) {
                for (const std::string& text : extremes) {
                    FuelPlannerForm form;
                    form.SelectUnits(units);
                    EnterFlight(form, "500", "35000", "30");
                    form.texts.zeroFuelWeight = "60000";
                    form.texts.*field = text;
                    exercise(form);
                }
            }
            // The mandatory fields at their valid extremes against the optional ones at theirs.
            const char* const positive[] = {"1", "99999", "2147483647"};
            const char* const altitudes[] = {"1", "41000"};
            const char* const anything[] = {"-2147483648", "0", "2147483647"};
            for (const char* distance : positive)
                for (const char* altitude : altitudes)
                    for (const char* costIndex : positive)
                        for (const char* weight : positive)
                            for (const char* taxi : anything)
                                for (const char* reserve : anything)
                                    for (const char* final : anything) {
                                        FuelPlannerForm form;
                                        form.SelectUnits(units);
                                        EnterFlight(form, distance, altitude, costIndex);
                                        form.texts.zeroFuelWeight = weight;
                                        form.texts.taxiFuel = taxi;
                                        form.texts.routeReserve = reserve;
                                        form.texts.finalFuel = final;
                                        exercise(form);
                                    }
        }
    }
}

}  // namespace
