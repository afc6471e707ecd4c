// Player photo files: loading a bitmap with the game's checks, the photo's
// path under the game folder, and the photo dialog's preview.
#include "FormFixture.h"

#include "player/CBmpDialog.h"
#include "player/CPreviewButton.h"
#include "player/LoadBitmapFile.h"
#include "player/PhotoPath.h"
#include "player/PlayerPhoto.h"

#include <QCheckBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QListView>
#include <QtTest>

using playertest::PathIn;
using playertest::WriteBitmap;

using playertest::ReadBytes;

namespace {

QString WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// The four info lines under the preview.
QStringList InfoLines(const QDialog& dialog)
{
    QStringList lines;
    for (const char* name : {"labelWidth", "labelHeight", "labelColors", "labelSize"}) {
        const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        lines << (label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name)));
    }
    return lines;
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

class PhotoTests : public QObject
{
    Q_OBJECT

private slots:
    void init() { CBmpDialog::SetShowPreviewSetting(true); }

    void loadsAWindowsBitmapAndRefusesWhatIsNotOne();
    void photoPathJoinsGameFolderPhotoFolderAndDisplayName();
    void photoPathMatchesExistingNamesWithoutRegardToCaseButPrefersTheExactSpelling();
    void choosingThePhotoFileItselfKeepsIt();
    void thePreviewFitsThePictureKeepingItsProportions();
    void infoLinesDescribeTheSelectedBitmapOrNothing();
    void selectingAFilePreviewsItAndShowPreviewIsRemembered();

private:
    ScriptedMessageService m_messages;
};

void PhotoTests::loadsAWindowsBitmapAndRefusesWhatIsNotOne()
{
    testgame::TempDir dir;
    const QString good = WriteBitmap(PathIn(dir, QStringLiteral("good.bmp")));
    QImage image;
    QVERIFY(LoadBitmapFile(good, image));
    QCOMPARE(image.size(), QSize(60, 70));
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(200, 40, 40));

    QByteArray noMagic = ReadBytes(good);
    noMagic[0] = 'X';
    const QString png = PathIn(dir, QStringLiteral("picture.png"));
    QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(png, "PNG"));
    for (const QString& path : {PathIn(dir, QStringLiteral("missing.bmp")), png,
             WriteBytes(PathIn(dir, QStringLiteral("nomagic.bmp")), noMagic),
             WriteBytes(PathIn(dir, QStringLiteral("truncated.bmp")), ReadBytes(good).left(30)),
             WriteBytes(PathIn(dir, QStringLiteral("empty.bmp")), QByteArray())}) {
        QImage refused(4, 4, QImage::Format_RGB32);
        QVERIFY2(!LoadBitmapFile(path, refused), qPrintable(path));
        QVERIFY2(refused.isNull(), qPrintable(path));
    }
}

void PhotoTests::photoPathJoinsGameFolderPhotoFolderAndDisplayName()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
    QCOMPARE(PlayerPhotoPath(folder, "").path, Native(folder + QStringLiteral("/GFX/PHOTOS/.BMP"))); // no family name
    QVERIFY(PlayerPhotoPath(folder, "M\xFCller J\xC9").path.endsWith(QStringLiteral("M\u00FCller J\u00C9.BMP")));
    QVERIFY(!PlayerPhotoPath(QString(), "Smith JA").ok() && PlayerPhotoPath(QString(), "Smith JA").path.isEmpty());
    // Names that could reach outside the photo folder, or that no file can have.
    for (const char* name : {"../../evil JA", "Smith/Jones JA", "..\\Smith JA", "C:Smith JA", "Smith? JA", "Smith\tJA",
             "CON ", "nul.txt J"}) {
        const PhotoPath photo = PlayerPhotoPath(folder, name);
        QVERIFY2(!photo.ok() && photo.path.isEmpty() && photo.error.contains(QStringLiteral("cannot hold")), name);
    }
}

void PhotoTests::photoPathMatchesExistingNamesWithoutRegardToCaseButPrefersTheExactSpelling()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QVERIFY(QDir(folder).mkpath(QStringLiteral("gfx/Photos")));
    QVERIFY(!WriteBytes(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp"), "x").isEmpty());
    QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp")));
    QCOMPARE(PlayerPhotoPath(folder, "Jones B").path, Native(folder + QStringLiteral("/gfx/Photos/Jones B.BMP")));
    if (QFileInfo::exists(folder + QStringLiteral("/GFX")))
        QSKIP("the file system ignores case");
    QVERIFY(QDir(folder).mkpath(QStringLiteral("GFX/PHOTOS")));
    QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
}

void PhotoTests::choosingThePhotoFileItselfKeepsIt()
{
    testgame::TempDir dir;
    const QString photoFile = WriteBitmap(PathIn(dir, QStringLiteral("Smith JA.BMP")));
    const QByteArray bytes = ReadBytes(photoFile);
    QImage photo;
    m_messages.answers.push_back(IMessageService::Answer::Yes); // "replace it?": the file is there already
    QVERIFY(PlayerPhoto::Install(nullptr, photoFile, photoFile, QStringLiteral("Smith JA"), photo));
    QCOMPARE(ReadBytes(photoFile), bytes);
    QCOMPARE(photo.size(), QSize(60, 70));
}

void PhotoTests::thePreviewFitsThePictureKeepingItsProportions()
{
    // Wide pictures fill the width, centred vertically; others fill the
    // height, centred horizontally; sizes truncate; small ones are enlarged.
    const std::tuple<QRect, QSize, QRect> cases[] = {{{0, 0, 150, 130}, {200, 100}, {0, 27, 150, 75}},
        {{0, 0, 135, 125}, {201, 100}, {0, 29, 135, 67}}, {{10, 20, 150, 130}, {200, 100}, {10, 47, 150, 75}},
        {{0, 0, 150, 130}, {60, 70}, {19, 0, 111, 130}}, {{0, 0, 150, 130}, {6, 7}, {19, 0, 111, 130}}};
    for (const auto& [area, size, drawn] : cases)
        QCOMPARE(PreviewRect(area, size), drawn);

    // The thumbnail is drawn exactly there; no picture draws nothing.
    CPreviewButton button;
    button.setFixedSize(150, 130);
    QImage picture(200, 100, QImage::Format_RGB32);
    picture.fill(Qt::red);
    button.SetBitmap(picture);
    const QImage shot = button.grab().toImage();
    for (const int y : {26, 27, 101, 102})
        QCOMPARE(shot.pixelColor(75, y) == QColor(Qt::red), y == 27 || y == 101);
    button.SetBitmap({});
    QVERIFY(button.grab().toImage().pixelColor(75, 65) != QColor(Qt::red));
}

void PhotoTests::infoLinesDescribeTheSelectedBitmapOrNothing()
{
    testgame::TempDir dir;
    CBmpDialog dialog(true, QString(), QString(), nullptr);
    dialog.OnSelectionChanged(WriteBitmap(PathIn(dir, QStringLiteral("wide.bmp")), 200, 100));
    QCOMPARE(dialog.PreviewBitmap().size(), QSize(200, 100));
    // 54 header bytes and 100 rows of 600 bytes.
    QCOMPARE(InfoLines(dialog), (QStringList{QStringLiteral("Width: 200 pixels"), QStringLiteral("Height: 100 pixels"),
                                    QStringLiteral("Colors: 16 millions"), QStringLiteral("Size: 58 Kb")}));
    // A file of 1,500 bytes (a small bitmap padded at its end).
    const QString padded = WriteBitmap(PathIn(dir, QStringLiteral("padded.bmp")), 10, 10);
    QVERIFY(WriteBytes(padded, ReadBytes(padded).leftJustified(1500, '\0')) == padded);
    dialog.OnSelectionChanged(padded);
    QCOMPARE(InfoLines(dialog).at(3), QStringLiteral("Size: 1 Kb"));
    dialog.OnSelectionChanged(WriteBytes(PathIn(dir, QStringLiteral("text.bmp")), "no picture here"));
    QVERIFY(dialog.PreviewBitmap().isNull());
    QCOMPARE(InfoLines(dialog), QStringList(4, QString()));

    const std::pair<qint64, const char*> sizes[] = {{1000, "Size: 0 Kb"}, {2047, "Size: 1 Kb"}, {2048, "Size: 2 Kb"}};
    for (const auto& [bytes, line] : sizes)
        QCOMPARE(PreviewSizeLine(bytes), QString::fromLatin1(line));
    const std::pair<int, const char*> colors[] = {{1, "Colors: 2 (monocromatic)"}, {4, "Colors: 16"},
        {8, "Colors: 256"}, {16, "Colors: 65,536"}, {24, "Colors: 16 millions"}, {32, ""}, {0, ""}};
    for (const auto& [bits, line] : colors)
        QCOMPARE(PreviewColorsLine(bits), QString::fromLatin1(line));
}

void PhotoTests::selectingAFilePreviewsItAndShowPreviewIsRemembered()
{
    testgame::TempDir dir;
    const QString path = WriteBitmap(PathIn(dir, QStringLiteral("p.bmp")));
    {
        CBmpDialog dialog(true, QString(), QString(), nullptr);
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        QVERIFY(dialog.nameFilters().at(0).startsWith(QStringLiteral("Bitmaps (*.bmp")));
        dialog.setDirectory(QString::fromStdString(dir.Path().string()));
        dialog.show();
        // As a click on the file does: it becomes the current item of the list.
        auto* model = dialog.findChild<QFileSystemModel*>();
        auto* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QVERIFY(model && list);
        QTRY_VERIFY(model->index(path).isValid());
        list->setCurrentIndex(model->index(path));
        QTRY_COMPARE(dialog.PreviewBitmap().size(), QSize(60, 70));
        QCOMPARE(InfoLines(dialog).at(1), QStringLiteral("Height: 70 pixels"));
        auto* check = dialog.findChild<QCheckBox*>(QStringLiteral("checkShowPreview"));
        QVERIFY(check->isChecked());
        check->click();
        QVERIFY(dialog.PreviewBitmap().isNull());
        QCOMPARE(InfoLines(dialog).at(0), QString());
    }
    CBmpDialog again(true, QString(), QString(), nullptr);
    auto* check = again.findChild<QCheckBox*>(QStringLiteral("checkShowPreview"));
    QVERIFY(!check->isChecked());
    again.OnSelectionChanged(path);
    QVERIFY(again.PreviewBitmap().isNull());
    // Checked again: the current selection is previewed at once.
    check->click();
    QVERIFY(CBmpDialog::ShowPreviewSetting());
    QCOMPARE(InfoLines(again).at(0), QStringLiteral("Width: 60 pixels"));
}

QTEST_MAIN(PhotoTests)
#include "PhotoTests.moc"
