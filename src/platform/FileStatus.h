#pragma once

#include <string>

// Outcome of a file operation, shared by the file-system seam and everything above it,
// so that a failure keeps its reason all the way to the message the user reads.
enum class FileStatus {
    Ok,
    NotFound,       // the file does not exist (its folder does)
    FolderMissing,  // the folder that should hold the file does not exist
    ReadOnly,       // the file carries the read-only attribute
    AccessDenied,   // the system refused access for another reason (permissions)
    Locked,         // another program holds the file open without sharing it
    DiskFull,       // no room left on the disk
    AlreadyExists,  // an exclusive creation met an existing file
    Failed,         // any other failure
    IsFolder,       // the path names a folder, not a file
    IoError,        // the disk or the network reported an error while reading or writing
    NameTooLong,    // the path is longer than the system accepts
    NoTemporaryName,   // every temporary name tried beside the file was taken
    ChangedMeanwhile,  // another program kept changing the file while it was written
    InvalidEntry,      // a name or value that could never be read back from the file
    OtherWriterSaving, // another program using this engine kept the file's write lock
    NoWriteLock,       // the system could make no write lock for the file
};

// NotFound or FolderMissing: the file is simply not there, and reads give their defaults.
// Any other failure means the file exists but could not be used.
bool IsMissing(FileStatus status);

// A short English phrase for a status, fit to follow "could not be written: ".
const char* DescribeFileStatus(FileStatus status);

enum class FileAccess { Read, Write };

// The sentence a message box gives for a failed read or write: the file's path on a line
// of its own, then the reason. Dialogs add what the user can do about it.
std::string DescribeFileFailure(FileAccess access, const std::string& path, FileStatus status);
