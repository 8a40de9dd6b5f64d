#pragma once
// The data files hold 8-bit text, shown as Latin-1.

#include <QString>
#include <QStringList>

#include <functional>
#include <iterator>
#include <string>

namespace tb {

inline QString ToQt(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string ToCore(const QString& text) {
    return text.toLatin1().toStdString();
}

// One text for each record: its `field`, shown as Latin-1.
template <class Records, class Field> QStringList TextsOf(const Records& records, Field field) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(std::size(records)));
    for (const auto& record : records)
        texts.append(ToQt(std::invoke(field, record)));
    return texts;
}

} // namespace tb
