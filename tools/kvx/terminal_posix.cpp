#include "tools/kvx/terminal.h"

#include <unistd.h>

namespace kvx {

bool standardErrorIsTerminal() { return isatty(STDERR_FILENO) == 1; }

}  // namespace kvx
