#include "COrbekStatusBar.h"

#include "KeyboardLocks.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

COrbekStatusBar::COrbekStatusBar(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("statusBar"));
    m_ready = new QLabel(tr("Ready"), this);
    m_ready->setObjectName(QStringLiteral("statusMessage"));
    // A normal widget: command prompts cover it and it shows again after them.
    addWidget(m_ready, 1);

    const char* names[3] = {"CAP", "NUM", "SCRL"};
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(QString::fromLatin1(names[i]), this);
        label->setObjectName(QStringLiteral("indicator%1").arg(QString::fromLatin1(names[i])));
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
        addPermanentWidget(label);
        m_indicators[i] = label;
    }
    qApp->installEventFilter(this);
    UpdateIndicators();
}

void COrbekStatusBar::UpdateIndicators()
{
    const auto locks = KeyboardLocks::Query();
    const bool lit[3] = {locks && locks->capsLock, locks && locks->numLock, locks && locks->scrollLock};
    for (int i = 0; i < 3; ++i)
        m_indicators[i]->setEnabled(lit[i]);
}

bool COrbekStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyRelease:
        // Seen once per key, on its way through the native window.
        if (watched->isWindowType())
            UpdateIndicators();
        break;
    case QEvent::ApplicationStateChange:
        UpdateIndicators();
        break;
    default:
        break;
    }
    return QStatusBar::eventFilter(watched, event);
}
