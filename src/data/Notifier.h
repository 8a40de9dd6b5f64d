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
    // That a file holds more lines than its list takes ("... only the first
    // 200 were read."). The windowed program says it once per file and run.
    virtual void PartlyRead(const std::string& text) { Message(text); }
};

} // namespace tb
