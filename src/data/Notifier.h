#pragma once
// Where the file routines send the plain messages they show the user (a
// message box in the windowed program, a line on stderr in the command-line
// tool).

#include <string>

namespace tb {

class Notifier {
public:
    virtual ~Notifier() = default;
    virtual void Message(const std::string& text) = 0;
};

} // namespace tb
