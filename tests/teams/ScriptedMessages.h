#pragma once

#include "shell/MessageService.h"

#include <QStringList>

#include <deque>

// A message service for tests, installed while it lives: records every
// message and answers questions from a script (No once it has run out).
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
