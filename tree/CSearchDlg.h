#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class CSearchDlg;
}
class QButtonGroup;

// The "Search" dialog of Edit > Find: the text, case, whole word and the
// direction (0 = Down, 1 = Up, -1 = neither button). The opener sets the
// members to the stored settings before Exec; "&Search" reads the controls
// into them and closes with Accepted, Cancel leaves them as they were.
class CSearchDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSearchDlg(QWidget* parent = nullptr);
    ~CSearchDlg() override;

    bool m_bMatchCase = false;
    int m_nDirection = -1;
    QString m_strText;
    bool m_bWholeWord = false;

    // Shows the members in the controls (called when the dialog opens).
    void UpdateControls();
    // Reads the controls into the members.
    void ReadControls();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::CSearchDlg> m_ui;
    QButtonGroup* m_direction = nullptr;
};
