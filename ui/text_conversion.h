#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace quadripolo::ui {

// Text crosses between the commands and the widgets as UTF-8.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStdString(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return {utf8.constData(), static_cast<std::size_t>(utf8.size())};
}

}  // namespace quadripolo::ui
