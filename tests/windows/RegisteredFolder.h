#pragma once

#include <windows.h>

#include <string>

inline constexpr const char* kSimulatorKey = "SOFTWARE\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0";

// Sets or removes the registered folder for one test and puts back what was there.
class RegisteredFolder {
public:
    RegisteredFolder() {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, kSimulatorKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD size = 0;
        if (RegQueryValueExA(key_, "EXE Path", nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
            saved_.resize(size);
            RegQueryValueExA(key_, "EXE Path", nullptr, nullptr, reinterpret_cast<BYTE*>(&saved_[0]), &size);
            hadValue_ = true;
        }
    }
    ~RegisteredFolder() {
        if (hadValue_) {
            RegSetValueExA(key_, "EXE Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(saved_.data()),
                           static_cast<DWORD>(saved_.size()));
        } else {
            RegDeleteValueA(key_, "EXE Path");
        }
        RegCloseKey(key_);
    }
    void Set(const std::string& folder) {
        ASSERT_EQ(RegSetValueExA(key_, "EXE Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
                                 static_cast<DWORD>(folder.size() + 1)),
                  ERROR_SUCCESS);
    }
    void Remove() { RegDeleteValueA(key_, "EXE Path"); }

private:
    HKEY key_ = nullptr;
    std::string saved_;
    bool hadValue_ = false;
};
