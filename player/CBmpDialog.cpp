#include "CBmpDialog.h"

#include "CPreviewButton.h"
#include "LoadBitmapFile.h"
#include "ui_BmpPreview.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>

namespace {

bool g_bShowPreview = true;

} // namespace

QString PreviewColorsLine(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1: return QStringLiteral("Colors: 2 (monocromatic)");
    case 4: return QStringLiteral("Colors: 16");
    case 8: return QStringLiteral("Colors: 256");
    case 16: return QStringLiteral("Colors: 65,536");
    case 24: return QStringLiteral("Colors: 16 millions");
    default: return {};
    }
}

QString PreviewSizeLine(qint64 fileBytes)
{
    return QStringLiteral("Size: %1 Kb").arg(fileBytes / 1024);
}

bool CBmpDialog::ShowPreviewSetting()
{
    return g_bShowPreview;
}

void CBmpDialog::SetShowPreviewSetting(bool show)
{
    g_bShowPreview = show;
}

CBmpDialog::CBmpDialog(bool bOpenFileDialog, const QString& defaultExtension, const QString& fileName, QWidget* parent)
    : QFileDialog(parent)
    , m_ui(std::make_unique<Ui::BmpPreview>())
{
    // Qt's own dialog, not the platform's, so that it can hold the preview.
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(bOpenFileDialog ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    setFileMode(bOpenFileDialog ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!defaultExtension.isEmpty())
        setDefaultSuffix(defaultExtension);
    // Game folders come from Windows, where "*.bmp" also finds ".BMP".
    setNameFilters({QStringLiteral("Bitmaps (*.bmp *.BMP)"), QStringLiteral("All Files (*)")});
    if (!fileName.isEmpty())
        selectFile(fileName);

    m_pPreviewPane = new QWidget(this);
    m_ui->setupUi(m_pPreviewPane);
    if (auto* grid = qobject_cast<QGridLayout*>(layout()))
        grid->addWidget(m_pPreviewPane, grid->rowCount(), 0, 1, grid->columnCount());

    ReleasePreview();
    ClearInfoLines();
    m_ui->checkShowPreview->setChecked(g_bShowPreview);
    connect(m_ui->checkShowPreview, &QCheckBox::clicked, this, &CBmpDialog::OnShowPreviewClicked);
    connect(this, &QFileDialog::currentChanged, this, &CBmpDialog::OnSelectionChanged);
}

CBmpDialog::~CBmpDialog() = default;

const QImage& CBmpDialog::PreviewBitmap() const
{
    return m_ui->buttonThumbnail->Bitmap();
}

void CBmpDialog::OnSelectionChanged(const QString& path)
{
    m_strCurrent = path;
    if (!m_ui->checkShowPreview->isChecked()) {
        ReleasePreview();
        return;
    }
    const QByteArray bytes = ReadBitmapFileBytes(path);
    QImage bitmap;
    if (!LoadBitmapData(bytes, bitmap)) {
        ReleasePreview();
        ClearInfoLines();
        return;
    }
    m_ui->buttonThumbnail->SetBitmap(bitmap);
    m_ui->labelWidth->setText(QStringLiteral("Width: %1 pixels").arg(bitmap.width()));
    m_ui->labelHeight->setText(QStringLiteral("Height: %1 pixels").arg(bitmap.height()));
    m_ui->labelColors->setText(PreviewColorsLine(BitmapBitsPerPixel(bytes)));
    m_ui->labelSize->setText(PreviewSizeLine(QFileInfo(path).size()));
}

void CBmpDialog::OnShowPreviewClicked(bool checked)
{
    g_bShowPreview = checked;
    if (checked) {
        OnSelectionChanged(m_strCurrent);
        return;
    }
    ReleasePreview();
    ClearInfoLines();
}

void CBmpDialog::accept()
{
    QFileDialog::accept();
    if (result() == QDialog::Accepted)
        ReleasePreview();
}

void CBmpDialog::ReleasePreview()
{
    m_ui->buttonThumbnail->SetBitmap({});
}

void CBmpDialog::ClearInfoLines()
{
    m_ui->labelWidth->clear();
    m_ui->labelHeight->clear();
    m_ui->labelColors->clear();
    m_ui->labelSize->clear();
}
