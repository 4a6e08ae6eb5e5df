// Which fonts are made for Japanese text.
#pragma once

#include <QStringView>

namespace pukana::rtf {

/// True for fonts made for Japanese text: a name with Japanese characters in it, or one of
/// the well-known Japanese font families. Their font-table entries get \fcharset128.
bool isJapaneseFontName(QStringView name);

} // namespace pukana::rtf
