#pragma once

#include "shell/MessageService.h"

#include <QStringList>

#include <deque>

// Stands in for the message service during a test: records every message
// and beep, answers questions from a script (Yes when the script is empty).
class ScriptedMessages : public IMessageService
{
public:
    ScriptedMessages() { SetMessageService(this); }
    ~ScriptedMessages() override { SetMessageService(nullptr); }

    Answer ShowMessage(QWidget*, const QString& text, Buttons buttons, Icon) override
    {
        m_messages.append(text);
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        if (m_answers.empty())
            return Answer::Yes;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetSaveFileName(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString GetExistingDirectory(QWidget*, const QString&, const QString&) override { return {}; }
    void Beep() override { ++m_nBeeps; }

    void QueueAnswer(Answer answer) { m_answers.push_back(answer); }
    void Clear()
    {
        m_messages.clear();
        m_nBeeps = 0;
    }

    QStringList m_messages;
    int m_nBeeps = 0;

private:
    std::deque<Answer> m_answers;
};
