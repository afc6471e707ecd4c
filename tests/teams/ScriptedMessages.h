#pragma once

#include "shell/MessageService.h"

#include <QString>
#include <QStringList>

#include <deque>

// A message service for tests: records every message and answers the
// questions from a script (No when the script has run out). Installed for
// the lifetime of the object.
class ScriptedMessages : public IMessageService
{
public:
    ScriptedMessages() { SetMessageService(this); }
    ~ScriptedMessages() override { SetMessageService(nullptr); }
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    QStringList shown;
    QList<Buttons> buttons;
    QList<Icon> icons;
    std::deque<Answer> answers;

    void Clear()
    {
        shown.clear();
        buttons.clear();
        icons.clear();
    }

    Answer ShowMessage(QWidget*, const QString& text, Buttons b, Icon icon) override
    {
        shown << text;
        buttons << b;
        icons << icon;
        if (b == Buttons::Ok)
            return Answer::Ok;
        if (answers.empty())
            return Answer::No;
        const Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    void Beep() override {}
};
