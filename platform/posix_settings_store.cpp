#include "platform/posix_settings_store.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char kFamilyFolder[] = "kavexsound";
const char kFileName[] = "qelmarvo.conf";
const char kLockName[] = "qelmarvo.lock";
const char kTempName[] = "qelmarvo.conf.new";
constexpr mode_t kPrivateFolderMode = 0700;
constexpr mode_t kPrivateFileMode = 0600;
// Far above what the family stores (a bank record is under 3 KB as text); a
// larger file is not ours and is not read into memory.
constexpr size_t kMaxFileBytes = 4u << 20;

// Closes a descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, reporting whether the last writes reached the file.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool readText(const std::string& path, std::string& text) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat info;
    if (!file.valid() || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    text.clear();
    char buffer[16384];
    for (;;) {
        const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (text.size() + static_cast<size_t>(got) > kMaxFileBytes) return false;
        text.append(buffer, static_cast<size_t>(got));
    }
}

bool writeAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t wrote = ::write(fd, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<size_t>(wrote);
    }
    return true;
}

bool isFolder(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Creates `folder` and its missing parents, private to the user.
bool makeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string prefix = folder.substr(0, slash);
        if (::mkdir(prefix.c_str(), kPrivateFolderMode) != 0 && errno != EEXIST &&
            !isFolder(prefix))
            return false;
        if (slash == std::string::npos) break;
    }
    return isFolder(folder);
}

bool lockExclusively(int fd) {
    while (::flock(fd, LOCK_EX) != 0)
        if (errno != EINTR) return false;
    return true;
}

// Makes the rename itself survive a crash of the machine.
void flushFolder(const std::string& folder) {
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid()) ::fsync(dir.get());
}

}  // namespace

PosixSettingsStore::PosixSettingsStore(std::string folder)
    : folder_(std::move(folder)),
      filePath_(folder_ + "/" + kFileName),
      lockPath_(folder_ + "/" + kLockName),
      tempPath_(folder_ + "/" + kTempName) {}

bool PosixSettingsStore::getBinary(const std::string& name, std::vector<uint8_t>& value) {
    std::string bytes;
    if (!get(name, SettingsValue::Kind::kBinary, bytes)) return false;
    value.assign(bytes.begin(), bytes.end());
    return true;
}

bool PosixSettingsStore::getString(const std::string& name, std::string& value) {
    return get(name, SettingsValue::Kind::kString, value);
}

bool PosixSettingsStore::setBinary(const std::string& name, const uint8_t* data, size_t bytes) {
    if (!data && bytes > 0) return false;
    SettingsValue value{SettingsValue::Kind::kBinary, std::string()};
    if (bytes > 0) value.bytes.assign(reinterpret_cast<const char*>(data), bytes);
    return set(name, std::move(value));
}

bool PosixSettingsStore::setString(const std::string& name, const std::string& value) {
    return set(name, SettingsValue{SettingsValue::Kind::kString, value});
}

bool PosixSettingsStore::erase(const std::string& name) {
    if (!isSettingsName(name)) return false;
    return update([&](SettingsValues& values) { values.erase(name); });
}

bool PosixSettingsStore::get(const std::string& name, SettingsValue::Kind kind,
                             std::string& bytes) const {
    if (folder_.empty()) return false;
    std::string text;
    SettingsValues values;
    if (!readText(filePath_, text) || !parseSettingsText(text, values)) return false;
    const auto found = values.find(name);
    if (found == values.end() || found->second.kind != kind) return false;
    bytes = found->second.bytes;
    return true;
}

bool PosixSettingsStore::set(const std::string& name, SettingsValue value) {
    if (!isSettingsName(name)) return false;
    return update([&](SettingsValues& values) { values[name] = std::move(value); });
}

bool PosixSettingsStore::update(const std::function<void(SettingsValues&)>& change) {
    if (folder_.empty() || !makeFolders(folder_)) return false;
    FileDescriptor lock(::open(lockPath_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, kPrivateFileMode));
    if (!lock.valid() || !lockExclusively(lock.get())) return false;

    // An unreadable or damaged file holds nothing worth keeping; the file
    // written now is a sound one again.
    std::string text;
    SettingsValues values;
    if (readText(filePath_, text)) parseSettingsText(text, values);
    change(values);
    return replaceFile(formatSettingsText(values));
    // The lock goes with its descriptor.
}

bool PosixSettingsStore::replaceFile(const std::string& text) const {
    if (text.size() > kMaxFileBytes) return false;
    FileDescriptor temp(
        ::open(tempPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, kPrivateFileMode));
    if (!temp.valid()) return false;
    const bool written = writeAll(temp.get(), text) && ::fsync(temp.get()) == 0;
    if (!temp.close() || !written || ::rename(tempPath_.c_str(), filePath_.c_str()) != 0) {
        ::unlink(tempPath_.c_str());
        return false;
    }
    flushFolder(folder_);
    return true;
}

std::string userSettingsFolder() {
    std::string base;
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    // A relative setting is to be ignored, as the XDG rules say.
    if (config && config[0] == '/')
        base = config;
    else if (home && home[0] == '/')
        base = std::string(home) + "/.config";
    else
        return std::string();
    while (base.size() > 1 && base.back() == '/') base.pop_back();
    return base + "/" + kFamilyFolder;
}

bool userSettingsFileExists() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    char path[4096];
    int length;
    if (config && config[0] == '/')
        length = std::snprintf(path, sizeof path, "%s/%s/%s", config, kFamilyFolder, kFileName);
    else if (home && home[0] == '/')
        length = std::snprintf(path, sizeof path, "%s/.config/%s/%s", home, kFamilyFolder, kFileName);
    else
        return false;
    struct stat info;
    return length > 0 && static_cast<size_t>(length) < sizeof path && ::stat(path, &info) == 0 &&
           S_ISREG(info.st_mode);
}

std::unique_ptr<SettingsStore> openUserSettingsStore() {
    return std::make_unique<PosixSettingsStore>(userSettingsFolder());
}
