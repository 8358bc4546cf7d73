#include "zenity_driver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace gui::x11::test {
namespace {

constexpr int kConfirmAttempts = 10;
constexpr auto kConfirmWait = std::chrono::milliseconds(500);
constexpr auto kPoll = std::chrono::milliseconds(10);

}  // namespace

ZenityDriver::ZenityDriver(const std::string& home) {
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        setVariable(name, home.c_str());
    setVariable("NO_AT_BRIDGE", "1");
    setVariable("KDE_FULL_SESSION", nullptr);
    setVariable("XDG_CURRENT_DESKTOP", nullptr);
}

ZenityDriver::~ZenityDriver() {
    // Backwards, so that a variable set twice ends as it was first found.
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
        if (it->second)
            setenv(it->first.c_str(), it->second->c_str(), 1);
        else
            unsetenv(it->first.c_str());
    }
}

void ZenityDriver::setVariable(const char* name, const char* value) {
    const char* old = std::getenv(name);
    saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
    if (value)
        setenv(name, value, 1);
    else
        unsetenv(name);
}

std::string ZenityDriver::xdotool(const std::string& arguments) {
    const std::string command = "timeout 20 xdotool " + arguments + " 2>/dev/null";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (fgets(buffer, sizeof buffer, pipe)) output += buffer;
        pclose(pipe);
    }
    return output;
}

std::string ZenityDriver::dialogWindow(const std::string& title) {
    const std::string found = xdotool("search --sync --name '^" + title + "$'");
    return found.substr(0, found.find('\n'));
}

void ZenityDriver::focus(const std::string& window) { xdotool("windowfocus --sync " + window); }

bool ZenityDriver::confirm(const std::function<bool()>& ended) {
    for (int attempt = 0; attempt < kConfirmAttempts; ++attempt) {
        xdotool("key Return");
        const auto deadline = std::chrono::steady_clock::now() + kConfirmWait;
        while (std::chrono::steady_clock::now() < deadline) {
            if (ended()) return true;
            std::this_thread::sleep_for(kPoll);
        }
    }
    return false;
}

}  // namespace gui::x11::test
