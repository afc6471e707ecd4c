#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// Up and down arrows beside a number field (its buddy): each click, or the
// Up and Down keys in the field, steps the field's number by one within the
// range and writes it back. The field itself still takes any text typed.
class CUpDownCtrl : public QWidget
{
    Q_OBJECT

public:
    explicit CUpDownCtrl(QWidget* parent = nullptr);

    void SetBuddy(QLineEdit* buddy);
    void SetRange(int lower, int upper);
    int Lower() const { return m_nLower; }
    int Upper() const { return m_nUpper; }

    // One step up (+1) or down (-1).
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_pBuddy = nullptr;
    QToolButton* m_pUp = nullptr;
    QToolButton* m_pDown = nullptr;
    int m_nLower = 0;
    int m_nUpper = 100;
    int m_nPos = 0; // the last value written, used when the field holds no number
};
