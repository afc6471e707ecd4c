#pragma once

#include "gamedata/RecordDiff.h"

#include <QDialog>

#include <vector>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

// Tools > Compare With File and Compare With Saved: every player and team
// in which two games differ (the core comparison of orbek-cli diff), one
// row each with added, removed or changed, and under a changed one a row
// per field with its old → new values. The text in "Filter:" keeps the
// rows and fields that contain it. Double-click on a player asks the shell
// to show him. The window holds its own copy of the differences: the games
// compared may go away.
class CCompareDlg : public QDialog
{
    Q_OBJECT

public:
    // `direction` says what old and new are ("This game → OTHER.DB").
    CCompareDlg(std::vector<RecordDiff::Difference> differences, const QString& direction, QWidget* parent = nullptr);

    QTreeWidget* List() const { return m_list; }
    QLineEdit* Filter() const { return m_filter; }
    QString CountText() const;

signals:
    void playerRequested(quint32 playerId);

private:
    void Fill();
    void ApplyFilter();
    void OnActivated(QTreeWidgetItem* item);

    std::vector<RecordDiff::Difference> m_differences;
    QTreeWidget* m_list = nullptr;
    QLineEdit* m_filter = nullptr;
    QLabel* m_count = nullptr;
};
