// SQL literals of typed texts.
#include "server/data/SqlLiteral.h"

namespace server {

namespace {

QString escapedForLike(const QString &text)
{
    QString out;
    out.reserve(text.size() + 4);
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('%') || c == QLatin1Char('_'))
            out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

QString likePattern(const QString &pattern)
{
    return sqlText(pattern) + QStringLiteral(" ESCAPE '\\'");
}

} // namespace

QString sqlText(const QString &text)
{
    QString doubled = text;
    doubled.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + doubled + QLatin1Char('\'');
}

QString sqlLikePrefix(const QString &prefix)
{
    return likePattern(escapedForLike(prefix) + QLatin1Char('%'));
}

QString sqlLikeContaining(const QString &part)
{
    return likePattern(QLatin1Char('%') + escapedForLike(part) + QLatin1Char('%'));
}

} // namespace server
