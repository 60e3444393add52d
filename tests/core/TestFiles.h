#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// A fresh folder per test, removed afterwards, with helpers to put (its folders made) and take whole files.
class ScratchFolder {
public:
    ScratchFolder() { std::filesystem::create_directories(root_); }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& name) const { return (root_ / name).make_preferred().string(); }
    std::string Put(const std::string& name, const std::string& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(Path(name)).parent_path());
        std::ofstream(Path(name), std::ios::binary) << bytes;
        return Path(name);
    }
    std::string Take(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    bool Has(const std::string& name) const { return std::filesystem::exists(Path(name)); }
    int FileCount() const {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(root_), std::filesystem::directory_iterator()));
    }

private:
    const std::filesystem::path root_ =
        std::filesystem::temp_directory_path() / ("skyliner-test-" + std::to_string(std::random_device()()));
};
