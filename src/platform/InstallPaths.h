#pragma once

#include <optional>
#include <string>

// How the simulator's folder was found.
enum class FolderSource { Registry, AboveCurrentFolder };

// Where the simulator is installed and where the add-on keeps its preferences file.
struct InstallPaths {
    std::string fsRoot;  // the simulator's folder, resolved, without a separator at its end
    std::string prefs;   // fsRoot followed by the add-on's preferences file
    FolderSource source = FolderSource::Registry;
    // The folder's true name where the ANSI code page cannot hold it, else empty: fsRoot then
    // holds the code page's stand-ins for some of its characters and names no folder.
    std::u16string unheldFolder;
    // The program's own folder under the user's application data, which holds its settings
    // file and the latest flight plan fetched; empty when the system names no such folder. Its
    // true name is in `unheldProgramFolder` where the code page cannot hold it.
    std::string programFolder{};
    std::string settings{};  // programFolder followed by the program's settings file
    std::u16string unheldProgramFolder{};
};

// The ANSI code page's form of UTF-16 text; false where the code page has no form for some of
// its characters, which the text then holds substitutes for.
using AnsiNarrowing = bool (*)(const std::u16string& text, std::string& ansi);

// From the simulator's registered "EXE Path" (nothing when it could not be read) or,
// failing that, two folders above the current directory. The folder is resolved as Windows
// resolves a path ("." and ".." parts and doubled separators removed), so that every path
// built from it names its file as the user knows it. A drive's root is left as "C:", to
// which the files' paths add their separator. The folder is resolved in UTF-16, where no
// part of a character reads as a separator, and only then narrowed to the code page.
InstallPaths ComputeInstallPaths(const std::optional<std::u16string>& registeredExePath,
                                 const std::u16string& currentDirectory, AnsiNarrowing narrow);

// Adds the program's own folder inside the user's application data folder (nothing when
// the system names none), narrowed to the code page as the simulator's is.
void AddProgramFolder(InstallPaths& paths, const std::optional<std::u16string>& applicationData, AnsiNarrowing narrow);

// What the user is told when the folder's name cannot be held: the folder named in full,
// why neither this program nor the simulator can use it, and what to do.
std::u16string UnheldFolderMessage(const std::u16string& folder);

// The same for the program's own folder, when the user asks for what it would hold.
std::u16string UnheldProgramFolderMessage(const std::u16string& folder);
