#pragma once

#include <fstream>
#include <iterator>
#include <string>

// The bytes of a file of the bundled demo (its path below demo/), read where Wine shows the
// source tree.
inline std::string DemoFile(const std::string& name) {
    std::ifstream file(std::string(SKYLINER_DEMO_FOLDER) + "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
