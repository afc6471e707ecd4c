#pragma once

#include "extras/UrlOpener.h"

#include <QString>
#include <QStringList>

// Answers every web address with a fixed result code, so that no browser is
// ever started, and notes "address showCommand" of each, while it lives.
struct ScriptedOpener
{
    explicit ScriptedOpener(int code)
    {
        SetUrlOpener([this, code](const QString& address, int show) {
            opened << address + ' ' + QString::number(show);
            return code;
        });
    }
    ~ScriptedOpener() { SetUrlOpener({}); }
    ScriptedOpener(const ScriptedOpener&) = delete;
    ScriptedOpener& operator=(const ScriptedOpener&) = delete;
    QStringList opened;
};
