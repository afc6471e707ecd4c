#include "LoadBitmapFile.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

constexpr qint64 kFileHeaderSize = 14;
// Far above any photo; keeps a wrongly chosen huge file from filling memory.
constexpr qint64 kMaxFileSize = qint64{256} * 1024 * 1024;

int U16At(const QByteArray& bytes, qsizetype offset)
{
    return static_cast<unsigned char>(bytes[offset]) | (static_cast<unsigned char>(bytes[offset + 1]) << 8);
}

} // namespace

QByteArray ReadBitmapFileBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxFileSize)
        return {};
    return file.readAll();
}

bool LoadBitmapData(const QByteArray& fileBytes, QImage& bitmap)
{
    bitmap = QImage();
    if (fileBytes.size() < kFileHeaderSize || !fileBytes.startsWith("BM"))
        return false;
    QBuffer buffer;
    buffer.setData(fileBytes);
    QImageReader reader(&buffer, "bmp");
    QImage image = reader.read();
    if (image.isNull())
        return false;
    bitmap = std::move(image);
    return true;
}

bool LoadBitmapFile(const QString& path, QImage& bitmap)
{
    return LoadBitmapData(ReadBitmapFileBytes(path), bitmap);
}

int BitmapBitsPerPixel(const QByteArray& fileBytes)
{
    constexpr qsizetype kInfoHeader = kFileHeaderSize;
    if (fileBytes.size() < kInfoHeader + 4 || !fileBytes.startsWith("BM"))
        return 0;
    // The old 12-byte core header keeps its bit count at offset 10, the
    // 40-byte (and later) headers at offset 14.
    const qsizetype at = kInfoHeader + (U16At(fileBytes, kInfoHeader) == 12 ? 10 : 14);
    return fileBytes.size() >= at + 2 ? U16At(fileBytes, at) : 0;
}
