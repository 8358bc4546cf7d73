// Drives the desktop's dialog program (zenity) on the test display as a user
// would, with xdotool, and gives it a home folder of its own so that it finds
// neither the user's settings nor KDE's.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace gui::x11::test {

class ZenityDriver {
public:
    // Points the home and configuration variables at `home` until the driver ends.
    explicit ZenityDriver(const std::string& home);
    ~ZenityDriver();  // puts every variable it changed back
    ZenityDriver(const ZenityDriver&) = delete;
    ZenityDriver& operator=(const ZenityDriver&) = delete;

    // Sets (or with null removes) an environment variable until the driver ends.
    void setVariable(const char* name, const char* value);

    // Runs an xdotool command line (our own fixed text and temporary paths)
    // and returns its output; each run is bounded in time.
    static std::string xdotool(const std::string& arguments);
    // The window titled `title` once it shows (empty when it did not in time).
    static std::string dialogWindow(const std::string& title);
    // Gives `window` the keyboard. Keys chained after a window in one xdotool
    // run go to it as sent events, which the program ignores; so it is a run
    // of its own.
    static void focus(const std::string& window);
    // Presses Return until `ended` holds: the program drops a Return that
    // comes while it still completes the typed name. False when it never did.
    static bool confirm(const std::function<bool()>& ended);

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

}  // namespace gui::x11::test
