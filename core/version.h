// Texts that present the program itself.
#pragma once

#include <QString>

namespace pukana {

inline QString versionText() {
    return QStringLiteral("version 1.04");
}
inline QString makerNotice() {
    return QStringLiteral("© 2026 Pukana developers");
}
inline QString makerAddress() {
    return QStringLiteral("https://pukana.example.org/");
}

} // namespace pukana
