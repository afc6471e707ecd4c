// Player photo files: loading a bitmap with the game's checks, the photo's
// path under the game folder, and putting a chosen photo in place.
#include "PlayerTestGame.h"
#include "ScriptedMessages.h"

#include "player/LoadBitmapFile.h"
#include "player/PhotoPath.h"
#include "player/PlayerPhoto.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QString PathIn(const testgame::TempDir& dir, const QString& relative)
{
    return QDir(QString::fromStdString(dir.Path().string())).filePath(relative);
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A file header and an info header of `headerSize` bytes with a bit count.
QByteArray HeaderWithBitCount(int headerSize, int bitCount)
{
    QByteArray bytes(14 + headerSize, '\0');
    bytes[0] = 'B';
    bytes[1] = 'M';
    bytes[14] = static_cast<char>(headerSize);
    const int at = headerSize == 12 ? 14 + 10 : 14 + 14;
    bytes[at] = static_cast<char>(bitCount);
    return bytes;
}

QString Native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

class PhotoFileTests : public QObject
{
    Q_OBJECT

private slots:
    void loadsAWindowsBitmap();
    void refusesWhatIsNotAReadableBitmapAndLeavesNoPicture();
    void readsTheBitCountOfEitherHeader();
    void photoPathJoinsGameFolderPhotoFolderAndDisplayName();
    void photoPathMatchesExistingNamesWithoutRegardToCase();
    void photoPathPrefersTheExactSpelling();
    void photoPathDecodesTheGameText();
    void namesThatCannotBeFileNamesBuildNoPath_data();
    void namesThatCannotBeFileNamesBuildNoPath();
    void noGameFolderBuildsNoPath();
    void aNewPhotoIsCopiedWithoutAQuestion();
    void aPhotoOfTheWrongSizeIsRefusedAndNothingIsCopied();
    void aFileThatIsNotABitmapIsRefused();
    void replacingAPhotoAsksFirst();
    void aFailedCopyIsReportedAndKeepsTheOldPhoto();
    void choosingThePhotoFileItselfKeepsIt();

private:
    ScriptedMessages m_messages;
};

void PhotoFileTests::loadsAWindowsBitmap()
{
    testgame::TempDir dir;
    const QString path = playertest::WriteBitmap(dir, QStringLiteral("p.bmp"), 60, 70);
    QImage image;
    QVERIFY(LoadBitmapFile(path, image));
    QCOMPARE(image.size(), QSize(60, 70));
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(200, 40, 40));
}

void PhotoFileTests::refusesWhatIsNotAReadableBitmapAndLeavesNoPicture()
{
    testgame::TempDir dir;
    const QString good = playertest::WriteBitmap(dir, QStringLiteral("good.bmp"), 8, 8);
    const QString shortFile = PathIn(dir, QStringLiteral("short.bmp"));
    WriteBytes(shortFile, QByteArray("BM\0\0\0\0\0\0", 8));
    const QString noMagic = PathIn(dir, QStringLiteral("nomagic.bmp"));
    QByteArray bytes = ReadBytes(good);
    bytes[0] = 'X';
    WriteBytes(noMagic, bytes);
    const QString truncated = PathIn(dir, QStringLiteral("truncated.bmp"));
    WriteBytes(truncated, ReadBytes(good).left(30));
    const QString png = PathIn(dir, QStringLiteral("picture.png"));
    QImage(8, 8, QImage::Format_RGB32).save(png, "PNG");
    const QString empty = PathIn(dir, QStringLiteral("empty.bmp"));
    WriteBytes(empty, QByteArray());

    for (const QString& path : {PathIn(dir, QStringLiteral("missing.bmp")), shortFile, noMagic, truncated, png, empty,
             QString::fromStdString(dir.Path().string())}) {
        QImage image(4, 4, QImage::Format_RGB32);
        QVERIFY2(!LoadBitmapFile(path, image), qPrintable(path));
        QVERIFY2(image.isNull(), qPrintable(path));
    }
}

void PhotoFileTests::readsTheBitCountOfEitherHeader()
{
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        QCOMPARE(BitmapBitsPerPixel(HeaderWithBitCount(40, bits)), bits);
        QCOMPARE(BitmapBitsPerPixel(HeaderWithBitCount(12, bits)), bits);
    }
    QCOMPARE(BitmapBitsPerPixel(QByteArray("BM")), 0);
    QCOMPARE(BitmapBitsPerPixel(QByteArray(60, 'x')), 0);
}

void PhotoFileTests::photoPathJoinsGameFolderPhotoFolderAndDisplayName()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    const PhotoPath photo = PlayerPhotoPath(folder, "Smith JA");
    QVERIFY(photo.ok());
    QCOMPARE(photo.path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
    // A player without a family name has the display name "", so ".BMP".
    QCOMPARE(PlayerPhotoPath(folder, "").path, Native(folder + QStringLiteral("/GFX/PHOTOS/.BMP")));
}

void PhotoFileTests::photoPathMatchesExistingNamesWithoutRegardToCase()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QVERIFY(QDir(folder).mkpath(QStringLiteral("gfx/Photos")));
    WriteBytes(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp"), "x");
    QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp")));
    // A photo not there yet goes into the existing folders under its own name.
    QCOMPARE(PlayerPhotoPath(folder, "Jones B").path, Native(folder + QStringLiteral("/gfx/Photos/Jones B.BMP")));
}

void PhotoFileTests::photoPathPrefersTheExactSpelling()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    QVERIFY(QDir(folder).mkpath(QStringLiteral("gfx/PHOTOS")));
    if (QFileInfo::exists(folder + QStringLiteral("/GFX")))
        QSKIP("the file system ignores case");
    QVERIFY(QDir(folder).mkpath(QStringLiteral("GFX/PHOTOS")));
    QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
}

void PhotoFileTests::photoPathDecodesTheGameText()
{
    testgame::TempDir dir;
    const QString folder = QString::fromStdString(dir.Path().string());
    const PhotoPath photo = PlayerPhotoPath(folder, "M\xFCller J\xC9");
    QVERIFY(photo.ok());
    QVERIFY(photo.path.endsWith(QStringLiteral("M\u00FCller J\u00C9.BMP")));
}

void PhotoFileTests::namesThatCannotBeFileNamesBuildNoPath_data()
{
    QTest::addColumn<QByteArray>("displayName");
    QTest::newRow("parent folder") << QByteArray("../../evil JA");
    QTest::newRow("slash") << QByteArray("Smith/Jones JA");
    QTest::newRow("backslash") << QByteArray("..\\Smith JA");
    QTest::newRow("colon") << QByteArray("C:Smith JA");
    QTest::newRow("question mark") << QByteArray("Smith? JA");
    QTest::newRow("control character") << QByteArray("Smith\tJA");
    QTest::newRow("device name") << QByteArray("CON ");
    QTest::newRow("device name with initials") << QByteArray("nul.txt J");
}

void PhotoFileTests::namesThatCannotBeFileNamesBuildNoPath()
{
    QFETCH(QByteArray, displayName);
    const PhotoPath photo = PlayerPhotoPath(QStringLiteral("/games/ICC"), displayName.toStdString());
    QVERIFY(!photo.ok());
    QVERIFY(photo.path.isEmpty());
    QVERIFY(photo.error.contains(QStringLiteral("cannot hold")));
}

void PhotoFileTests::noGameFolderBuildsNoPath()
{
    const PhotoPath photo = PlayerPhotoPath(QString(), "Smith JA");
    QVERIFY(!photo.ok());
    QVERIFY(photo.path.isEmpty());
}

void PhotoFileTests::aNewPhotoIsCopiedWithoutAQuestion()
{
    m_messages.Clear();
    testgame::TempDir dir;
    const QString chosen = playertest::WriteBitmap(dir, QStringLiteral("chosen.bmp"), 60, 70);
    QVERIFY(QDir(PathIn(dir, QString())).mkpath(QStringLiteral("GFX/PHOTOS")));
    const QString target = PathIn(dir, QStringLiteral("GFX/PHOTOS/Smith JA.BMP"));
    QImage photo;
    QVERIFY(PlayerPhoto::Install(nullptr, chosen, target, QStringLiteral("Smith JA"), photo));
    QCOMPARE(photo.size(), QSize(60, 70));
    QCOMPARE(ReadBytes(target), ReadBytes(chosen));
    QVERIFY(m_messages.m_messages.isEmpty());
}

void PhotoFileTests::aPhotoOfTheWrongSizeIsRefusedAndNothingIsCopied()
{
    m_messages.Clear();
    testgame::TempDir dir;
    QVERIFY(QDir(PathIn(dir, QString())).mkpath(QStringLiteral("GFX/PHOTOS")));
    const QString target = PathIn(dir, QStringLiteral("GFX/PHOTOS/Smith JA.BMP"));
    for (const QSize size : {QSize(61, 70), QSize(60, 69), QSize(70, 60)}) {
        const QString chosen = playertest::WriteBitmap(dir, QStringLiteral("wrong.bmp"), size.width(), size.height());
        QImage photo;
        QVERIFY(!PlayerPhoto::Install(nullptr, chosen, target, QStringLiteral("Smith JA"), photo));
        QVERIFY(photo.isNull());
        QVERIFY(!QFileInfo::exists(target));
    }
    QCOMPARE(m_messages.m_messages, QStringList(3, QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!")));
}

void PhotoFileTests::aFileThatIsNotABitmapIsRefused()
{
    m_messages.Clear();
    testgame::TempDir dir;
    const QString chosen = PathIn(dir, QStringLiteral("notes.bmp"));
    WriteBytes(chosen, "just some text, not a picture");
    const QString target = PathIn(dir, QStringLiteral("Smith JA.BMP"));
    QImage photo;
    QVERIFY(!PlayerPhoto::Install(nullptr, chosen, target, QStringLiteral("Smith JA"), photo));
    QCOMPARE(m_messages.m_messages, QStringList{QStringLiteral("Error accessing photo file.")});
    QVERIFY(!QFileInfo::exists(target));
}

void PhotoFileTests::replacingAPhotoAsksFirst()
{
    m_messages.Clear();
    testgame::TempDir dir;
    const QString old = playertest::WriteBitmap(dir, QStringLiteral("Smith JA.BMP"), 60, 70);
    const QByteArray oldBytes = ReadBytes(old);
    QImage blue(60, 70, QImage::Format_RGB888);
    blue.fill(Qt::blue);
    const QString chosen = PathIn(dir, QStringLiteral("blue.bmp"));
    QVERIFY(blue.save(chosen, "BMP"));
    const QString question = QStringLiteral("Photo file for player Smith JA alreay exists. Do you want to replace it?");

    QImage photo;
    m_messages.QueueAnswer(IMessageService::Answer::No);
    QVERIFY(!PlayerPhoto::Install(nullptr, chosen, old, QStringLiteral("Smith JA"), photo));
    QCOMPARE(m_messages.m_messages, QStringList{question});
    QCOMPARE(ReadBytes(old), oldBytes);
    QVERIFY(photo.isNull());

    m_messages.Clear();
    m_messages.QueueAnswer(IMessageService::Answer::Yes);
    QVERIFY(PlayerPhoto::Install(nullptr, chosen, old, QStringLiteral("Smith JA"), photo));
    QCOMPARE(m_messages.m_messages, QStringList{question});
    QCOMPARE(ReadBytes(old), ReadBytes(chosen));
    QCOMPARE(QColor(photo.pixel(0, 0)), QColor(Qt::blue));
}

void PhotoFileTests::aFailedCopyIsReportedAndKeepsTheOldPhoto()
{
    m_messages.Clear();
    testgame::TempDir dir;
    const QString chosen = playertest::WriteBitmap(dir, QStringLiteral("chosen.bmp"), 60, 70);
    const QString target = PathIn(dir, QStringLiteral("GFX/PHOTOS/Smith JA.BMP")); // no such folder
    QImage photo(1, 1, QImage::Format_RGB32);
    QVERIFY(!PlayerPhoto::Install(nullptr, chosen, target, QStringLiteral("Smith JA"), photo));
    QCOMPARE(photo.size(), QSize(1, 1));
    QCOMPARE(m_messages.m_messages.size(), 1);
    QVERIFY(m_messages.m_messages.front().startsWith(
        QStringLiteral("The photo could not be copied to \"%1\"").arg(QDir::toNativeSeparators(target))));
    QVERIFY(!QFileInfo::exists(target));
}

void PhotoFileTests::choosingThePhotoFileItselfKeepsIt()
{
    m_messages.Clear();
    testgame::TempDir dir;
    const QString photoFile = playertest::WriteBitmap(dir, QStringLiteral("Smith JA.BMP"), 60, 70);
    const QByteArray bytes = ReadBytes(photoFile);
    QImage photo;
    QVERIFY(PlayerPhoto::Install(nullptr, photoFile, photoFile, QStringLiteral("Smith JA"), photo));
    QCOMPARE(ReadBytes(photoFile), bytes);
    QCOMPARE(photo.size(), QSize(60, 70));
}

QTEST_MAIN(PhotoFileTests)
#include "PhotoFileTests.moc"
