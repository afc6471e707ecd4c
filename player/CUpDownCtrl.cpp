#include "CUpDownCtrl.h"

#include "WholeNumber.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

CUpDownCtrl::CUpDownCtrl(QWidget* parent)
    : QWidget(parent)
    , m_pUp(new QToolButton(this))
    , m_pDown(new QToolButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (QToolButton* button : {m_pUp, m_pDown}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(16, 11);
        layout->addWidget(button);
    }
    m_pUp->setArrowType(Qt::UpArrow);
    m_pUp->setObjectName(QStringLiteral("buttonUp"));
    m_pDown->setArrowType(Qt::DownArrow);
    m_pDown->setObjectName(QStringLiteral("buttonDown"));
    connect(m_pUp, &QToolButton::clicked, this, [this] { Step(1); });
    connect(m_pDown, &QToolButton::clicked, this, [this] { Step(-1); });
}

void CUpDownCtrl::SetBuddy(QLineEdit* buddy)
{
    if (m_pBuddy)
        m_pBuddy->removeEventFilter(this);
    m_pBuddy = buddy;
    if (m_pBuddy)
        m_pBuddy->installEventFilter(this);
}

void CUpDownCtrl::SetRange(int lower, int upper)
{
    m_nLower = lower;
    m_nUpper = upper;
    m_nPos = std::clamp(m_nPos, std::min(lower, upper), std::max(lower, upper));
}

void CUpDownCtrl::Step(int delta)
{
    if (!m_pBuddy || !isEnabled())
        return;
    const auto typed = ParseWholeNumber(m_pBuddy->text());
    const long long current = typed ? *typed : m_nPos;
    const long long low = std::min(m_nLower, m_nUpper), high = std::max(m_nLower, m_nUpper);
    m_nPos = static_cast<int>(std::clamp(current + delta, low, high));
    m_pBuddy->setText(QString::number(m_nPos));
}

bool CUpDownCtrl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_pBuddy && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
