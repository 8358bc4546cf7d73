// What our own file chooser shows of a folder, and the paths it makes of
// what the user types. Paths are full paths without a trailing separator
// (the root stays "/"); the working directory is never used.
#pragma once

#include <string>
#include <vector>

struct FolderListing {
    // ".." first (except in the root), then the sub-folders; hidden entries
    // (names starting with a dot) are left out.
    std::vector<std::string> folders;
    // The files whose names end in "." + the extension (in any case).
    std::vector<std::string> files;
};

// Both lists sorted by name, ignoring case; empty when the folder cannot be read.
FolderListing listFolder(const std::string& folder, const std::string& extension);

// `typed` (a name, a relative path or a full path) taken from `folder`, with
// ".", ".." and doubled separators resolved by the text alone.
std::string resolvePath(const std::string& folder, const std::string& typed);
// The folder part of a full path ("/" for a file in the root).
std::string folderOf(const std::string& path);

bool isFolder(const std::string& path);
bool isRegularFile(const std::string& path);
// Whether `name` ends in "." + `extension`, in any case, after at least one
// other character.
bool hasExtension(const std::string& name, const std::string& extension);
// `folder` itself when it is a folder, else its nearest ancestor that is one.
std::string existingFolder(const std::string& folder);
