#pragma once

#include <QImage>
#include <QPushButton>

// The thumbnail of the photo dialog: draws its bitmap as large as fits,
// keeping its proportions, centred across the other direction.
class CPreviewButton : public QPushButton
{
    Q_OBJECT

public:
    explicit CPreviewButton(QWidget* parent = nullptr);

    void SetBitmap(const QImage& bitmap);
    const QImage& Bitmap() const { return m_bitmap; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_bitmap;
};

// Where a bitmap of `bitmapSize` is drawn inside `area`: the full height
// when it is not wider than high, else the full width, the other edge
// scaled in floating point and truncated, then centred by moving both
// edges by half the difference (integer halving).
QRect PreviewRect(const QRect& area, const QSize& bitmapSize);
