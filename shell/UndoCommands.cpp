// The frame's Undo and Redo commands and the History panel.
#include "CMainFrame.h"

#include "COrbekApp.h"
#include "Commands.h"
#include "services/HtmlHelp.h"

#include <QAction>
#include <QDockWidget>
#include <QEvent>
#include <QUndoStack>
#include <QUndoView>

namespace {

// "&Undo Edit Smith J\tCtrl+Z": the command names the step it acts on.
void NameStep(QAction& action, const QString& verb, const QString& step, const char* key)
{
    const QString plainVerb = QString(verb).remove(QLatin1Char('&'));
    if (step.isEmpty()) {
        action.setText(verb + QLatin1Char('\t') + QString::fromLatin1(key));
        action.setToolTip(plainVerb);
        return;
    }
    QString escaped = step;
    escaped.replace(QLatin1Char('&'), QStringLiteral("&&")); // a name's "&" is no mnemonic
    action.setText(verb + QLatin1Char(' ') + escaped + QLatin1Char('\t') + QString::fromLatin1(key));
    action.setToolTip(plainVerb + QLatin1Char(' ') + step);
}

} // namespace

void CMainFrame::CreateHistory()
{
    QUndoStack& history = m_app.Document().History();
    QAction* undo = Action(Command::kUndo);
    QAction* redo = Action(Command::kRedo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    const auto follow = [this, undo, redo] {
        QUndoStack& stack = m_app.Document().History();
        NameStep(*undo, tr("&Undo"), stack.undoText(), "Ctrl+Z");
        NameStep(*redo, tr("&Redo"), stack.redoText(), "Ctrl+Y");
        undo->setEnabled(stack.canUndo());
        redo->setEnabled(stack.canRedo());
    };
    connect(&history, &QUndoStack::indexChanged, this, follow);
    connect(&history, &QUndoStack::cleanChanged, this, follow);
    follow();

    m_wndHistory = new QDockWidget(tr("History"), this);
    m_wndHistory->setObjectName(QStringLiteral("historyPanel"));
    auto* view = new QUndoView(&history, m_wndHistory);
    view->setObjectName(QStringLiteral("historyView"));
    view->setEmptyLabel(tr("<as loaded>"));
    view->setToolTip(tr("The steps of your edits since the file was opened: click one to go back to it.\n"
                        "A photo copied by \"Photo...\" is a file of its own, not a step: it stays."));
    // A click or key that moves through the steps commits the form first.
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    m_wndHistory->setWidget(view);
    AttachHelp(m_wndHistory, "Orbek.chm::/Html/History.htm");
    addDockWidget(Qt::RightDockWidgetArea, m_wndHistory);
    m_wndHistory->hide();

    QAction* toggle = Action(Command::kHistory);
    toggle->setCheckable(true);
    toggle->setChecked(false);
    connect(toggle, &QAction::toggled, m_wndHistory, &QDockWidget::setVisible);
    connect(m_wndHistory->toggleViewAction(), &QAction::toggled, toggle, &QAction::setChecked);
}

bool CMainFrame::CommitBeforeHistoryMove(QObject* watched, QEvent* event)
{
    const auto* view = m_wndHistory ? qobject_cast<QUndoView*>(m_wndHistory->widget()) : nullptr;
    if (!view || (watched != view && watched != view->viewport()))
        return false;
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::KeyPress)
        return false;
    // A refused commit keeps the step where it is.
    return !CommitCurrentPlayer();
}

void CMainFrame::OnUndo()
{
    if (CommitCurrentPlayer())
        m_app.Document().History().undo();
}

void CMainFrame::OnRedo()
{
    if (CommitCurrentPlayer())
        m_app.Document().History().redo();
}
