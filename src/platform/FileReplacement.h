#pragma once

#include <string>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Gives the file at `path` the content `bytes` so that, whatever happens meanwhile, the
// file is either the old one or the new one: a temporary file beside it, flushed, then
// swapped in with the old file's attributes. Where no file can be made or swapped in
// there, the existing file is rewritten in place.
FileStatus ReplaceFileContent(FileSystem& fileSystem, const std::string& path,
                              const std::string& bytes, bool fileExists);
