#pragma once

#include <QColor>
#include <QFont>
#include <QString>

// The last character of a credit line says what the line is; it is never
// drawn. Backspace: a picture (the rest names it); tab: heading; line feed:
// main heading; carriage return: sub-heading; anything else: a normal line.
// An empty entry is a gap that keeps the previous line height.
struct CreditLineStyle
{
    enum class Kind { Gap, Picture, Heading, MainHeading, SubHeading, Normal };

    Kind kind = Kind::Gap;
    int pixelHeight = 0; // font height; also the line's height in ticks
    int weight = 400;    // 100 thin .. 700 bold
    bool underline = false;
    QColor colour;

    // A sans-serif font ("Arial" or the closest installed) of this style.
    QFont MakeFont() const;
};

CreditLineStyle StyleOfCreditLine(const QString& line);

// The line without its marker: the text to draw, or the picture's name.
QString CreditLineBody(const QString& line);
