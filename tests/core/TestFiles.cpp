#include "TestFiles.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

ScratchFolder::ScratchFolder() {
    std::random_device seed;
    root_ = (fs::temp_directory_path() / ("skyliner-test-" + std::to_string(seed()))).string();
    fs::create_directories(root_);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(root_, ignored);
}

std::string ScratchFolder::Path(const std::string& name) const {
    return (fs::path(root_) / name).make_preferred().string();
}

std::string ScratchFolder::Put(const std::string& name, const std::string& bytes) const {
    fs::create_directories(fs::path(Path(name)).parent_path());
    std::ofstream(Path(name), std::ios::binary) << bytes;
    return Path(name);
}

std::string ScratchFolder::Take(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool ScratchFolder::Has(const std::string& name) const { return fs::exists(Path(name)); }

int ScratchFolder::FileCount() const {
    return static_cast<int>(std::distance(fs::directory_iterator(root_), fs::directory_iterator()));
}
