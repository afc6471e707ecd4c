#pragma once

#include <QFrame>

class CCreditsScroller;

// The black, sunken panel of the About box in which the credits scroll.
// It only draws what its scroller holds; the About box drives the scroller.
class CCreditsPanel : public QFrame
{
    Q_OBJECT

public:
    explicit CCreditsPanel(QWidget* parent = nullptr);

    // Not owned; null draws the panel black and empty.
    void SetScroller(const CCreditsScroller* scroller);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CCreditsScroller* m_pScroller = nullptr;
};
