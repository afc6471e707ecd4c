#include "checking/CloseHelpButtons.h"

#include "services/HtmlHelp.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

QDialogButtonBox* CloseHelpButtons(QDialog* window, const char* helpTopic)
{
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, window);
    AttachHelp(window, helpTopic, buttons);
    for (QAbstractButton* button : buttons->buttons())
        if (auto* push = qobject_cast<QPushButton*>(button))
            push->setAutoDefault(false);
    QObject::connect(buttons, &QDialogButtonBox::rejected, window, &QDialog::close);
    return buttons;
}
