// Whether the standard error stream is an interactive terminal (platform).
#pragma once

namespace kvx {

bool standardErrorIsTerminal();

}  // namespace kvx
