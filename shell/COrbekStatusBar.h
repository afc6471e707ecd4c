#pragma once

#include <QStatusBar>

class QLabel;

// The status bar: the message pane ("Ready" while no command prompt is
// shown) and the indicators "CAP", "NUM" and "SCRL", lit from the
// keyboard's lock state where the platform reports it.
class COrbekStatusBar : public QStatusBar
{
    Q_OBJECT

public:
    explicit COrbekStatusBar(QWidget* parent);

    // Re-reads the lock keys; called on key presses and window activation.
    void UpdateIndicators();
    QLabel* Indicator(int index) const { return m_indicators[index]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_ready = nullptr;
    QLabel* m_indicators[3] = {};
};
