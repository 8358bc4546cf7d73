#include "tools/kvx/plugin_instance.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>

namespace kvx {

namespace {

// dlopen searches the library path for a bare name; a plug-in argument is
// always meant as a file, so make it an explicit relative path.
std::string asFilePath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

}  // namespace

LibraryHandle openLibrary(const std::string& path, std::string& error) {
    dlerror();
    void* library = dlopen(asFilePath(path).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) {
        const char* reason = dlerror();
        error = oneLine(reason ? reason : "cannot load library");
    }
    return library;
}

// dlsym also searches the libraries that `library` depends on; only a symbol
// defined in the library itself counts as its export.
void* findSymbol(LibraryHandle library, const char* name) {
    if (!library) return nullptr;
    void* symbol = dlsym(library, name);
    link_map* map = nullptr;
    Dl_info info{};
    if (!symbol || dlinfo(library, RTLD_DI_LINKMAP, &map) != 0 || !dladdr(symbol, &info))
        return nullptr;
    const bool own = info.dli_fname && map->l_name && std::strcmp(info.dli_fname, map->l_name) == 0;
    return own ? symbol : nullptr;
}

EntryPoint findEntryPoint(LibraryHandle library) {
    for (const char* name : {"VSTPluginMain", "main"}) {
        if (void* symbol = findSymbol(library, name)) return reinterpret_cast<EntryPoint>(symbol);
    }
    return nullptr;
}

// The library stays loaded until the process ends, as in most hosts: a
// plug-in may keep process-wide caches (fonts, for one) that it releases only
// at exit, and unloading it early would strand them.
void closeLibrary(LibraryHandle) {}

}  // namespace kvx
