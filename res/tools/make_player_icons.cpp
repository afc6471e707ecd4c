// Writes the nine 16 x 16 player pictures of the dialogs' lists, each with
// an @2x twin, into the folder given on the command line:
//     <folder>/player/player16_N.png
// They are the tree's player pictures (ImagePainters, kinds 0..8) drawn on a
// 16 grid, so a player looks the same in the tree and in every list. Run
// after changing the artwork and commit the output:
//     ninja orbek_make_player_icons && ./player/orbek_make_player_icons <source>/res/images
#include "ImagePainters.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>

namespace {

constexpr int kPlayerKinds = 9;
constexpr int kFirstPlayerImage = ImagePainters::kCrestCount;
constexpr int kIconSize = 16;
constexpr double kTreeGrid = 24.0;

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_player_icons <res/images folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("player"))) {
        std::fprintf(stderr, "make_player_icons: cannot create %s/player\n", argv[1]);
        return 1;
    }
    for (int kind = 0; kind < kPlayerKinds; ++kind) {
        for (int scale : {1, 2}) {
            const int size = kIconSize * scale;
            QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(size / kTreeGrid, size / kTreeGrid);
            ImagePainters::PaintTreeImage(painter, kFirstPlayerImage + kind);
            painter.end();
            const QString file = out.filePath(QStringLiteral("player/player16_%1%2.png")
                                                  .arg(kind)
                                                  .arg(scale == 1 ? QString() : QStringLiteral("@2x")));
            if (!image.save(file)) {
                std::fprintf(stderr, "make_player_icons: cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
    }
    return 0;
}
