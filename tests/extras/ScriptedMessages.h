#pragma once

#include "shell/MessageService.h"

#include <QString>

#include <vector>

// Records every message and beep instead of showing them; installed for the
// lifetime of the object.
class ScriptedMessages : public IMessageService
{
public:
    struct Shown
    {
        QString text;
        Buttons buttons;
        Icon icon;
    };

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
