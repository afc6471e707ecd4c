#pragma once

#include <QImage>
#include <QString>

// Loads a Windows bitmap file (the "BM" file header and a readable bitmap
// after it) into `bitmap`. Whatever `bitmap` held is dropped first; on any
// failure (cannot open, shorter than the 14-byte file header, no "BM", not a
// readable bitmap) it returns false and leaves `bitmap` null.
bool LoadBitmapFile(const QString& path, QImage& bitmap);
// The same checks on the bytes of a file already read.
bool LoadBitmapData(const QByteArray& fileBytes, QImage& bitmap);
// The bytes of a file small enough to be a bitmap; empty when it cannot be
// read or is far too large for one.
QByteArray ReadBitmapFileBytes(const QString& path);

// Bits per pixel from the bitmap header of a Windows bitmap file's bytes;
// 0 when they hold no bitmap header.
int BitmapBitsPerPixel(const QByteArray& fileBytes);
