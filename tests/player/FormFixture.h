#pragma once

#include "GameDescription.h"
#include "ScriptedMessages.h"
#include "TempDir.h"

#include <QApplication>
#include <QWidget>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>

class COrbekApp;
class CPlayer;
class CPlayerAttributesView;
class QLineEdit;

namespace playertest {

// The editor started on a game written by the synthetic builder, its game
// folder being the test's own folder, with scripted messages.
class FormFixture
{
public:
    FormFixture();
    ~FormFixture();

    // Writes the game and starts the editor on it; false when that failed.
    bool Start(const testgame::GameDescription& game);

    COrbekApp& App() { return *m_app; }
    CPlayerAttributesView& Form();
    CPlayer& Player(std::uint32_t id);
    // Selects the player in the tree, as a click does (the form shows him).
    void Select(std::uint32_t id);
    // The player's label in the tree.
    QString Label(std::uint32_t id);
    // A child of the form by object name.
    template <typename T>
    T* Child(const char* name) { return FormWidget()->findChild<T*>(QString::fromLatin1(name)); }
    // Replaces a field's text as a user does (select all, type).
    void Retype(const char* field, const QString& text);

    const testgame::TempDir& Dir() const { return m_dir; }
    QString GameFolder() const;
    QString GameFile() const { return m_strGameFile; }

    ScriptedMessages m_messages;

private:
    QWidget* FormWidget();

    testgame::TempDir m_dir;
    QString m_strGameFile;
    std::unique_ptr<COrbekApp> m_app;
};

// Runs `act` on the modal dialog of type T once it is open (the caller then
// opens it); fails the running test when none opens.
template <typename T>
void WhenModalOpens(std::function<void(T*)> act)
{
    auto* poll = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act, tries] {
        if (auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
            // A dialog the test failed to close must not hang the run.
            if (dialog->isVisible()) {
                qWarning("the dialog is still open");
                dialog->reject();
            }
        } else if (++*tries > 200) {
            poll->stop();
            poll->deleteLater();
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
    });
    poll->start(10);
}

} // namespace playertest
