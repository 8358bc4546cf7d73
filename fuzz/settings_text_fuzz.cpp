// Feeds arbitrary bytes to the settings file's parser. Whatever it accepts
// must be written back as a text that reads as the same values, and the
// text written must itself be a whole, well-formed file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/settings_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    SettingsValues values;
    if (!parseSettingsText(text, values)) {
        if (!values.empty()) std::abort();
        return 0;
    }
    const std::string written = formatSettingsText(values);
    SettingsValues again;
    if (!parseSettingsText(written, again) || again != values) std::abort();
    if (formatSettingsText(again) != written) std::abort();
    return 0;
}
