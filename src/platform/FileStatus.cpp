#include "platform/FileStatus.h"

bool IsMissing(FileStatus status) { return status == FileStatus::NotFound || status == FileStatus::FolderMissing; }

const char* DescribeFileStatus(FileStatus status) {
    switch (status) {
        case FileStatus::Ok: return "no error";
        case FileStatus::NotFound: return "the file does not exist";
        case FileStatus::FolderMissing: return "its folder does not exist";
        case FileStatus::ReadOnly: return "the file is read-only";
        case FileStatus::AccessDenied: return "access was denied";
        case FileStatus::Locked: return "another program is using the file";
        case FileStatus::DiskFull: return "the disk is full";
        case FileStatus::AlreadyExists: return "the file already exists";
        case FileStatus::Failed: break;
    }
    return "the system reported an error";
}

std::string DescribeFileFailure(FileAccess access, const std::string& path, FileStatus status) {
    return std::string("The file\n") + path + "\ncould not be " + (access == FileAccess::Read ? "read" : "written") +
           ": " + DescribeFileStatus(status) + ".";
}
