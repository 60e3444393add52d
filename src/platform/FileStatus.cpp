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
        case FileStatus::IsFolder: return "it is a folder, not a file";
        case FileStatus::IoError: return "the disk reported a read or write error";
        case FileStatus::NameTooLong: return "its path is too long";
        case FileStatus::NoTemporaryName: return "no temporary file could be made beside it";
        case FileStatus::ChangedMeanwhile: return "another program was changing it at the same time";
        case FileStatus::OtherWriterSaving: return "another program is saving it; try again in a moment";
        case FileStatus::NoWriteLock: return "the lock that keeps two programs from saving it at once could not be made";
        case FileStatus::InvalidEntry:
            return "a name or value holds a line break, or a character its place in the file cannot hold";
        case FileStatus::Failed: break;
    }
    return "the system reported an error";
}

std::string DescribeFileFailure(FileAccess access, const std::string& path, FileStatus status) {
    return std::string("The file\n") + path + "\ncould not be " + (access == FileAccess::Read ? "read" : "written") +
           ": " + DescribeFileStatus(status) + ".";
}
