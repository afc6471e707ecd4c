#include "DemoPortrait.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace demo {
namespace {

using testgame::Image;
using testgame::Rgb;

Rgb Mix(Rgb a, Rgb b, double t)
{
    auto channel = [t](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * std::clamp(t, 0.0, 1.0)));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// Fills an ellipse, shading it darker towards its lower right edge so the
// shapes look rounded rather than flat.
void Ellipse(Image& img, double cx, double cy, double rx, double ry, Rgb colour, double shade = 0.25)
{
    for (int y = 0; y < img.height; ++y) {
        for (int x = 0; x < img.width; ++x) {
            const double dx = (x + 0.5 - cx) / rx;
            const double dy = (y + 0.5 - cy) / ry;
            const double d = dx * dx + dy * dy;
            if (d <= 1.0) {
                const double light = std::clamp(0.5 * (dx + dy) + 0.4 * d, 0.0, 1.0);
                img.At(x, y) = Mix(colour, {0, 0, 0}, shade * light);
            }
        }
    }
}

void Rect(Image& img, int x0, int y0, int x1, int y1, Rgb colour)
{
    for (int y = std::max(0, y0); y < std::min(img.height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(img.width, x1); ++x)
            img.At(x, y) = colour;
}

} // namespace

Image PaintPortrait(testgame::Rng& rng, Rgb shirt, Rgb trim, int width, int height)
{
    static const std::vector<Rgb> kSkin = {
        {241, 204, 170}, {224, 172, 135}, {198, 140, 100}, {161, 110, 75}, {120, 80, 55}, {90, 60, 40}};
    static const std::vector<Rgb> kHair = {
        {30, 22, 18}, {70, 45, 25}, {120, 80, 40}, {190, 150, 90}, {60, 60, 60}, {150, 60, 30}};
    const Rgb skin = rng.Pick(kSkin);
    const Rgb hair = rng.Pick(kHair);

    Image img(width, height);
    const Rgb skyTop{120, 170, 225};
    const Rgb skyBottom{215, 232, 245};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            img.At(x, y) = Mix(skyTop, skyBottom, static_cast<double>(y) / height);
    Rect(img, 0, height * 62 / 100, width, height, Mix({90, 150, 70}, {255, 255, 255}, 0.1));

    const double w = width;
    const double h = height;
    const double headX = w / 2 + rng.Between(-2, 2);
    const double headY = h * 0.40;
    const double headRx = w * (0.21 + rng.Between(0, 3) / 100.0);
    const double headRy = h * 0.22;

    Ellipse(img, w / 2, h * 1.0, w * 0.54, h * 0.3, shirt);              // shoulders
    Ellipse(img, w / 2, h * 0.76, w * 0.14, h * 0.05, trim, 0.1);          // collar
    Rect(img, static_cast<int>(w / 2 - w * 0.09), static_cast<int>(h * 0.5), static_cast<int>(w / 2 + w * 0.09),
         static_cast<int>(h * 0.74), Mix(skin, {0, 0, 0}, 0.12));       // neck
    Ellipse(img, w / 2, h * 0.8, w * 0.07, h * 0.05, Mix(skin, {0, 0, 0}, 0.15), 0.05); // open collar
    Ellipse(img, headX, headY, headRx, headRy, skin, 0.2);                 // face
    Ellipse(img, headX - headRx, headY + 1, w * 0.035, h * 0.05, skin, 0.3); // ears
    Ellipse(img, headX + headRx, headY + 1, w * 0.035, h * 0.05, skin, 0.3);

    const int hairStyle = rng.Between(0, 2);
    if (hairStyle == 0) // cap in the team's colour
        Ellipse(img, headX, headY - headRy * 0.55, headRx * 1.08, headRy * 0.55, shirt, 0.2);
    else
        Ellipse(img, headX, headY - headRy * 0.6, headRx * (hairStyle == 1 ? 1.0 : 1.1), headRy * 0.5, hair, 0.15);
    if (hairStyle == 0)
        Rect(img, static_cast<int>(headX - headRx), static_cast<int>(headY - headRy * 0.2),
             static_cast<int>(headX + headRx * 1.5), static_cast<int>(headY - headRy * 0.2) + 2, Mix(shirt, {0, 0, 0}, 0.3));

    const Rgb eye{40, 30, 30};
    const int eyeY = static_cast<int>(headY);
    Rect(img, static_cast<int>(headX - headRx * 0.45), eyeY, static_cast<int>(headX - headRx * 0.45) + 2, eyeY + 2, eye);
    Rect(img, static_cast<int>(headX + headRx * 0.3), eyeY, static_cast<int>(headX + headRx * 0.3) + 2, eyeY + 2, eye);
    const int mouthY = static_cast<int>(headY + headRy * 0.5);
    Rect(img, static_cast<int>(headX - headRx * 0.3), mouthY, static_cast<int>(headX + headRx * 0.3), mouthY + 1,
         Mix(skin, {120, 30, 30}, 0.5));
    return img;
}

} // namespace demo
