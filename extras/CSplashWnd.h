#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <QWidget>

// The start-up picture: a borderless window centred on the screen showing a
// picture with a text painted onto it. It goes away by itself after its
// display time, or at once when a key or a mouse button is pressed over it
// (that input goes no further), and then deletes itself. It never takes
// part in the task bar.
//
// Start-up uses one line:
//     CSplashWnd::ShowStartupSplash(QString::fromLatin1(kVersionText));
class CSplashWnd : public QWidget
{
    Q_OBJECT

public:
    // `bitmapName` is a picture of LoadArtwork ("splash"); `textPoint` is the
    // top-left of the text in the picture's pixels; an empty text shows the
    // picture alone. The background colour only fills what the picture
    // would leave uncovered.
    CSplashWnd(const QString& bitmapName, unsigned milliseconds, const QString& text, QPoint textPoint,
        const QColor& textColour, const QColor& backColour);
    ~CSplashWnd() override;

    // Loads the picture, centres the window, shows it and starts the timer.
    // False (nothing shown) when the picture cannot be loaded; the caller
    // then deletes the object.
    bool Show();

    // Creates and shows a splash; null (and nothing shown, no message) when
    // the picture cannot be loaded. The window deletes itself.
    static CSplashWnd* ShowSplash(const QString& bitmapName, unsigned milliseconds, const QString& text,
        QPoint textPoint, const QColor& textColour, const QColor& backColour);
    // The application's splash: picture "splash" (320 x 200) for 3500 ms
    // with `versionText` in white at (200, 120).
    static CSplashWnd* ShowStartupSplash(const QString& versionText);

    unsigned DisplayTime() const { return m_nMilliseconds; }
    const QTimer& Timer() const { return m_timer; }
    // Where the picture is drawn: inside a 2-pixel sunken edge.
    static constexpr int kEdge = 2;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void GoAway();

    QColor m_crBack;
    QFont m_font;
    QColor m_crText;
    QString m_strText;
    QPoint m_ptText;
    QString m_strBitmap;
    unsigned m_nMilliseconds;
    QTimer m_timer;
    QPixmap m_bitmap;
};
