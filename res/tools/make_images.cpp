// Writes the tree images (24 x 24) and toolbar buttons (16 x 16), each with
// an @2x twin, into the folder given on the command line:
//     <folder>/tree/treeNN.png, <folder>/toolbar/<name>.png
#include "ImagePainters.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <functional>

namespace {

bool WritePair(const QString& path, int size, const std::function<void(QPainter&)>& paint)
{
    for (int scale : {1, 2}) {
        QImage image(size * scale, size * scale, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(scale, scale);
        paint(painter);
        painter.end();
        const QString file = scale == 1 ? path + QStringLiteral(".png") : path + QStringLiteral("@2x.png");
        if (!image.save(file)) {
            std::fprintf(stderr, "make_images: cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_images <res/images folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(QStringLiteral("tree")) || !out.mkpath(QStringLiteral("toolbar"))) {
        std::fprintf(stderr, "make_images: cannot create the folders under %s\n", argv[1]);
        return 1;
    }
    for (int i = 0; i < ImagePainters::kTreeImageCount; ++i) {
        const QString name = QStringLiteral("tree/tree%1").arg(i, 2, 10, QLatin1Char('0'));
        if (!WritePair(out.filePath(name), 24, [i](QPainter& p) { ImagePainters::PaintTreeImage(p, i); }))
            return 1;
    }
    for (const char* name : {"open", "save", "saveas", "undo", "redo", "find", "findnext", "team", "about"}) {
        const QString path = out.filePath(QStringLiteral("toolbar/") + QString::fromLatin1(name));
        if (!WritePair(path, 16, [name](QPainter& p) { ImagePainters::PaintToolbarImage(p, name); }))
            return 1;
    }
    return 0;
}
