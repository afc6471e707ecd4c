#include "BmpWriter.h"

#include "GameFileBuilder.h"
#include "LittleEndian.h"

namespace testgame {

std::vector<std::uint8_t> EncodeBmp24(const Image& image)
{
    const auto rowBytes = static_cast<std::uint32_t>((image.width * 3 + 3) / 4 * 4);
    const auto pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
    const std::uint32_t headerBytes = 14 + 40;
    std::vector<std::uint8_t> out;
    out.reserve(headerBytes + pixelBytes);
    out.push_back('B');
    out.push_back('M');
    le::Append<std::uint32_t>(out, headerBytes + pixelBytes);
    le::Append<std::uint32_t>(out, 0); // reserved
    le::Append<std::uint32_t>(out, headerBytes);
    le::Append<std::uint32_t>(out, 40);
    le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(image.width));
    le::Append<std::uint32_t>(out, static_cast<std::uint32_t>(image.height)); // positive: bottom-up rows
    le::Append<std::uint16_t>(out, 1);  // planes
    le::Append<std::uint16_t>(out, 24); // bits per pixel
    le::Append<std::uint32_t>(out, 0);  // no compression
    le::Append<std::uint32_t>(out, pixelBytes);
    le::Append<std::uint32_t>(out, 2835); // 72 dpi
    le::Append<std::uint32_t>(out, 2835);
    le::Append<std::uint32_t>(out, 0); // colours used
    le::Append<std::uint32_t>(out, 0); // important colours
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgb& px = image.At(x, y);
            out.insert(out.end(), {px.b, px.g, px.r});
        }
        out.resize(out.size() + rowBytes - 3 * static_cast<std::uint32_t>(image.width), 0); // padding
    }
    return out;
}

void WriteBmp24(const std::filesystem::path& path, const Image& image)
{
    WriteFileBytes(path, EncodeBmp24(image));
}

} // namespace testgame
