#pragma once

#include "CMaskEdit.h"

// A masked time field on the pattern hh:mm, limited to the hours in
// m_strHours and the minutes in m_strMinutes. The editor itself has no time
// field; the class completes the family for whoever needs one.
class CTimeEdit : public CMaskEdit
{
    Q_OBJECT

public:
    explicit CTimeEdit(QWidget* parent = nullptr)
        : CMaskEdit(parent)
    {
        m_bUseMask = true;
        m_bDateRules = false;
        m_strMask = QStringLiteral("00:00");
        m_strLiteral = QStringLiteral("__:__");
    }
};
