#pragma once

#include "GameDescription.h"
#include "ScriptedMessageService.h"
#include "TempDir.h"

#include <QApplication>
#include <QByteArray>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <memory>

class CGame;
class COrbekApp;
class CPlayer;
class CPlayerAttributesView;

// The player tests' games (written by the synthetic builder, not the editor) and the editor started on one.
namespace playertest {

testgame::GameDescription MakeGame(int playerCount = 60); // 18 teams, the same every run
bool LoadGame(CGame& game, const testgame::GameDescription& description, const testgame::TempDir& dir);
// A 24-bit bitmap file of one colour; returns its path.
QString WriteBitmap(const QString& path, int width = 60, int height = 70, QColor colour = QColor(200, 40, 40));
QString PathIn(const testgame::TempDir& dir, const QString& name);

// The editor started on a game in the test's own folder, with scripted messages.
class FormFixture
{
public:
    FormFixture();
    ~FormFixture();
    bool Start(const testgame::GameDescription& game);

    COrbekApp& App() { return *m_app; }
    CPlayerAttributesView& Form();
    CPlayer& Player(std::uint32_t id);
    void Select(std::uint32_t id); // as a click in the tree does
    QString Label(std::uint32_t id); // the player's label in the tree
    template <typename T> T* Child(const char* name) { return FormWidget()->findChild<T*>(QString::fromLatin1(name)); }
    void Retype(const char* field, const QString& text); // select all, type
    QString GameFolder() const { return QString::fromStdString(m_dir.Path().string()); }
    QString GameFile() const { return m_strGameFile; }

    ScriptedMessageService m_messages;

private:
    QWidget* FormWidget();
    testgame::TempDir m_dir;
    QString m_strGameFile;
    std::unique_ptr<COrbekApp> m_app;
};

// Runs `act` on the modal dialog of type T once the caller opens it; a
// dialog left open, or another one, is closed so the run cannot hang.
template <typename T>
void WhenModalOpens(std::function<void(T*)> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act, tries] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog && ++*tries <= 200)
            return;
        poll->stop();
        poll->deleteLater();
        if (dialog) {
            act(dialog);
            if (dialog->isVisible()) {
                qWarning("the dialog is still open");
                dialog->reject();
            }
        } else if (QWidget* other = QApplication::activeModalWidget()) {
            other->close();
        }
    });
    poll->start(10);
}

// The whole file, or nothing when it cannot be read.
QByteArray ReadBytes(const QString& path);

} // namespace playertest
