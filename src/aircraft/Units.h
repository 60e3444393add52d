#pragma once

#include <cstdint>

// Weights in the add-on's files are pounds, the dialogs work in kilograms; these are the
// factors each of them has always used, in the precision each needs.

// Pounds to kilograms, everywhere.
inline constexpr double kKilogramsPerPound = 0.4536;
// Pounds to hundredths of a kilogram: a hold's load as a percentage of a capacity in kg.
inline constexpr double kHundredthsKilogramsPerPound = 45.36;
// Kilograms to pounds where a file or a typed field is converted: 1 / 0.4536 in double.
inline constexpr double kPoundsPerKilogram = 2.204585537918871;
// Kilograms to pounds where a read-out is shown: the single-precision value nearest to
// 1 / 0.4536, so that totals in pounds come out as they always did.
inline constexpr float kPoundsPerKilogramShown = 2.2045856f;

// The weight of one passenger with baggage.
inline constexpr std::uint32_t kPassengerKg = 75;
