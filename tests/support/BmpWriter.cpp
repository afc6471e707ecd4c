#include "BmpWriter.h"

#include "GameFileBuilder.h"

namespace testgame {
namespace {

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t v)
{
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v)
{
    PutU16(out, static_cast<std::uint16_t>(v));
    PutU16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

std::vector<std::uint8_t> EncodeBmp24(const Image& image)
{
    const auto rowBytes = static_cast<std::uint32_t>((image.width * 3 + 3) / 4 * 4);
    const auto pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    const std::uint32_t headerBytes = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, headerBytes + pixelBytes);
    PutU32(out, 0); // reserved
    PutU32(out, headerBytes);
    PutU32(out, 40);
    PutU32(out, static_cast<std::uint32_t>(image.width));
    PutU32(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up rows
    PutU16(out, 1);  // planes
    PutU16(out, 24); // bits per pixel
    PutU32(out, 0);  // no compression
    PutU32(out, pixelBytes);
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0); // colours used
    PutU32(out, 0); // important colours
    for (int y = image.height - 1; y >= 0; --y) {
        std::size_t written = 0;
        for (int x = 0; x < image.width; ++x) {
            const Rgb& px = image.At(x, y);
            out.push_back(px.b);
            out.push_back(px.g);
            out.push_back(px.r);
            written += 3;
        }
        for (; written < rowBytes; ++written)
            out.push_back(0);
    }
    return out;
}

void WriteBmp24(const std::filesystem::path& path, const Image& image)
{
    WriteFileBytes(path, EncodeBmp24(image));
}

} // namespace testgame
