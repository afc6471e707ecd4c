#pragma once

#include "extras/CCreditsScroller.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class CHyperlinkStatic;
class QLabel;
namespace Ui {
class CAboutDlg;
}

// The About box: the version text, the home-page link and the credits that
// scroll up the black panel, 2 pixels every 5 ms, from the moment the box is
// shown until OK. Use:
//
//     CAboutDlg about(mainWindow);
//     about.SetVersionText(QString::fromLatin1(kVersionText));
//     about.exec();
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    // `loader` finds the credits' pictures; the default takes the
    // program's own (LoadBitmapResource). Tests pass their own.
    explicit CAboutDlg(QWidget* parent = nullptr, CCreditsScroller::PictureLoader loader = {});
    ~CAboutDlg() override;

    void SetVersionText(const QString& text);

    // One step of the 5 ms credits timer: scroll, draw, and stop with a
    // message when a picture line names no picture.
    void OnTimer();
    // Stops the credits and closes the box.
    void OnOK();

    bool IsScrolling() const { return m_timer.isActive(); }
    const CCreditsScroller& Scroller() const { return *m_pScroller; }
    CHyperlinkStatic& HomeLink();
    QLabel& VersionLabel();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::CAboutDlg> m_ui;
    std::unique_ptr<CCreditsScroller> m_pScroller;
    QTimer m_timer;
    bool m_bOpened = false;
};
