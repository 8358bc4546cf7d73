// The kvx commands. Each takes the arguments after its name, returns the
// process exit status and throws KvxError for anything that stops it.
#pragma once

#include "tools/kvx/options.h"

namespace kvx {

int runInfo(const Arguments& args);
int runRender(const Arguments& args);
int runDemo(const Arguments& args);
int runShot(const Arguments& args);

}  // namespace kvx
