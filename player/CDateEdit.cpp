#include "CDateEdit.h"

#include <QRegularExpression>

CDateEdit::CDateEdit(QWidget* parent)
    : CMaskEdit(parent)
{
    m_bUseMask = true;
    m_bDateRules = true;
    m_strMask = QStringLiteral("00/00/0000");
    m_strLiteral = QStringLiteral("__/__/____");
}

void CDateEdit::SetDate(const CDate& date)
{
    SetDefaultText(FormatDate(date));
}

CDate CDateEdit::GetDate() const
{
    return ParseDate(text());
}

QString FormatDate(const CDate& date)
{
    if (!date.valid)
        return {};
    return QString::asprintf("%02d/%02d/%04d", date.day, date.month, date.year);
}

CDate ParseDate(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral(R"(^\s*([0-9]{1,2})/([0-9]{1,2})/([0-9]{1,4})\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return {};
    const int day = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    const int year = match.captured(3).toInt();
    return GameDate::MakeDate(year, month, day).value_or(CDate{});
}
