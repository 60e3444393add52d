#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

// Sets or removes the simulator's registered folder for one test and puts back what was there.
class RegisteredFolder {
public:
    RegisteredFolder() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0", 0, nullptr,
                        0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        hadValue_ = RegQueryValueExA(key_, kValue, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
        saved_.resize(size);
        RegQueryValueExA(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(saved_.data()), &size);
    }
    ~RegisteredFolder() {
        if (hadValue_) Write(saved_);
        else Remove();
        RegCloseKey(key_);
    }
    void Set(const std::string& folder) { Write(folder + '\0'); }
    void Remove() { RegDeleteValueA(key_, kValue); }

private:
    void Write(const std::string& bytes) {
        ASSERT_EQ(RegSetValueExA(key_, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    static constexpr const char* kValue = "EXE Path";
    HKEY key_ = nullptr;
    std::string saved_;
    bool hadValue_ = false;
};
