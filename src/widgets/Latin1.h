#pragma once
// The data files hold 8-bit text, shown as Latin-1.

#include <QString>
#include <string>

namespace tb {

inline QString ToQt(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToCore(const QString& text) {
    return text.toLatin1().toStdString();
}

} // namespace tb
