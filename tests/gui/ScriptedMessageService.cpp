#include "ScriptedMessageService.h"

namespace {

template <typename T>
bool Take(std::deque<T>& queue, T& out)
{
    if (queue.empty())
        return false;
    out = queue.front();
    queue.pop_front();
    return true;
}

} // namespace

ScriptedMessageService::ScriptedMessageService()
{
    SetMessageService(this);
}

ScriptedMessageService::~ScriptedMessageService()
{
    SetMessageService(nullptr);
}

IMessageService::Answer ScriptedMessageService::ShowMessage(QWidget*, const QString& text, Buttons buttons, Icon icon)
{
    requests.push_back({Kind::Message, text, buttons, icon, {}, {}});
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    Answer answer = Answer::No;
    if (!Take(answers, answer)) {
        unscripted << QStringLiteral("message: ") + text;
        return buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
    }
    return answer;
}

QString ScriptedMessageService::GetOpenFileName(QWidget*, const QString& caption, const QString& folder,
    const QString& filter)
{
    requests.push_back({Kind::OpenFile, caption, Buttons::Ok, Icon::None, folder, filter});
    QString file;
    if (!Take(openFiles, file))
        unscripted << QStringLiteral("open dialog: ") + caption;
    return file;
}

QString ScriptedMessageService::GetSaveFileName(QWidget*, const QString& caption, const QString& path,
    const QString& filter)
{
    requests.push_back({Kind::SaveFile, caption, Buttons::Ok, Icon::None, path, filter});
    QString file;
    if (!Take(saveFiles, file))
        unscripted << QStringLiteral("save dialog: ") + caption;
    return file;
}

QString ScriptedMessageService::GetExistingDirectory(QWidget*, const QString& caption, const QString& folder)
{
    requests.push_back({Kind::Folder, caption, Buttons::Ok, Icon::None, folder, {}});
    QString chosen;
    if (!Take(folders, chosen))
        unscripted << QStringLiteral("folder browser: ") + caption;
    return chosen;
}

std::vector<ScriptedMessageService::Request> ScriptedMessageService::Of(Kind kind) const
{
    std::vector<Request> out;
    for (const Request& request : requests)
        if (request.kind == kind)
            out.push_back(request);
    return out;
}

QStringList ScriptedMessageService::MessageTexts() const
{
    QStringList texts;
    for (const Request& request : Of(Kind::Message))
        texts << request.text;
    return texts;
}
