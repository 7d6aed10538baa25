// Conversions between the program's text and times and Qt's.
#pragma once

#include <QDateTime>
#include <QString>
#include <string>
#include <string_view>

#include "platform/DateTime.h"

namespace zl {

inline QString Q(std::u16string_view s) {
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}
inline std::u16string U(const QString& s) { return s.toStdU16String(); }

inline DateTime FromQt(const QDateTime& t) {
    const QDate d = t.date();
    const QTime tm = t.time();
    return {d.year(), d.month(), d.day(), tm.hour(), tm.minute(), tm.second()};
}
inline QDateTime ToQt(const DateTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

}  // namespace zl
