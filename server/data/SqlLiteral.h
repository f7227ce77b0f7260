// Texts an operator typed, made into SQL literals that cannot end themselves: the quote is doubled,
// and in a LIKE pattern the wildcards and the escape character stand for themselves.
#pragma once

#include <QString>

namespace server {

/// 'text' with every quote doubled.
QString sqlText(const QString &text);
/// The pattern of LIKE for the texts that begin with prefix: 'prefix%' with its escape character, the
/// backslash; the percent sign, the underscore and the backslash of prefix match themselves.
QString sqlLikePrefix(const QString &prefix);
/// The pattern of LIKE for the texts that contain part: '%part%' with the same escape.
QString sqlLikeContaining(const QString &part);

} // namespace server
