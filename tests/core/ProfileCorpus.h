#pragma once

// Tricky profile files with what Windows answers and writes, shared by the engine's own
// tests and the conformance test that runs the platform's functions under Wine.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Profile.h"

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string windows;  // the value read with a 99-character buffer, default "<UNDEFINED>"
    bool wineDiffers = false;
};

struct IntCase {
    const char* value;
    std::int32_t windows;  // read with the default -9999
    bool wineDiffers = false;
};

struct WriteCase {
    const char* name;
    std::string before;
    std::vector<ProfileEntry> writes;
    std::string windows;  // the file's bytes afterwards
    bool wineDiffers = false;
};

// The bytes of a UTF-16 file with its byte-order mark.
std::string Utf16(const std::u16string& text);

std::vector<ReadCase> ReadCorpus();
std::vector<IntCase> IntCorpus();
std::vector<WriteCase> WriteCorpus();
