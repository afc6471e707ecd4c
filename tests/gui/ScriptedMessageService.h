#pragma once

#include "shell/MessageService.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <vector>

// The message service of the GUI tests: records every box and dialog the
// editor asks for, with its exact text, buttons, caption and filter, and
// answers from queues the test fills. A request with no scripted answer is
// recorded in `unscripted` (and answered No / Cancel / empty), so a test can
// insist that nothing unexpected was asked. Installed while it lives.
class ScriptedMessageService : public IMessageService
{
public:
    enum class Kind { Message, OpenFile, SaveFile, Folder };

    struct Request
    {
        Kind kind;
        QString text;    // message text or dialog caption
        Buttons buttons = Buttons::Ok;
        Icon icon = Icon::None;
        QString start;   // the folder or file the dialog starts on
        QString filter;
    };

    ScriptedMessageService();
    ~ScriptedMessageService() override;
    ScriptedMessageService(const ScriptedMessageService&) = delete;
    ScriptedMessageService& operator=(const ScriptedMessageService&) = delete;

    Answer ShowMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon) override;
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
        const QString& filter) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
        const QString& filter) override;
    QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) override;
    void Beep() override { ++beeps; }

    // Only the requests of one kind, in order.
    std::vector<Request> Of(Kind kind) const;
    QStringList MessageTexts() const;

    std::deque<Answer> answers;          // for message boxes that are not plain OK
    std::deque<QString> openFiles;       // "" = the user cancels
    std::deque<QString> saveFiles;
    std::deque<QString> folders;
    std::vector<Request> requests;       // everything asked, in order
    QStringList unscripted;
    int beeps = 0;
};
