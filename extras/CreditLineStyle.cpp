#include "extras/CreditLineStyle.h"

CreditLineStyle StyleOfCreditLine(const QString& line)
{
    CreditLineStyle style;
    if (line.isEmpty())
        return style;
    switch (line.back().unicode()) {
    case 8:
        style.kind = CreditLineStyle::Kind::Picture;
        return style;
    case 9:
        style = {CreditLineStyle::Kind::Heading, 17, 700, false, QColor(0, 255, 255)};
        return style;
    case 10:
        style = {CreditLineStyle::Kind::MainHeading, 21, 700, true, QColor(255, 0, 0)};
        return style;
    case 13:
        style = {CreditLineStyle::Kind::SubHeading, 19, 700, false, QColor(255, 255, 0)};
        return style;
    default:
        style = {CreditLineStyle::Kind::Normal, 15, 100, false, QColor(255, 255, 255)};
        return style;
    }
}

QString CreditLineBody(const QString& line)
{
    return line.isEmpty() ? line : line.first(line.size() - 1);
}

QFont CreditLineStyle::MakeFont() const
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
        QStringLiteral("DejaVu Sans")});
    font.setStyleHint(QFont::SansSerif, QFont::PreferQuality);
    font.setPixelSize(pixelHeight > 0 ? pixelHeight : 15);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setUnderline(underline);
    return font;
}
