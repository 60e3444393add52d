#pragma once

// An in-memory file system for the engine's tests and fuzz target: it refuses an operation by name or
// the n-th of any kind, and throws Crash at its n-th change, leaving half-written data as a crash would.

#include <strings.h>

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "platform/FileSystem.h"

struct Crash {};

class MemoryFileSystem final : public FileSystem {
public:
    std::map<std::string, std::string> files;
    std::map<std::string, long long> times;  // last written, seconds since 1970; 0 when not set
    long long now = 0;                        // from which ListFiles counts the files' ages
    std::map<std::string, std::string> links;            // a symbolic link -> the file it leads to
    std::map<std::string, std::string> permissionsFrom;  // a file made -> the file it may allow no more than
    std::size_t longestPath = std::string::npos;         // longer paths are refused as too long
    std::map<std::string, FileStatus> refusals;  // operation name -> status, every time
    int failAtOperation = -1;                    // this operation (counted from 0) is refused
    FileStatus failure = FileStatus::DiskFull;
    int crashAtChange = -1;
    std::function<void(const std::string& operation)> beforeOperation;  // another program at work
    int operations = 0, changes = 0;

    FileStatus LockForWriting(const std::string&, std::unique_ptr<WriteLock>&) override { return Allowed("LockForWriting"); }
    FileStatus Read(const std::string& path, std::string& bytes) override {
        if (auto refusal = Refused("Read")) return *refusal;
        const std::string& file = links.count(path) ? links[path] : path;
        return files.count(file) ? (bytes = files[file], FileStatus::Ok) : FileStatus::NotFound;
    }
    // Never refused: the file was just read.
    FileStatus Locate(const std::string& path, Location& location) override {
        return location = {links.count(path) ? links[path] : path, false}, FileStatus::Ok;
    }
    FileStatus CheckWritable(const std::string&) override { return Allowed("CheckWritable"); }
    FileStatus CopyAttributes(const std::string&, const std::string&) override { return Allowed("CopyAttributes"); }
    FileStatus WriteNewFile(const std::string& path, const std::string& bytes, const std::string& permissionsOf) override {
        if (auto refusal = Refused("WriteNewFile")) return *refusal;
        if (path.size() > longestPath) return FileStatus::NameTooLong;
        if (files.count(path)) return FileStatus::AlreadyExists;
        return Change([&] { files[path] = bytes.substr(0, bytes.size() / 2); },
                      [&] { files[path] = bytes, permissionsFrom[path] = permissionsOf; });
    }
    FileStatus Replace(const std::string& source, const std::string& target, bool replaceExisting) override {
        if (auto refusal = Refused("Replace")) return *refusal;
        if (!replaceExisting && files.count(target)) return FileStatus::AlreadyExists;
        return Change([] {}, [&] {
            files[target] = files[source], files.erase(source), permissionsFrom[target] = permissionsFrom[source];
        });
    }
    // A refused write in place still gets half of its bytes to the disk, as a full disk does.
    FileStatus WriteInPlace(const std::string& path, std::size_t offset, const std::string& bytes) override {
        auto write = [&](std::size_t count) {
            std::string& file = files[path];
            if (file.size() < offset + count) file.resize(offset + count);
            file.replace(offset, count, bytes.substr(0, count));
        };
        if (auto refusal = Refused("WriteInPlace")) return write(bytes.size() / 2), *refusal;
        return Change([&] { write(bytes.size() / 2); }, [&] { write(bytes.size()); });
    }
    FileStatus Truncate(const std::string& path, std::size_t size) override {
        if (auto refusal = Refused("Truncate")) return *refusal;
        return Change([] {}, [&] { files[path].resize(size); });
    }
    // Never refused: a temporary file that could not be removed is only clutter.
    FileStatus Remove(const std::string& path) override { return files.erase(path), FileStatus::Ok; }
    FileStatus LastWritten(const std::string& path, long long& secondsSince1970) override {
        if (auto refusal = Refused("LastWritten")) return *refusal;
        return files.count(path) ? (secondsSince1970 = times[path], FileStatus::Ok) : FileStatus::NotFound;
    }
    std::vector<FolderFile> ListFiles(const std::string& folder, const std::string& prefix) override {
        std::vector<FolderFile> listed;
        for (const auto& [path, bytes] : files) {
            const std::string name = path.substr(std::min(folder.size(), path.size()));
            if (path.compare(0, folder.size(), folder) == 0 && name.find('\\') == std::string::npos &&
                strncasecmp(name.c_str(), prefix.c_str(), prefix.size()) == 0) {
                listed.push_back({name, now - times[path]});
            }
        }
        return listed;
    }

private:
    std::optional<FileStatus> Refused(const char* operation) {
        if (beforeOperation) beforeOperation(operation);
        if (operations++ == failAtOperation) return failure;
        auto found = refusals.find(operation);
        return found == refusals.end() ? std::nullopt : std::optional<FileStatus>(found->second);
    }
    FileStatus Allowed(const char* operation) { return Refused(operation).value_or(FileStatus::Ok); }
    // A crash stops the change halfway, else it is made whole.
    template <typename Halfway, typename Whole>
    FileStatus Change(Halfway halfway, Whole whole) {
        if (changes++ == crashAtChange) halfway(), throw Crash{};
        return whole(), FileStatus::Ok;
    }
};
