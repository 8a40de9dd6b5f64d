#include "Errors.h"

#include <cerrno>
#include <cstring>

namespace tb {

std::string IoErrorText(int errnoValue) {
    switch (errnoValue) {
    case ENOENT:
        return "File not found";
    case ENOTDIR:
        return "Path not found";
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
    case EISDIR: // a folder where a data file should be
    case ENXIO:  // a FIFO or device where a data file should be
        return "File access denied";
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errnoValue);
    }
}

std::string InOutError::ShownText(const std::string& text, int errnoValue,
                                  const std::filesystem::path& file) {
    if (file.empty()) return text;
    std::string shown = text + "\n" + file.filename().string();
    if (errnoValue != 0) shown += std::string(": ") + std::strerror(errnoValue);
    return shown;
}

void ThrowIoError(int errnoValue) {
    throw InOutError(IoErrorText(errnoValue), errnoValue);
}

void ThrowIoError(int errnoValue, const std::filesystem::path& file) {
    throw InOutError(IoErrorText(errnoValue), errnoValue, file);
}

bool IsMissingFileError(const InOutError& error) {
    return error.ErrnoValue() == ENOENT;
}

std::string ShowNuls(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (char c : text) {
        if (c == '\0')
            shown += "\\0";
        else
            shown += c;
    }
    return shown;
}

} // namespace tb
