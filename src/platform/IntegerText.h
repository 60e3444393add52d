#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a leading integer beyond the 32-bit range gives: wrapped modulo 2^32, as "%d" reads
// the add-on's files, or nothing, as a typed field that cannot hold such a number.
enum class IntOverflow { Wrap, Refuse };

// The leading decimal integer of a text, read the way "%d" takes it: white space skipped,
// an optional sign, then digits up to the first other character. Nothing when no digit
// follows.
std::optional<std::int32_t> ScanLeadingInt(std::string_view text, IntOverflow overflow = IntOverflow::Wrap);

// The leading integer of a text as the platform's integer profile read takes it: white
// space skipped, an optional sign, then an automatic base ("0x" hexadecimal, "0o" octal,
// "0b" binary, else decimal) and its digits up to the first other character, wrapping
// modulo 2^32. 0 when no digit follows.
std::int32_t ScanProfileInt(std::string_view text);

// A double truncated toward zero, saturated to the 32-bit range (NaN gives 0).
std::int32_t TruncateToInt(double value);
