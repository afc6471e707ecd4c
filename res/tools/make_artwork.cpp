// Draws the editor's own pictures and writes them under the given res/
// folder: the splash picture, "SMALLSPLASH", the six banners, the link
// cursor and the application icon (PNG at every size plus SVG). Every bitmap
// is written at 100 % and at 200 % ("@2x").
//
// One palette for all of them: cricket green, cream, pitch tan and a red
// ball. Run after changing a drawing and commit the results:
//     ninja orbek_make_artwork && ./extras/orbek_make_artwork <source>/res

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSvgGenerator>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

namespace Palette {
const QColor kNight(0x0F, 0x2A, 0x18);
const QColor kDarkGreen(0x1F, 0x5A, 0x2E);
const QColor kGreen(0x2E, 0x7D, 0x3A);
const QColor kLightGreen(0x3A, 0x8C, 0x45);
const QColor kCream(0xF4, 0xEE, 0xDC);
const QColor kTan(0xD9, 0xC7, 0x9A);
const QColor kDarkTan(0xC4, 0xAB, 0x72);
const QColor kRed(0xB3, 0x26, 0x1E);
const QColor kDarkRed(0x6E, 0x12, 0x0E);
const QColor kInk(0x17, 0x2B, 0x1D);
} // namespace Palette

using Drawing = std::function<void(QPainter&)>;

QFont Font(const char* family, double pixels, int weight, bool italic = false)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(static_cast<int>(std::lround(pixels)));
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool WritePng(const QString& path, QSize size, double scale, const Drawing& draw)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    painter.scale(scale, scale);
    draw(painter);
    painter.end();
    if (!image.save(path, "PNG", 9)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Name.png and name@2x.png.
bool WriteBoth(const QString& folder, const QString& name, QSize size, const Drawing& draw)
{
    return WritePng(folder + "/" + name + ".png", size, 1.0, draw)
        && WritePng(folder + "/" + name + "@2x.png", size, 2.0, draw);
}

// A red ball with a highlight and a stitched seam, centred at `c`.
void DrawBall(QPainter& p, QPointF c, double r)
{
    p.save();
    QRadialGradient shade(c + QPointF(-r * 0.35, -r * 0.4), r * 1.3);
    shade.setColorAt(0.0, QColor(0xE0, 0x4A, 0x3C));
    shade.setColorAt(0.55, Palette::kRed);
    shade.setColorAt(1.0, Palette::kDarkRed);
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(c, r, r);

    // The seam: a band across the ball, drawn as two stitched arcs.
    QPen seam(Palette::kCream, std::max(0.6, r * 0.07));
    seam.setCapStyle(Qt::RoundCap);
    p.setBrush(Qt::NoBrush);
    for (const double offset : {-r * 0.12, r * 0.12}) {
        QPainterPath path;
        path.moveTo(c + QPointF(-r * 0.62 + offset, -r * 0.78));
        path.cubicTo(c + QPointF(-r * 0.05 + offset, -r * 0.35), c + QPointF(-r * 0.05 + offset, r * 0.35),
            c + QPointF(-r * 0.62 + offset, r * 0.78));
        if (r >= 10) {
            seam.setDashPattern({1.2, 1.6});
        }
        p.setPen(seam);
        p.drawPath(path);
    }
    p.restore();
}

// Three stumps with two bails; `base` is the middle stump's foot.
void DrawStumps(QPainter& p, QPointF base, double height, double postWidth, double gap)
{
    p.save();
    p.setPen(QPen(Palette::kInk.darker(120), std::max(0.5, postWidth * 0.18)));
    QLinearGradient wood(base.x() - gap, 0, base.x() + gap, 0);
    wood.setColorAt(0.0, Palette::kCream);
    wood.setColorAt(1.0, Palette::kTan);
    p.setBrush(wood);
    for (int i = -1; i <= 1; ++i) {
        const QRectF post(base.x() + i * gap - postWidth / 2, base.y() - height, postWidth, height);
        p.drawRoundedRect(post, postWidth * 0.35, postWidth * 0.35);
    }
    const double bailHeight = std::max(1.2, postWidth * 0.5);
    for (int i = -1; i <= 0; ++i) {
        const QRectF bail(base.x() + i * gap, base.y() - height - bailHeight * 0.9, gap, bailHeight);
        p.drawRoundedRect(bail, bailHeight / 2, bailHeight / 2);
    }
    p.restore();
}

// The ground seen from behind the bowler: dusk sky, stands, striped
// outfield, the pitch with its creases and two sets of stumps.
void DrawGround(QPainter& p)
{
    // An opaque base, so that no seam between the shapes lets anything
    // behind the picture show through.
    p.fillRect(QRectF(0, 0, 320, 200), Palette::kGreen);
    const double horizon = 92;
    QLinearGradient sky(0, 0, 0, horizon);
    sky.setColorAt(0.0, Palette::kNight);
    sky.setColorAt(1.0, Palette::kDarkGreen);
    p.fillRect(QRectF(0, 0, 320, horizon), sky);

    // Floodlight glow in the top right corner.
    QRadialGradient glow(QPointF(300, 6), 90);
    glow.setColorAt(0.0, QColor(0xF4, 0xEE, 0xDC, 110));
    glow.setColorAt(1.0, QColor(0xF4, 0xEE, 0xDC, 0));
    p.fillRect(QRectF(0, 0, 320, horizon), glow);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kCream);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(284 + i * 7, 10 + (i % 2) * 3), 1.6, 1.6);

    // The stands and the boundary boards.
    p.fillRect(QRectF(0, horizon - 7, 320, 7), Palette::kInk);
    p.fillRect(QRectF(0, horizon - 1, 320, 1.2), Palette::kCream);

    // Mowing stripes that widen towards the viewer.
    const int bands = 9;
    for (int k = 0; k < bands; ++k) {
        const double y0 = horizon + (200 - horizon) * std::pow(double(k) / bands, 1.5);
        const double y1 = horizon + (200 - horizon) * std::pow(double(k + 1) / bands, 1.5);
        p.fillRect(QRectF(0, y0, 320, y1 - y0 + 0.5), k % 2 ? Palette::kGreen : Palette::kLightGreen);
    }

    // The pitch in perspective.
    QPolygonF strip;
    strip << QPointF(116, horizon + 4) << QPointF(144, horizon + 4) << QPointF(178, 200) << QPointF(82, 200);
    QLinearGradient soil(0, horizon, 0, 200);
    soil.setColorAt(0.0, Palette::kDarkTan);
    soil.setColorAt(1.0, Palette::kTan);
    p.setBrush(soil);
    p.drawPolygon(strip);

    p.setPen(QPen(Palette::kCream, 1.0));
    p.drawLine(QPointF(114, horizon + 11), QPointF(146, horizon + 11));
    p.setPen(QPen(Palette::kCream, 2.0));
    p.drawLine(QPointF(86, 186), QPointF(174, 186));

    DrawStumps(p, QPointF(130, horizon + 11), 17, 2.2, 4.2);
    DrawStumps(p, QPointF(130, 186), 46, 6.5, 15);
}

void DrawTitle(QPainter& p, QPointF at, double size, bool subtitle)
{
    const QFont title = Font("DejaVu Serif", size, 700);
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(at + QPointF(1.5, 1.5), QStringLiteral("Orbek"));
    p.setPen(Palette::kCream);
    p.drawText(at, QStringLiteral("Orbek"));
    if (subtitle) {
        p.setFont(Font("DejaVu Sans", size * 0.26, 400, true));
        p.setPen(QColor(0xF4, 0xEE, 0xDC, 220));
        p.drawText(at + QPointF(2, size * 0.42), QStringLiteral("squads, players & teams"));
    }
}

void DrawFlyingBall(QPainter& p, QPointF c, double r)
{
    p.save();
    for (int i = 0; i < 3; ++i) {
        QLinearGradient trail(c, c + QPointF(70, -34));
        trail.setColorAt(0.0, QColor(0xF4, 0xEE, 0xDC, 150));
        trail.setColorAt(1.0, QColor(0xF4, 0xEE, 0xDC, 0));
        p.setPen(QPen(QBrush(trail), 1.4, Qt::SolidLine, Qt::RoundCap));
        const QPointF start = c + QPointF(r * 0.4, -r * 0.9 + i * r * 0.7);
        p.drawLine(start, start + QPointF(60 - i * 8, -29 + i * 4));
    }
    p.restore();
    DrawBall(p, c, r);
}

void DrawSplash(QPainter& p)
{
    DrawGround(p);
    DrawTitle(p, QPointF(14, 54), 42, true);
    DrawFlyingBall(p, QPointF(228, 74), 12);

    // The scoreboard panel that carries the version text at (200, 120).
    p.setPen(QPen(Palette::kCream, 1.0));
    p.setBrush(QColor(0x0F, 0x2A, 0x18, 235));
    p.drawRoundedRect(QRectF(193.5, 113.5, 123, 25), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kRed);
    p.drawRect(QRectF(194, 135, 122, 3));
}

void DrawSmallSplash(QPainter& p)
{
    // The splash scene without its scoreboard, at three quarters of the size.
    p.save();
    p.scale(0.75, 0.75);
    DrawGround(p);
    DrawTitle(p, QPointF(14, 54), 42, true);
    DrawFlyingBall(p, QPointF(228, 74), 12);
    p.restore();
}

// The square on the grass with its creases and stumps, seen from above.
void DrawPitchFromAbove(QPainter& p, const QRectF& area)
{
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(i % 2 ? Palette::kGreen : Palette::kLightGreen);
        const QRectF band(area.left() + i * area.width() / 5, area.top(), area.width() / 5 + 0.5, area.height());
        p.drawRect(band);
    }
    const QRectF strip(area.left() + area.width() * 0.08, area.center().y() - area.height() * 0.22,
        area.width() * 0.84, area.height() * 0.44);
    p.setBrush(Palette::kTan);
    p.drawRect(strip);
    p.setPen(QPen(Palette::kCream, 1.2));
    for (const double x : {strip.left() + strip.width() * 0.1, strip.right() - strip.width() * 0.1}) {
        p.drawLine(QPointF(x, strip.top() - 3), QPointF(x, strip.bottom() + 3));
        p.save();
        p.setPen(Qt::NoPen);
        p.setBrush(Palette::kInk);
        for (int stump = -1; stump <= 1; ++stump) {
            const double xs = x + (x < strip.center().x() ? -3.5 : 3.5);
            p.drawEllipse(QPointF(xs, strip.center().y() + stump * 2.6), 1.1, 1.1);
        }
        p.restore();
    }
    DrawBall(p, QPointF(strip.left() + strip.width() * 0.62, strip.center().y() - strip.height() * 0.05),
        area.height() * 0.09);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::kDarkGreen, 1.0));
    p.drawRoundedRect(area, 3, 3);
    p.restore();
}

struct Banner
{
    QSize size;
    const char* headline;
    const char* address;
    bool stumps; // the emblem: stumps, or else a ball
};

void DrawBanner(QPainter& p, const Banner& banner)
{
    const double w = banner.size.width();
    const double h = banner.size.height();
    const QRectF outer(0.5, 0.5, w - 1, h - 1);

    p.setPen(Qt::NoPen);
    p.setBrush(Palette::kCream);
    p.drawRoundedRect(outer, 6, 6);

    // The emblem block on the left, striped like the outfield.
    const double block = h - 8;
    const QRectF emblem(4, 4, block, block);
    p.save();
    QPainterPath clip;
    clip.addRoundedRect(emblem, 4, 4);
    p.setClipPath(clip);
    for (int i = 0; i < 6; ++i) {
        p.fillRect(QRectF(emblem.left(), emblem.top() + i * block / 6, block, block / 6 + 0.5),
            i % 2 ? Palette::kGreen : Palette::kLightGreen);
    }
    if (banner.stumps) {
        DrawStumps(p, QPointF(emblem.center().x(), emblem.bottom() - block * 0.14), block * 0.62, block * 0.09,
            block * 0.2);
    } else {
        DrawBall(p, emblem.center(), block * 0.3);
    }
    p.restore();

    const double textLeft = emblem.right() + 10;
    const double textWidth = w - textLeft - 10;
    QFont headline = Font("DejaVu Sans", h * 0.36, 700);
    // Shrink the headline until it fits the narrow banners.
    while (QFontMetricsF(headline).horizontalAdvance(QString::fromUtf8(banner.headline)) > textWidth
        && headline.pixelSize() > 9) {
        headline.setPixelSize(headline.pixelSize() - 1);
    }
    p.setFont(headline);
    p.setPen(Palette::kDarkGreen);
    p.drawText(QRectF(textLeft, 4, textWidth, h * 0.56), Qt::AlignLeft | Qt::AlignBottom,
        QString::fromUtf8(banner.headline));

    QFont small = Font("DejaVu Sans", h * 0.2, 400);
    while (QFontMetricsF(small).horizontalAdvance(QString::fromUtf8(banner.address)) > textWidth
        && small.pixelSize() > 8) {
        small.setPixelSize(small.pixelSize() - 1);
    }
    p.setFont(small);
    p.setPen(Palette::kRed);
    p.drawText(QRectF(textLeft, h * 0.6, textWidth, h * 0.3), Qt::AlignLeft | Qt::AlignTop,
        QString::fromUtf8(banner.address));

    // Where there is room, a pitch seen from above fills the right end.
    const double textRight = textLeft
        + std::max(QFontMetricsF(headline).horizontalAdvance(QString::fromUtf8(banner.headline)),
            QFontMetricsF(small).horizontalAdvance(QString::fromUtf8(banner.address)));
    const double room = w - 12 - textRight - 18;
    if (room >= 90)
        DrawPitchFromAbove(p, QRectF(w - 12 - std::min(room, 170.0), h * 0.2, std::min(room, 170.0), h * 0.6));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Palette::kDarkGreen, 1.5));
    p.drawRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

// A pointing hand: white glove, dark outline, red cuff; fingertip at (10, 1).
void DrawLinkCursor(QPainter& p)
{
    const auto rounded = [](const QRectF& rect, double radius) {
        QPainterPath part;
        part.addRoundedRect(rect, radius, radius);
        return part;
    };
    // One outline around all parts: united, not overlapping subpaths.
    QPainterPath hand = rounded(QRectF(7.5, 1, 5.5, 17), 2.75) // index finger
                            .united(rounded(QRectF(12.5, 10, 4.5, 9), 2.25)) // middle
                            .united(rounded(QRectF(16.5, 11, 4.5, 8.5), 2.25)) // ring
                            .united(rounded(QRectF(20.5, 12.5, 4, 7.5), 2)) // little
                            .united(rounded(QRectF(7.5, 15, 17, 12), 4)); // palm
    QPainterPath thumb;
    thumb.moveTo(8.5, 24);
    thumb.cubicTo(5, 22, 3, 19, 3.2, 16.5);
    thumb.cubicTo(3.5, 14.8, 5.5, 14.8, 6.8, 16.2);
    thumb.lineTo(9, 19);
    hand = hand.united(thumb).simplified();

    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(hand);
    // Knuckle creases.
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.7));
    p.drawLine(QPointF(13, 12), QPointF(13, 16.5));
    p.drawLine(QPointF(17, 13), QPointF(17, 17));
    p.drawLine(QPointF(21, 14.5), QPointF(21, 17.5));
    // The cuff.
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 1.0));
    p.setBrush(Palette::kRed);
    p.drawRoundedRect(QRectF(9, 26.5, 14, 4.5), 1.2, 1.2);
}

// The application icon, drawn on a 256 x 256 canvas.
void DrawIcon(QPainter& p)
{
    const QRectF tile(8, 8, 240, 240);
    QLinearGradient field(0, 8, 0, 248);
    field.setColorAt(0.0, Palette::kGreen);
    field.setColorAt(1.0, Palette::kDarkGreen);
    p.setPen(Qt::NoPen);
    p.setBrush(field);
    p.drawRoundedRect(tile, 48, 48);

    // The pitch as a tan band behind the stumps, cut to the tile as a shape
    // (not a clip) so that the SVG carries the same outline.
    QPainterPath rounded;
    rounded.addRoundedRect(tile, 48, 48);
    QPolygonF band;
    band << QPointF(60, 8) << QPointF(140, 8) << QPointF(170, 248) << QPointF(30, 248);
    QPainterPath strip;
    strip.addPolygon(band);
    strip.closeSubpath();
    p.setBrush(Palette::kTan);
    p.drawPath(strip.intersected(rounded));

    DrawStumps(p, QPointF(100, 214), 150, 20, 34);
    DrawBall(p, QPointF(176, 164), 50);

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x0F, 0x2A, 0x18), 4));
    p.drawRoundedRect(tile.adjusted(2, 2, -2, -2), 46, 46);
}

bool WriteIconSvg(const QString& path)
{
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Orbek"));
    svg.setDescription(QStringLiteral("Orbek application icon: stumps and a cricket ball"));
    QPainter painter(&svg);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawIcon(painter);
    return painter.end();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <res folder>\n", argv[0]);
        return 2;
    }
    const QString res = QString::fromLocal8Bit(argv[1]);
    const QString extras = res + "/extras";
    if (!QDir().mkpath(extras + "/icons")) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(extras));
        return 1;
    }

    bool ok = WriteBoth(extras, "splash", {320, 200}, DrawSplash);
    ok = ok && WriteBoth(extras, "smallsplash", {240, 150}, DrawSmallSplash);
    ok = ok && WriteBoth(extras, "linkcursor", {32, 32}, DrawLinkCursor);

    const Banner banners[] = {
        {{562, 60}, "Orbek is built with Qt 6", "www.qt.io", false},
        {{330, 66}, "Built with CMake", "cmake.org", true},
        {{330, 66}, "Tested with GoogleTest", "github.com/google/googletest", false},
        {{138, 66}, "CLI11", "orbek-cli", true},
        {{443, 60}, "JSON for Modern C++", "github.com/nlohmann/json", false},
        {{500, 70}, "Runs on Debian GNU/Linux", "www.debian.org", true},
    };
    int number = 1;
    for (const Banner& banner : banners) {
        ok = ok && WriteBoth(extras, QStringLiteral("banner%1").arg(number++), banner.size,
                       [&banner](QPainter& p) { DrawBanner(p, banner); });
    }

    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        ok = ok && WritePng(extras + QStringLiteral("/icons/orbek-%1.png").arg(size), {256, 256}, size / 256.0,
                       DrawIcon);
    }
    ok = ok && WritePng(res + "/orbek.png", {256, 256}, 1.0, DrawIcon);
    ok = ok && WriteIconSvg(res + "/orbek.svg");
    return ok ? 0 : 1;
}
