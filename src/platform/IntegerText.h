#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The leading decimal integer of a text, read the way "%d" reads it: white space
// skipped, an optional sign, then digits up to the first other character. Nothing when
// no digit follows. Numbers beyond 32 bits saturate instead of overflowing.
std::optional<std::int32_t> ScanLeadingInt(std::string_view text);

// A double truncated toward zero, saturated to the 32-bit range (NaN gives 0).
std::int32_t TruncateToInt(double value);
