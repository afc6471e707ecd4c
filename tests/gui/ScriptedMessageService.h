#pragma once

#include "services/MessageService.h"

#include <QStringList>

#include <deque>
#include <vector>

// The GUI tests' message service, installed while it lives: records every box
// and dialog exactly and answers from the queues the test fills. A question
// with no answer queued gets No (Cancel for OK/Cancel), a dialog "" (cancelled).
class ScriptedMessageService : public IMessageService
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Folder };
    struct Request
    {
        Kind kind;
        QString text; // message text or dialog caption
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString start; // the folder or file the dialog starts on
    };
    // A queued answer, or Escape (what closing the box answers).
    struct Reply
    {
        Reply(Answer a, bool escaped = false) : answer(a), escape(escaped) {} // NOLINT: queued as plain answers
        static Reply Escape() { return Reply(Answer::Cancel, true); }
        Answer answer;
        bool escape;
    };

    ScriptedMessageService() { SetMessageService(this); }
    ~ScriptedMessageService() override { SetMessageService(nullptr); }
    ScriptedMessageService(const ScriptedMessageService&) = delete;
    ScriptedMessageService& operator=(const ScriptedMessageService&) = delete;

    Answer ShowMessage(QWidget*, const QString& text, Buttons buttons, Icon icon) override
    {
        requests.push_back({Kind::Message, text, buttons, icon, {}});
        if (buttons == Buttons::Ok)
            return Answer::Ok;
        const Reply reply = Next(answers, Reply(buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No));
        return reply.escape ? EscapeAnswer(buttons) : reply.answer;
    }
    QString GetOpenFileName(QWidget*, const QString& caption, const QString& folder, const QString&) override
    {
        return Dialog({Kind::OpenFile, caption, Buttons::Ok, Icon::None, folder}, openFiles);
    }
    QString GetSaveFileName(QWidget*, const QString& caption, const QString& path, const QString&) override
    {
        return Dialog({Kind::SaveFile, caption, Buttons::Ok, Icon::None, path}, saveFiles);
    }
    QString GetExistingDirectory(QWidget*, const QString& caption, const QString& folder) override
    {
        return Dialog({Kind::Folder, caption, Buttons::Ok, Icon::None, folder}, folders);
    }
    void Beep() override { ++beeps; }

    std::vector<Request> Of(Kind kind) const // in order
    {
        std::vector<Request> out;
        for (const Request& request : requests)
            if (request.kind == kind)
                out.push_back(request);
        return out;
    }
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const Request& request : Of(Kind::Message))
            texts << request.text;
        return texts;
    }
    // Forgets what was asked so far, so a test can check one step on its own;
    // answers still queued stay queued.
    void Clear()
    {
        requests.clear();
        beeps = 0;
    }

    std::deque<Reply> answers; // for boxes that are not plain OK
    std::deque<QString> openFiles, saveFiles, folders;
    std::vector<Request> requests; // everything asked, in order
    int beeps = 0;

private:
    template <typename T>
    static T Next(std::deque<T>& queue, T none)
    {
        if (queue.empty())
            return none;
        T next = queue.front();
        queue.pop_front();
        return next;
    }
    QString Dialog(const Request& request, std::deque<QString>& queue)
    {
        requests.push_back(request);
        return Next(queue, QString());
    }
};
