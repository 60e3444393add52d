#pragma once

#include <optional>
#include <string>

#include "platform/FileStatus.h"
#include "platform/FileSystem.h"

// Gives the file at `path` the content `bytes` so that, whatever happens meanwhile, the
// file is either the old one (`oldBytes`, none when it does not exist yet) or the new
// one: a temporary file beside it, flushed, then swapped in with the old file's
// attributes. Only where the folder refuses a new file, or another program's handle
// refuses the swap, is the existing file rewritten in place instead, as carefully as
// that allows. A new file never allows more than `permissionsOf`, when that is given.
FileStatus ReplaceFileContent(FileSystem& fileSystem, const std::string& path,
                              const std::optional<std::string>& oldBytes, const std::string& bytes,
                              const std::string& permissionsOf = std::string());
