// Fuzz target of the profile engine: any file, any names and values, any step of the
// write refused. Reads must never fail; a write either reports a failure and leaves the
// file as it was, or succeeds and its entry is found again. Run: scripts/fuzz.sh.
//
// Input: the file's bytes, then up to four fields separated by 0xFF bytes: section,
// key, value, and one control byte (the refused step and the buffer size).

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "MemoryFileSystem.h"
#include "platform/Profile.h"

namespace {

std::vector<std::string> Fields(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && fields.size() < 5) {
            fields.emplace_back();
        } else {
            fields.back().push_back(static_cast<char>(data[i]));
        }
    }
    fields.resize(5);
    return fields;
}

void Require(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> fields = Fields(data, size);
    const std::string& before = fields[0];
    const std::string& section = fields[1];
    const std::string& key = fields[2];
    const std::string& value = fields[3];
    unsigned control = fields[4].empty() ? 0 : static_cast<unsigned char>(fields[4][0]);

    const std::string path = "C:\\FS9\\Prefs.cfg";
    MemoryFileSystem fileSystem;
    fileSystem.files[path] = before;
    Profile file(path, fileSystem);
    std::size_t buffer = control % 100;
    Require(file.ReadString(section, key, "<UNDEFINED>", buffer).size() < std::max<std::size_t>(buffer, 1));
    file.ReadInt(section, key, -9999);

    fileSystem.failAtOperation = control & 0x80 ? static_cast<int>(control & 0x0F) : -1;
    FileStatus status = file.Write(section, key, value);
    if (status != FileStatus::Ok) {
        Require(fileSystem.files[path] == before);
        Require(fileSystem.files.size() == 1);
        return 0;
    }
    // Found again: not the default (a line break, which no value read can hold).
    fileSystem.failAtOperation = -1;
    Require(file.ReadString(section, key, "\n", 1000) != "\n");
    return 0;
}
