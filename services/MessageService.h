#pragma once

#include <QString>

class QWidget;

// Every message box, file dialog, folder browser and warning beep of the
// editor goes through this service, so tests can script the answers and
// check each text exactly. The real service shows Qt dialogs titled "Orbek".
class IMessageService
{
public:
    enum class Icon { None, Information, Question, Warning, Error };
    // YesNoEscapeCancels shows Yes and No; Escape or closing the box
    // answers Cancel (the question's action is called off).
    enum class Buttons { Ok, YesNo, YesNoCancel, OkCancel, YesNoEscapeCancels };
    enum class Answer { Ok, Yes, No, Cancel };

    // What Escape or closing the box answers: No for Yes/No, OK for OK,
    // else Cancel.
    static Answer EscapeAnswer(Buttons buttons);

    virtual ~IMessageService() = default;

    virtual Answer ShowMessage(QWidget* parent, const QString& text, Buttons buttons = Buttons::Ok,
        Icon icon = Icon::None) = 0;
    // Empty when the user cancels. The save dialog asks nothing about an
    // existing file: its caller asks once it knows the name it will write.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
        const QString& filter) = 0;
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
        const QString& filter) = 0;
    virtual QString GetExistingDirectory(QWidget* parent, const QString& caption, const QString& folder) = 0;
    virtual void Beep() = 0;
};

// The service in use: the Qt one unless a test installed its own.
IMessageService& Messages();
// Installs a service (not owned); null puts the Qt one back.
void SetMessageService(IMessageService* service);
