// Not a test: pictures of the player form, the photo dialog with its
// preview and the statistics dialog, for looking at them by eye.
//     xvfb-run -a ./orbek_player_screenshots <output folder>
#include "FormFixture.h"

#include "gamedata/CGame.h"
#include "player/CBmpDialog.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "teamdialogs/CPlayerStatsDlg.h"

#include <QDir>
#include <QPainter>

#include <cstdio>

namespace {

// A head and shoulders as a 60 x 70 player photo.
QImage Portrait()
{
    QImage image(60, 70, QImage::Format_RGB888);
    image.fill(QColor(0x9C, 0xC4, 0xE4));
    QPainter p(&image);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xEE, 0xDC));
    p.drawRoundedRect(QRectF(8, 48, 44, 30), 12, 12);
    p.setBrush(QColor(0xE0, 0xB0, 0x8C));
    p.drawEllipse(QRectF(18, 18, 24, 28));
    return image;
}

bool Save(QWidget* widget, const QString& path)
{
    QApplication::processEvents();
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
    std::uint16_t id = 0;
    for (const auto& player : game.players)
        id = id || player.U16(testgame::layout::kTeam) == testgame::layout::kNoTeam ? id : player.id;
    game.FindPlayer(id)->SetNames("John Andrew", "Smith").SetKeeper(1).SetPartTimeKeeper(1);
    playertest::FormFixture fixture;
    if (!fixture.Start(game))
        return 1;
    const QString photos = fixture.GameFolder() + QStringLiteral("/GFX/PHOTOS");
    QDir().mkpath(photos);
    Portrait().save(photos + QStringLiteral("/Smith JA.BMP"), "BMP");
    CMainFrame* frame = fixture.App().MainFrame();
    frame->resize(900, 600);
    fixture.Select(id);
    bool ok = Save(&fixture.Form(), out.filePath(QStringLiteral("player-form.png")));
    ok &= Save(frame, out.filePath(QStringLiteral("main-window.png")));

    CBmpDialog photoDialog(true, QString(), QString(), frame);
    photoDialog.setDirectory(photos);
    photoDialog.resize(640, 520);
    photoDialog.show();
    photoDialog.OnSelectionChanged(photos + QStringLiteral("/Smith JA.BMP"));
    ok &= Save(&photoDialog, out.filePath(QStringLiteral("photo-dialog.png")));

    CPlayerStatsDlg stats(fixture.App().Game(), frame);
    stats.m_nPlayer = id;
    stats.show();
    ok &= Save(&stats, out.filePath(QStringLiteral("stats-dialog.png")));
    return ok ? 0 : 1;
}
