#include "tools/kvx/program_selection.h"

#include "tools/kvx/kvx_error.h"
#include "tools/kvx/plugin_instance.h"

namespace kvx {

namespace {

bool namesByIndex(PluginInstance& plugin, std::vector<std::string>& names) {
    for (VstInt32 p = 0; p < plugin.effect().numPrograms; ++p) {
        VstIntPtr answered = 0;
        names.push_back(plugin.text(effGetProgramNameIndexed, p, &answered));
        if (!answered) return false;
    }
    return true;
}

std::vector<std::string> namesBySelection(PluginInstance& plugin) {
    std::vector<std::string> names;
    const VstIntPtr previous = plugin.dispatch(effGetProgram);
    for (VstInt32 p = 0; p < plugin.effect().numPrograms; ++p) {
        plugin.dispatch(effSetProgram, 0, p);
        names.push_back(plugin.text(effGetProgramName));
    }
    plugin.dispatch(effSetProgram, 0, previous);
    return names;
}

}  // namespace

std::vector<std::string> programNames(PluginInstance& plugin) {
    std::vector<std::string> names;
    if (namesByIndex(plugin, names)) return names;
    return namesBySelection(plugin);
}

void selectProgram(PluginInstance& plugin, int program) {
    const VstInt32 count = plugin.effect().numPrograms;
    if (program < 0 || program >= count)
        throw KvxError("no program " + std::to_string(program) + " (the plug-in has " +
                       std::to_string(count) + ")");
    plugin.dispatch(effSetProgram, 0, program);
}

}  // namespace kvx
