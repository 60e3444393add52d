#pragma once

#include <cstdint>

// How the add-on marks an entry that is not there: the text a read is given as its default,
// and the number a missing or emptied entry reads as.
inline constexpr const char* kUndefinedText = "<UNDEFINED>";
inline constexpr std::int32_t kMissingNumber = -9999;
