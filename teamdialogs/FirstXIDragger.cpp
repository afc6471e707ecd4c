#include "teamdialogs/FirstXIDragger.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QTreeWidget>

namespace {

// The image's hot spot: the cursor sits 8 pixels into it.
const QPoint kHotSpot(8, 8);

} // namespace

CFirstXIDragger::CFirstXIDragger(QTreeWidget& firstXI, QTreeWidget& teamList, DropFn onDrop, QObject* parent)
    : QObject(parent)
    , m_listFirstXI(firstXI)
    , m_listTeam(teamList)
    , m_onDrop(std::move(onDrop))
    , m_firstXIViewport(firstXI.viewport())
{
    m_firstXIViewport->installEventFilter(this);
}

CFirstXIDragger::~CFirstXIDragger()
{
    delete m_pDragImage;
}

bool CFirstXIDragger::eventFilter(QObject* watched, QEvent* event)
{
    // The viewport kept from the start: while the list is being destroyed its
    // viewport still sends events, and the half-destroyed list must not be asked.
    if (watched != m_firstXIViewport)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            QTreeWidgetItem* item = m_listFirstXI.itemAt(mouse->position().toPoint());
            m_nPressIndex = item ? m_listFirstXI.indexOfTopLevelItem(item) : -1;
            m_ptPress = mouse->position().toPoint();
        }
        break;
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_bDragging) {
            DragMove(mouse->globalPosition().toPoint());
            return true;
        }
        if ((mouse->buttons() & Qt::LeftButton) && m_nPressIndex >= 0
            && (mouse->position().toPoint() - m_ptPress).manhattanLength() >= QApplication::startDragDistance()) {
            BeginDrag(m_nPressIndex, m_listFirstXI.viewport()->mapToGlobal(m_ptPress));
            DragMove(mouse->globalPosition().toPoint());
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_nPressIndex = -1;
        if (m_bDragging && mouse->button() == Qt::LeftButton) {
            EndDrag(mouse->globalPosition().toPoint());
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CFirstXIDragger::BeginDrag(int index, const QPoint& globalPos)
{
    QTreeWidgetItem* item = m_listFirstXI.topLevelItem(index);
    if (!item)
        return;
    m_nDragIndex = index;
    delete m_pDragImage;
    m_pDragImage = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
    m_pDragImage->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_pDragImage->setPixmap(m_listFirstXI.viewport()->grab(m_listFirstXI.visualItemRect(item)));
    m_pDragImage->adjustSize();
    m_pDragImage->setWindowOpacity(0.7);
    m_pDragImage->move(globalPos - kHotSpot);
    m_pDragImage->show();
    m_bDragging = true;
    m_nDropIndex = -1;
    m_pDropWnd = m_listFirstXI.viewport();
    m_ptDrop = m_pDropWnd->mapFromGlobal(globalPos);
}

void CFirstXIDragger::DragMove(const QPoint& globalPos)
{
    if (!m_bDragging)
        return;
    if (m_pDragImage)
        m_pDragImage->move(globalPos - kHotSpot);
    m_pDropWnd = WindowAt(globalPos);
    if (m_pDropWnd)
        m_ptDrop = m_pDropWnd->mapFromGlobal(globalPos);
}

void CFirstXIDragger::EndDrag(const QPoint& globalPos)
{
    if (!m_bDragging)
        return;
    m_bDragging = false;
    delete m_pDragImage;
    m_pDragImage = nullptr;
    m_pDropWnd = WindowAt(globalPos);
    // Only the two lists take a drop; their headers are other windows.
    if (m_pDropWnd && (m_pDropWnd == m_listFirstXI.viewport() || m_pDropWnd == m_listTeam.viewport()))
        DropFirstXIEntry();
}

QWidget* CFirstXIDragger::WindowAt(const QPoint& globalPos) const
{
    // The drag image is transparent for input, so it is never the answer.
    const bool shown = m_pDragImage && m_pDragImage->isVisible();
    if (shown)
        m_pDragImage->hide();
    QWidget* window = QApplication::widgetAt(globalPos);
    if (shown)
        m_pDragImage->show();
    return window;
}

void CFirstXIDragger::DropFirstXIEntry()
{
    // The point where the cursor was last seen, in the window it was over,
    // taken as a point of the First XI list.
    const QPoint point = m_ptDrop + QPoint(0, kDropOffset);
    QTreeWidgetItem* target = m_listFirstXI.itemAt(point);
    m_nDropIndex = target ? m_listFirstXI.indexOfTopLevelItem(target) : m_listFirstXI.topLevelItemCount();
    if (m_onDrop)
        m_onDrop(m_nDragIndex, m_nDropIndex);
}
