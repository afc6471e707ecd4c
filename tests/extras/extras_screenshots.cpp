// Writes pictures of the presentation extras for a visual check: the About box
// with the picture scrolling in, with text lines and later, the splash, and
// every banner in a pane.
//     xvfb-run -a -s '-screen 0 1280x900x24' ./extras_screenshots <folder>

#include "extras/Artwork.h"
#include "extras/CAboutDlg.h"
#include "extras/CBannerView.h"
#include "extras/CSplashWnd.h"
#include "shell/AppTitle.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setWindowIcon(OrbekIcon());
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    const QString version = QString::fromLatin1(kVersionText);
    bool ok = true;
    const auto grab = [](QWidget* widget) {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        return widget != nullptr ? widget->grab() : QPixmap();
    };
    const auto save = [&](const QPixmap& picture, const char* name) {
        const bool saved = picture.save(folder + '/' + QLatin1String(name));
        std::printf("%s %s\n", saved ? "wrote" : "FAILED", name);
        ok = ok && saved;
    };

    CAboutDlg about;
    about.SetVersionText(version);
    about.show();
    about.findChild<QTimer*>(QStringLiteral("creditsTimer"))->stop();
    const std::pair<int, const char*> stages[]{{60, "about_picture.png"}, {260, "about_text.png"}, {420, "about_later.png"}};
    for (const auto& [ticks, name] : stages) {
        for (int tick = 0; tick < ticks; ++tick)
            about.OnTimer();
        save(grab(&about), name);
    }

    CSplashWnd* splash = CSplashWnd::ShowStartupSplash(version);
    save(grab(splash), "splash.png");
    delete splash;

    // Every banner in a pane as wide as the main window's right side, one below the other.
    const QSize pane(600, 72);
    QImage sheet(pane.width(), pane.height() * 6 + 5 * 4, QImage::Format_RGB32);
    sheet.fill(Qt::darkGray);
    QPainter painter(&sheet);
    CBannerView view;
    view.resize(pane);
    view.show();
    for (int banner = 0; banner < 6; ++banner, view.OnTimer())
        painter.drawPixmap(0, banner * (pane.height() + 4), grab(&view));
    painter.end();
    save(QPixmap::fromImage(sheet), "banners.png");
    return ok ? 0 : 1;
}
