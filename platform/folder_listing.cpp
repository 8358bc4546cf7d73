#include "platform/folder_listing.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>

namespace {

constexpr char kSeparator = '/';
constexpr const char* kRoot = "/";
constexpr const char* kParentEntry = "..";

bool byNameIgnoringCase(const std::string& a, const std::string& b) {
    const int folded = strcasecmp(a.c_str(), b.c_str());
    return folded != 0 ? folded < 0 : a < b;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string path;
    for (const std::string& part : parts) path += kSeparator + part;
    return path.empty() ? kRoot : path;
}

}  // namespace

FolderListing listFolder(const std::string& folder, const std::string& extension) {
    FolderListing listing;
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr) return listing;
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name.empty() || name[0] == '.') continue;
        const std::string path = resolvePath(folder, name);
        if (isFolder(path))
            listing.folders.push_back(name);
        else if (hasExtension(name, extension) && isRegularFile(path))
            listing.files.push_back(name);
    }
    closedir(directory);
    std::sort(listing.folders.begin(), listing.folders.end(), byNameIgnoringCase);
    std::sort(listing.files.begin(), listing.files.end(), byNameIgnoringCase);
    if (resolvePath(folder, "") != kRoot) listing.folders.insert(listing.folders.begin(), kParentEntry);
    return listing;
}

std::string resolvePath(const std::string& folder, const std::string& typed) {
    const std::string whole =
        !typed.empty() && typed[0] == kSeparator ? typed : folder + kSeparator + typed;
    std::vector<std::string> parts;
    size_t start = 0;
    while (start <= whole.size()) {
        size_t end = whole.find(kSeparator, start);
        if (end == std::string::npos) end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == kParentEntry) {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    return joined(parts);
}

std::string folderOf(const std::string& path) {
    const size_t separator = path.rfind(kSeparator);
    if (separator == std::string::npos || separator == 0) return kRoot;
    return path.substr(0, separator);
}

bool isFolder(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool hasExtension(const std::string& name, const std::string& extension) {
    const std::string suffix = "." + extension;
    return name.size() > suffix.size() &&
           strcasecmp(name.c_str() + name.size() - suffix.size(), suffix.c_str()) == 0;
}

std::string existingFolder(const std::string& folder) {
    std::string candidate = resolvePath(folder, "");
    while (!isFolder(candidate) && candidate != kRoot) candidate = folderOf(candidate);
    return candidate;
}
