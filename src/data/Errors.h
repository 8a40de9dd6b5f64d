#pragma once
// The two kinds of failure the program leaves to its general error handler:
// file input/output errors and text-to-number conversion errors. Both carry
// the exact text the user is shown.

#include <stdexcept>
#include <string>

namespace tb {

class InOutError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class ConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The platform text for an errno value: "File not found", "File access
// denied", "Disk full" or "I/O error %d".
std::string IoErrorText(int errnoValue);

[[noreturn]] void ThrowIoError(int errnoValue);

} // namespace tb
