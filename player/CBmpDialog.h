#pragma once

#include <QFileDialog>
#include <QImage>

#include <memory>

namespace Ui {
class BmpPreview;
}

// A file dialog for bitmaps with a preview pane below it: a thumbnail of
// the selected file and its width, height, colours and size. "Show Preview"
// is remembered from one use to the next while the program runs.
//
// Preview pane (ids of the original template -> objectNames):
//   5001 buttonThumbnail, 5006 checkShowPreview, 5002 labelWidth,
//   5003 labelHeight, 5004 labelColors, 5005 labelSize
class CBmpDialog : public QFileDialog
{
    Q_OBJECT

public:
    CBmpDialog(bool bOpenFileDialog, const QString& defaultExtension, const QString& fileName, QWidget* parent);
    ~CBmpDialog() override;

    // The program-wide "Show Preview" setting.
    static bool ShowPreviewSetting();
    static void SetShowPreviewSetting(bool show);

    // Shows `path` in the preview (when "Show Preview" is checked).
    void OnSelectionChanged(const QString& path);
    void OnShowPreviewClicked(bool checked);

    const QImage& PreviewBitmap() const;

    void accept() override;

private:
    void ReleasePreview();
    void ClearInfoLines();

    std::unique_ptr<Ui::BmpPreview> m_ui;
    QWidget* m_pPreviewPane = nullptr;
    QString m_strCurrent;
};

// The texts of the preview's info lines.
QString PreviewColorsLine(int bitsPerPixel);
QString PreviewSizeLine(qint64 fileBytes);
