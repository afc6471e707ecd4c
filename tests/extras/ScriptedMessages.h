#pragma once

#include "extras/UrlOpener.h"
#include "shell/MessageService.h"

#include <QString>
#include <QStringList>

#include <vector>

// Records every message and beep instead of showing them, while it lives.
class ScriptedMessages : public IMessageService
{
public:
    struct Shown { QString text; Buttons buttons; Icon icon; };

    ScriptedMessages() { SetMessageService(this); }
    ~ScriptedMessages() override { SetMessageService(nullptr); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    Answer ShowMessage(QWidget*, const QString& text, Buttons buttons, Icon icon) override
    {
        shown.push_back({text, buttons, icon});
        return Answer::Ok;
    }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    void Beep() override { ++beeps; }

    std::vector<Shown> shown;
    int beeps = 0;
};

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
