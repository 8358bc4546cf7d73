// Loading a shared library and finding its symbols. With terminal.h, this is
// all of the host that depends on the operating system; a port to another
// system replaces the two implementation files and nothing else.
#pragma once

#include <string>

#include "host/vst2.h"

namespace kvx {

using LibraryHandle = void*;

// Opens the library at `path` (a file path, never a search by name). Returns
// null and fills `error` with a one-line reason on failure.
LibraryHandle openLibrary(const std::string& path, std::string& error);

// The address of an exported symbol, or null.
void* findSymbol(LibraryHandle library, const char* name);

void closeLibrary(LibraryHandle library);

// The library's own VST 2.4 entry point: VSTPluginMain, else the older name
// main that some libraries still export alone; null when it has neither.
using EntryPoint = AEffect* (*)(audioMasterCallback);
EntryPoint findEntryPoint(LibraryHandle library);

}  // namespace kvx
