#include "Errors.h"

#include <cerrno>

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
        return "File access denied";
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return "Disk full";
    default:
        return "I/O error " + std::to_string(errnoValue);
    }
}

void ThrowIoError(int errnoValue) {
    throw InOutError(IoErrorText(errnoValue));
}

} // namespace tb
