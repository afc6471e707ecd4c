#include "WholeNumber.h"

std::optional<long long> ParseWholeNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < trimmed.size() && (trimmed[i] == u'+' || trimmed[i] == u'-'))
        negative = trimmed[i++] == u'-';
    const qsizetype digits = trimmed.size() - i;
    if (digits < 1 || digits > 18)
        return std::nullopt;
    long long value = 0;
    for (; i < trimmed.size(); ++i) {
        const QChar ch = trimmed[i];
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return negative ? -value : value;
}
