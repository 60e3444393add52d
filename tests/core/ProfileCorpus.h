#pragma once

// Tricky profile files with what Windows answers and the bytes it writes, for the engine and for
// the platform's own functions under Wine. Reads take the default kMissing (or -9999 for
// integers) and a 99-character buffer; wineDiffers marks where Wine is known to answer otherwise.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Profile.h"

constexpr const char* kMissing = "<UNDEFINED>";

struct ReadCase { const char* name; std::string file; const char *section, *key; std::string windows; bool wineDiffers = false; };
struct IntCase { const char* value; std::int32_t windows; bool wineDiffers = false; };  // value of the key v in section I
struct WriteCase {
    const char* name; std::string before; std::vector<ProfileEntry> writes; std::string windows; bool wineDiffers = false;
};

std::string Utf16(const std::u16string& text);  // with its byte-order mark
std::vector<ReadCase> ReadCorpus();
std::vector<IntCase> IntCorpus();
std::vector<WriteCase> WriteCorpus();
