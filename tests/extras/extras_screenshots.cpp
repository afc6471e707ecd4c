// Writes pictures of the presentation extras for a visual check:
// the About box at the start, with the picture scrolling in and with text
// lines, the splash, and every banner in a pane.
//     xvfb-run -a -s '-screen 0 1280x900x24' ./extras_screenshots <folder>

#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CBannerView.h"
#include "extras/CSplashWnd.h"
#include "shell/AppTitle.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace {

bool Save(const QPixmap& pixmap, const QString& path)
{
    const bool ok = pixmap.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

void Settle()
{
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setWindowIcon(OrbekIcon());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;

    {
        CAboutDlg about;
        about.SetVersionText(QString::fromLatin1(kVersionText));
        about.show();
        Settle();
        about.findChild<QTimer*>(QStringLiteral("creditsTimer"))->stop();
        for (int tick = 0; tick < 60; ++tick)
            about.OnTimer();
        Settle();
        ok = Save(about.grab(), folder + "/about_picture.png") && ok;
        for (int tick = 0; tick < 260; ++tick)
            about.OnTimer();
        Settle();
        ok = Save(about.grab(), folder + "/about_text.png") && ok;
        for (int tick = 0; tick < 420; ++tick)
            about.OnTimer();
        Settle();
        ok = Save(about.grab(), folder + "/about_later.png") && ok;
    }
    {
        CSplashWnd* splash = CSplashWnd::ShowStartupSplash(QString::fromLatin1(kVersionText));
        if (splash != nullptr) {
            Settle();
            ok = Save(splash->grab(), folder + "/splash.png") && ok;
            delete splash;
        } else {
            ok = false;
        }
    }
    {
        // Every banner in a pane as wide as the main window's right side.
        const QSize pane(600, 72);
        QImage sheet(pane.width(), pane.height() * 6 + 5 * 4, QImage::Format_RGB32);
        sheet.fill(Qt::darkGray);
        QPainter painter(&sheet);
        CBannerView view;
        view.resize(pane);
        view.show();
        for (int banner = 0; banner < 6; ++banner) {
            Settle();
            painter.drawPixmap(0, banner * (pane.height() + 4), view.grab());
            view.OnTimer();
        }
        painter.end();
        ok = Save(QPixmap::fromImage(sheet), folder + "/banners.png") && ok;
    }
    return ok ? 0 : 1;
}
