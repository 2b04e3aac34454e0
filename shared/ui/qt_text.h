#pragma once
// UTF-8 texts of the Qt-free layers as Qt strings, and back.
#include <QString>
#include <string>
#include <string_view>

namespace quorla::ui {

inline QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string S(const QString& s) { return s.toStdString(); }

}  // namespace quorla::ui
