#include "platform/IntegerText.h"

#include <cmath>
#include <limits>

std::optional<std::int32_t> ScanLeadingInt(std::string_view text, IntOverflow overflow) {
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || (text[pos] >= '\t' && text[pos] <= '\r'))) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return std::nullopt;
    // The magnitude is also kept exactly until it is past every 32-bit value.
    constexpr std::uint64_t kTwoTo31 = std::uint64_t{1} << 31;
    std::uint32_t number = 0;
    std::uint64_t magnitude = 0;
    while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
        const auto digit = static_cast<std::uint32_t>(text[pos++] - '0');
        number = number * 10u + digit;
        if (magnitude <= kTwoTo31) magnitude = magnitude * 10 + digit;
    }
    if (overflow == IntOverflow::Refuse && magnitude > (negative ? kTwoTo31 : kTwoTo31 - 1)) return std::nullopt;
    if (negative) number = 0u - number;
    return static_cast<std::int32_t>(number);
}

std::int32_t ScanProfileInt(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && text[pos] != '\0' && static_cast<unsigned char>(text[pos]) <= ' ') ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    std::uint32_t base = 10;
    if (pos + 1 < text.size() && text[pos] == '0') {
        switch (text[pos + 1]) {
            case 'x': base = 16; break;
            case 'o': base = 8; break;
            case 'b': base = 2; break;
            default: break;
        }
        if (base != 10) pos += 2;
    }
    std::uint32_t number = 0;
    for (; pos < text.size(); ++pos) {
        char c = text[pos];
        std::uint32_t digit = c >= '0' && c <= '9'   ? static_cast<std::uint32_t>(c - '0')
                              : c >= 'a' && c <= 'z' ? static_cast<std::uint32_t>(c - 'a' + 10)
                              : c >= 'A' && c <= 'Z' ? static_cast<std::uint32_t>(c - 'A' + 10)
                                                     : 99u;
        if (digit >= base) break;
        number = number * base + digit;
    }
    if (negative) number = 0u - number;
    return static_cast<std::int32_t>(number);
}

std::int32_t TruncateToInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<std::int32_t>::max();
    if (value <= -2147483648.0) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}
