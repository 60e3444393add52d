#pragma once

#include <string>

// A fresh folder per test, removed afterwards, with helpers to put (its folders made) and take whole files.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path(const std::string& name) const;
    std::string Put(const std::string& name, const std::string& bytes) const;
    std::string Take(const std::string& name) const;
    bool Has(const std::string& name) const;
    int FileCount() const;

private:
    std::string root_;
};
