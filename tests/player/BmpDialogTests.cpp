// The photo dialog's preview: where the thumbnail is drawn, the info lines
// and their texts, and "Show Preview" remembered from one use to the next.
#include "PlayerTestGame.h"
#include "ScriptedMessages.h"

#include "player/CBmpDialog.h"
#include "player/CPreviewButton.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QtTest>

namespace {

QString PathIn(const testgame::TempDir& dir, const QString& name)
{
    return QDir(QString::fromStdString(dir.Path().string())).filePath(name);
}

// A loadable bitmap file padded with trailing bytes to exactly `size` bytes.
QString BitmapOfFileSize(const testgame::TempDir& dir, const QString& name, qint64 size)
{
    const QString path = playertest::WriteBitmap(dir, name, 10, 10);
    QFile file(path);
    if (!file.open(QIODevice::Append) || file.size() > size)
        return {};
    file.write(QByteArray(static_cast<qsizetype>(size - file.size()), '\0'));
    return path;
}

QString Line(const QDialog& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name));
}

// The smallest rectangle holding every pixel of `colour`.
QRect BoundsOf(const QImage& image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & RGB_MASK) == (colour & RGB_MASK))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

} // namespace

class BmpDialogTests : public QObject
{
    Q_OBJECT

private slots:
    void init() { CBmpDialog::SetShowPreviewSetting(true); }

    void aWidePictureFillsTheWidthAndIsCentredVertically();
    void aTallPictureFillsTheHeightAndIsCentredHorizontally();
    void theThumbnailIsDrawnWherePreviewRectSays();
    void infoLinesDescribeTheSelectedBitmap();
    void sizeLineCountsWholeKilobytes();
    void colorsLineNamesEachDepth();
    void aFileThatIsNotABitmapEmptiesThePreview();
    void showPreviewIsRememberedWhileTheProgramRuns();
    void rechekingShowPreviewPreviewsTheCurrentSelection();
    void selectingAFileInTheDialogPreviewsIt();
    void theDialogOffersBitmapsAndAllFiles();

private:
    ScriptedMessages m_messages;
};

void BmpDialogTests::aWidePictureFillsTheWidthAndIsCentredVertically()
{
    // 200 x 100 in 150 x 130: height 0.5 x 150 = 75, moved down (130 - 75) / 2 = 27.
    QCOMPARE(PreviewRect(QRect(0, 0, 150, 130), QSize(200, 100)), QRect(0, 27, 150, 75));
    // 201 x 100 in 135 x 125: 100 / 201 x 135 = 67.16 -> 67, moved (125 - 67) / 2 = 29.
    QCOMPARE(PreviewRect(QRect(0, 0, 135, 125), QSize(201, 100)), QRect(0, 29, 135, 67));
    // An offset area keeps its left and top edges as the base.
    QCOMPARE(PreviewRect(QRect(10, 20, 150, 130), QSize(200, 100)), QRect(10, 47, 150, 75));
}

void BmpDialogTests::aTallPictureFillsTheHeightAndIsCentredHorizontally()
{
    // 60 x 70 in 150 x 130: width 60/70 x 130 = 111.43 -> 111, moved (150 - 111) / 2 = 19.
    QCOMPARE(PreviewRect(QRect(0, 0, 150, 130), QSize(60, 70)), QRect(19, 0, 111, 130));
    // Enlarged: 6 x 7 ends up just as large.
    QCOMPARE(PreviewRect(QRect(0, 0, 150, 130), QSize(6, 7)), QRect(19, 0, 111, 130));
    // A square is not wider than high: the full height.
    QCOMPARE(PreviewRect(QRect(0, 0, 135, 125), QSize(50, 50)), QRect(5, 0, 125, 125));
}

void BmpDialogTests::theThumbnailIsDrawnWherePreviewRectSays()
{
    CPreviewButton button;
    button.setFixedSize(150, 130);
    const QRgb red = qRgb(255, 0, 0);
    for (const QSize size : {QSize(200, 100), QSize(60, 70)}) {
        QImage picture(size, QImage::Format_RGB32);
        picture.fill(red);
        button.SetBitmap(picture);
        const QImage shot = button.grab().toImage();
        QCOMPARE(BoundsOf(shot, red), PreviewRect(QRect(0, 0, 150, 130), size));
    }
    button.SetBitmap({});
    QVERIFY(BoundsOf(button.grab().toImage(), red).isNull());
}

void BmpDialogTests::infoLinesDescribeTheSelectedBitmap()
{
    testgame::TempDir dir;
    const QString path = playertest::WriteBitmap(dir, QStringLiteral("wide.bmp"), 200, 100);
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.OnSelectionChanged(path);
    QCOMPARE(dialog.PreviewBitmap().size(), QSize(200, 100));
    QCOMPARE(Line(dialog, "labelWidth"), QStringLiteral("Width: 200 pixels"));
    QCOMPARE(Line(dialog, "labelHeight"), QStringLiteral("Height: 100 pixels"));
    QCOMPARE(Line(dialog, "labelColors"), QStringLiteral("Colors: 16 millions"));
    // 54 header bytes and 100 rows of 600 bytes.
    QCOMPARE(Line(dialog, "labelSize"), QStringLiteral("Size: 58 Kb"));
}

void BmpDialogTests::sizeLineCountsWholeKilobytes()
{
    QCOMPARE(PreviewSizeLine(1500), QStringLiteral("Size: 1 Kb"));
    QCOMPARE(PreviewSizeLine(1000), QStringLiteral("Size: 0 Kb"));
    QCOMPARE(PreviewSizeLine(2047), QStringLiteral("Size: 1 Kb"));
    QCOMPARE(PreviewSizeLine(2048), QStringLiteral("Size: 2 Kb"));

    testgame::TempDir dir;
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.OnSelectionChanged(BitmapOfFileSize(dir, QStringLiteral("a.bmp"), 1500));
    QCOMPARE(Line(dialog, "labelSize"), QStringLiteral("Size: 1 Kb"));
    dialog.OnSelectionChanged(BitmapOfFileSize(dir, QStringLiteral("b.bmp"), 1000));
    QCOMPARE(Line(dialog, "labelSize"), QStringLiteral("Size: 0 Kb"));
}

void BmpDialogTests::colorsLineNamesEachDepth()
{
    QCOMPARE(PreviewColorsLine(1), QStringLiteral("Colors: 2 (monocromatic)"));
    QCOMPARE(PreviewColorsLine(4), QStringLiteral("Colors: 16"));
    QCOMPARE(PreviewColorsLine(8), QStringLiteral("Colors: 256"));
    QCOMPARE(PreviewColorsLine(16), QStringLiteral("Colors: 65,536"));
    QCOMPARE(PreviewColorsLine(24), QStringLiteral("Colors: 16 millions"));
    QCOMPARE(PreviewColorsLine(32), QString());
    QCOMPARE(PreviewColorsLine(0), QString());
}

void BmpDialogTests::aFileThatIsNotABitmapEmptiesThePreview()
{
    testgame::TempDir dir;
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.OnSelectionChanged(playertest::WriteBitmap(dir, QStringLiteral("p.bmp"), 60, 70));
    QVERIFY(!dialog.PreviewBitmap().isNull());
    const QString text = PathIn(dir, QStringLiteral("text.bmp"));
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    dialog.OnSelectionChanged(text);
    QVERIFY(dialog.PreviewBitmap().isNull());
    for (const char* line : {"labelWidth", "labelHeight", "labelColors", "labelSize"})
        QCOMPARE(Line(dialog, line), QString());
}

void BmpDialogTests::showPreviewIsRememberedWhileTheProgramRuns()
{
    testgame::TempDir dir;
    const QString path = playertest::WriteBitmap(dir, QStringLiteral("p.bmp"), 60, 70);
    {
        CBmpDialog dialog(true, QString(), QString(), nullptr);
        auto* check = dialog.findChild<QCheckBox*>(QStringLiteral("checkShowPreview"));
        QVERIFY(check && check->isChecked());
        dialog.OnSelectionChanged(path);
        check->click();
        QVERIFY(dialog.PreviewBitmap().isNull());
        QCOMPARE(Line(dialog, "labelWidth"), QString());
    }
    CBmpDialog again(true, QString(), QString(), nullptr);
    auto* check = again.findChild<QCheckBox*>(QStringLiteral("checkShowPreview"));
    QVERIFY(!check->isChecked());
    QVERIFY(!CBmpDialog::ShowPreviewSetting());
    again.OnSelectionChanged(path);
    QVERIFY(again.PreviewBitmap().isNull());
    QCOMPARE(Line(again, "labelWidth"), QString());
}

void BmpDialogTests::rechekingShowPreviewPreviewsTheCurrentSelection()
{
    testgame::TempDir dir;
    const QString path = playertest::WriteBitmap(dir, QStringLiteral("p.bmp"), 60, 70);
    CBmpDialog::SetShowPreviewSetting(false);
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.OnSelectionChanged(path);
    QVERIFY(dialog.PreviewBitmap().isNull());
    dialog.findChild<QCheckBox*>(QStringLiteral("checkShowPreview"))->click();
    QVERIFY(CBmpDialog::ShowPreviewSetting());
    QCOMPARE(dialog.PreviewBitmap().size(), QSize(60, 70));
    QCOMPARE(Line(dialog, "labelWidth"), QStringLiteral("Width: 60 pixels"));
}

void BmpDialogTests::selectingAFileInTheDialogPreviewsIt()
{
    testgame::TempDir dir;
    const QString path = playertest::WriteBitmap(dir, QStringLiteral("p.bmp"), 60, 70);
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.setDirectory(QString::fromStdString(dir.Path().string()));
    dialog.show();
    // As a click on the file does: it becomes the current item of the list.
    auto* model = dialog.findChild<QFileSystemModel*>();
    auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
    QVERIFY(model && list);
    QTRY_VERIFY(model->index(path).isValid());
    list->setCurrentIndex(model->index(path));
    QTRY_COMPARE(dialog.PreviewBitmap().size(), QSize(60, 70));
    QCOMPARE(Line(dialog, "labelHeight"), QStringLiteral("Height: 70 pixels"));
}

void BmpDialogTests::theDialogOffersBitmapsAndAllFiles()
{
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
    QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
    QCOMPARE(dialog.nameFilters().size(), 2);
    QVERIFY(dialog.nameFilters().at(0).startsWith(QStringLiteral("Bitmaps (*.bmp")));
    QVERIFY(dialog.nameFilters().at(1).startsWith(QStringLiteral("All Files")));
}

QTEST_MAIN(BmpDialogTests)
#include "BmpDialogTests.moc"
