#pragma once

#include "CMaskEdit.h"

#include "gamedata/GameDate.h"

#include <QString>

// The date-of-birth field: a masked edit on the pattern dd/mm/yyyy, read
// back as day/month/year whatever the user's locale, so that what the field
// shows and what it accepts are always the same format.
class CDateEdit : public CMaskEdit
{
    Q_OBJECT

public:
    explicit CDateEdit(QWidget* parent = nullptr);

    // Shows the date as dd/mm/yyyy; no date shows an empty field.
    void SetDate(const CDate& date);
    // The field's date; invalid when the text is not a date.
    CDate GetDate() const;
};

// "dd/mm/yyyy"; empty for no date.
QString FormatDate(const CDate& date);

// Day/month/year with one or two digits for day and month and a year from
// 100 to 9999; blanks around the text are ignored. Anything else, an empty
// text or an impossible date (31/02/1970, 29/02/2000 in the game's
// calendar) gives an invalid date.
CDate ParseDate(const QString& text);
