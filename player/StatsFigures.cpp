#include "StatsFigures.h"

#include <algorithm>
#include <limits>

namespace StatsFigures {

namespace {

QString Quotient(double dividend, long long divisor)
{
    if (divisor == 0)
        return {};
    return QString::asprintf("%.2f", dividend / static_cast<double>(divisor));
}

} // namespace

QString BattingAverage(std::int32_t runs, std::int32_t innings, std::int32_t notOuts)
{
    return Quotient(runs, static_cast<long long>(innings) - notOuts);
}

QString BowlingAverage(std::int32_t runsConceded, std::int32_t wickets)
{
    return Quotient(runsConceded, wickets);
}

QString RunsPerOver(std::int32_t runsConceded, std::int32_t balls)
{
    return Quotient(runsConceded, balls / 6);
}

QString BestBowling(std::int32_t first, std::int32_t second)
{
    return QStringLiteral("%1-%2").arg(first).arg(second);
}

std::optional<std::pair<std::int32_t, std::int32_t>> ParseBestBowling(const QString& text)
{
    if (text.isEmpty())
        return std::pair<std::int32_t, std::int32_t>{0, 0};
    const qsizetype hyphen = text.indexOf(u'-');
    if (hyphen < 0)
        return std::nullopt;
    return std::pair{LeadingNumber(QStringView(text).left(hyphen)), LeadingNumber(QStringView(text).mid(hyphen + 1))};
}

std::int32_t LeadingNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    long long value = 0;
    constexpr long long kLimit = static_cast<long long>(std::numeric_limits<std::int32_t>::max()) + 1;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(kLimit, value * 10 + (text[i].unicode() - u'0'));
    if (negative)
        return static_cast<std::int32_t>(-value);
    return static_cast<std::int32_t>(std::min<long long>(value, std::numeric_limits<std::int32_t>::max()));
}

} // namespace StatsFigures
