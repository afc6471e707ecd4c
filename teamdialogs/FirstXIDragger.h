#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <functional>

class QLabel;
class QTreeWidget;
class QWidget;

// Reorders the First XI list by dragging one entry with the left button.
// The drop point is taken 10 pixels below the cursor; a release over the
// Team List counts as the same point inside the First XI list; a release
// anywhere else (a column header included) changes nothing. The owner gets
// the entry's index and the index it goes before (the entry count for the
// end) and moves the entry itself.
class CFirstXIDragger : public QObject
{
    Q_OBJECT

public:
    using DropFn = std::function<void(int dragIndex, int dropIndex)>;

    CFirstXIDragger(QTreeWidget& firstXI, QTreeWidget& teamList, DropFn onDrop, QObject* parent = nullptr);
    ~CFirstXIDragger() override;

    bool IsDragging() const { return m_bDragging; }

    // The three steps of a drag, in global (screen) coordinates.
    void BeginDrag(int index, const QPoint& globalPos);
    void DragMove(const QPoint& globalPos);
    void EndDrag(const QPoint& globalPos);

    static constexpr int kDropOffset = 10;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void DropFirstXIEntry();
    QWidget* WindowAt(const QPoint& globalPos) const;

    QTreeWidget& m_listFirstXI;
    QTreeWidget& m_listTeam;
    DropFn m_onDrop;
    QWidget* m_firstXIViewport;

    QLabel* m_pDragImage = nullptr;
    bool m_bDragging = false;
    int m_nDragIndex = -1;
    int m_nDropIndex = -1;
    QPointer<QWidget> m_pDropWnd;
    QPoint m_ptDrop;

    int m_nPressIndex = -1;
    QPoint m_ptPress;
};
