// The one error type of the command-line host. Its message is shown to the
// user as a single line after "kvx: ", and the process exits non-zero.
#pragma once

#include <stdexcept>
#include <string>

namespace kvx {

class KvxError : public std::runtime_error {
public:
    explicit KvxError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kvx
