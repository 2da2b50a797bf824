#pragma once
// Text between the engine (8-bit std::string, UTF-8 on this platform) and Qt.

#include <QString>
#include <filesystem>
#include <string>

namespace corv {

inline QString ToQ(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string ToStd(const QString& s) {
    return s.toStdString();
}

inline std::filesystem::path ToPath(const QString& s) {
    return std::filesystem::path(s.toStdU16String());
}
inline QString FromPath(const std::filesystem::path& p) {
    return QString::fromStdU16String(p.u16string());
}

}  // namespace corv
