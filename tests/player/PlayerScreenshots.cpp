// Not a test: pictures of the player form, the photo dialog with its
// preview and the statistics dialog, for looking at them by eye.
//     xvfb-run -a ./orbek_player_screenshots <output folder>
#include "FormFixture.h"
#include "PlayerTestGame.h"

#include "gamedata/CGame.h"
#include "player/CBmpDialog.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "teamdialogs/CPlayerStatsDlg.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTimer>

#include <cstdio>

namespace {

// A simple head and shoulders, 60 x 70, as a player photo.
QImage Portrait()
{
    QImage image(60, 70, QImage::Format_RGB888);
    image.fill(QColor(0x9C, 0xC4, 0xE4));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xEE, 0xDC));
    p.drawRoundedRect(QRectF(8, 48, 44, 30), 12, 12);
    p.setBrush(QColor(0xE0, 0xB0, 0x8C));
    p.drawEllipse(QRectF(18, 18, 24, 28));
    p.setBrush(QColor(0x1F, 0x5A, 0x2E));
    p.drawChord(QRectF(16, 12, 28, 22), 0, 180 * 16);
    return image;
}

bool Save(QWidget* widget, const QString& path)
{
    const bool saved = widget->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "cannot write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: orbek_player_screenshots <output folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));

    auto game = playertest::MakeGame(60);
    const std::uint16_t id = playertest::PlayerInATeam(game);
    game.FindPlayer(id)->SetNames("John Andrew", "Smith").SetKeeper(1).SetPartTimeKeeper(1);
    playertest::FormFixture fixture;
    if (!fixture.Start(game))
        return 1;
    const QString photos = fixture.GameFolder() + QStringLiteral("/GFX/PHOTOS");
    QDir().mkpath(photos);
    Portrait().save(photos + QStringLiteral("/Smith JA.BMP"), "BMP");
    fixture.App().MainFrame()->resize(900, 600);
    fixture.Select(id);
    QApplication::processEvents();

    bool ok = Save(&fixture.Form(), out.filePath(QStringLiteral("player-form.png")));
    ok &= Save(fixture.App().MainFrame(), out.filePath(QStringLiteral("main-window.png")));

    CBmpDialog photoDialog(true, QString(), QString(), fixture.App().MainFrame());
    photoDialog.setDirectory(photos);
    photoDialog.resize(640, 520);
    photoDialog.show();
    photoDialog.OnSelectionChanged(photos + QStringLiteral("/Smith JA.BMP"));
    QApplication::processEvents();
    ok &= Save(&photoDialog, out.filePath(QStringLiteral("photo-dialog.png")));
    photoDialog.reject();

    CPlayerStatsDlg stats(fixture.App().Game(), fixture.App().MainFrame());
    stats.m_nPlayer = id;
    stats.show();
    QApplication::processEvents();
    ok &= Save(&stats, out.filePath(QStringLiteral("stats-dialog.png")));
    stats.reject();
    return ok ? 0 : 1;
}
