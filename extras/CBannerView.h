#pragma once

#include <QPixmap>
#include <QSize>
#include <QTimer>
#include <QWidget>

class CHyperlinkStatic;

// The banner strip at the top of the right-hand side of the main window. It
// shows one of six banner pictures, centred (top-left when the pane is
// smaller), moves on to the next one every 30 seconds in a fixed cycle, and
// opens the banner's web page when it is clicked.
//
// Creating the view does the whole set-up and starts the cycle; the owner
// only puts it in its pane.
class CBannerView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBannerCount = 6;
    static constexpr int kCyclePeriodMs = 30000;

    explicit CBannerView(QWidget* parent = nullptr);
    ~CBannerView() override;

    // Shows the picture and address of the current banner.
    void LoadBanner();
    // Puts the banner in the middle of the pane, never above or left of it.
    void CentreBanner();
    // What the 30-second timer does: the next banner, centred.
    void OnTimer();

    int CurrentBanner() const { return m_nBanner; }
    CHyperlinkStatic& Link() { return *m_link; }
    const QTimer& CycleTimer() const { return m_timer; }

    // The template's size (370 x 39 dialog units), tall enough for the
    // tallest banner.
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CHyperlinkStatic* m_link;
    int m_nBanner = 0;
    QPixmap m_bmpBanner;
    QTimer m_timer;
};
