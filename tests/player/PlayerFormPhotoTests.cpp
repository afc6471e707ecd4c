// The form's photo: shown from the game's photo folder, chosen with
// "Photo...", checked, asked about and copied into place.
#include "FormFixture.h"
#include "PlayerTestGame.h"

#include "gamedata/CGame.h"
#include "player/CBmpDialog.h"
#include "player/CPlayerAttributesView.h"
#include "shell/COrbekApp.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using playertest::FormFixture;
using playertest::WhenModalOpens;

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Picks `path` in the photo dialog once it opens, as the user does.
void ChoosePhotoFile(const QString& path)
{
    WhenModalOpens<CBmpDialog>([path](CBmpDialog* dialog) {
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        dialog->accept();
    });
}

QString WriteColouredBitmap(const QString& path, QColor colour, QSize size = QSize(60, 70))
{
    QImage image(size, QImage::Format_RGB888);
    image.fill(colour);
    return image.save(path, "BMP") ? path : QString();
}

} // namespace

class PlayerFormPhotoTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theFormShowsThePhotoFromThePhotoFolderInAnyCase();
    void aNewPhotoIsCopiedAndShownAtOnce();
    void aPhotoOfTheWrongSizeIsRefusedAndTheOldOneStays();
    void answeringNoKeepsTheExistingPhoto();
    void aFailedCopyIsReportedAndTheFormKeepsItsPhoto();
    void aNameThatCannotBeAFileNameShowsNoPhotoAndRefusesPhoto();
    void cancellingTheDialogChangesNothing();
    void renamingAPlayerLooksForAnotherPhoto();

private:
    QString Photos() const { return m_fixture->GameFolder() + QStringLiteral("/GFX/PHOTOS"); }

    std::unique_ptr<FormFixture> m_fixture;
    std::uint16_t m_player = 2;
    std::uint16_t m_other = 3;
};

void PlayerFormPhotoTests::init()
{
    auto game = playertest::MakeGame(20);
    game.FindPlayer(m_player)->SetNames("John Andrew", "Smith");
    game.FindPlayer(m_other)->SetNames("Brian", "Jones");
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(game));
    QVERIFY(QDir(m_fixture->GameFolder()).mkpath(QStringLiteral("GFX/PHOTOS")));
}

void PlayerFormPhotoTests::cleanup()
{
    m_fixture.reset();
}

void PlayerFormPhotoTests::theFormShowsThePhotoFromThePhotoFolderInAnyCase()
{
    FormFixture& f = *m_fixture;
    QVERIFY(QDir(f.GameFolder()).rename(QStringLiteral("GFX"), QStringLiteral("gfx")));
    QVERIFY(!WriteColouredBitmap(f.GameFolder() + QStringLiteral("/gfx/PHOTOS/smith ja.bmp"), Qt::green).isEmpty());
    f.Select(m_player);
    QCOMPARE(f.Form().Photo().size(), QSize(60, 70));
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::green));
    QVERIFY(!f.Child<QLabel>("labelPhoto")->pixmap().isNull());
    f.Select(m_other); // no photo of his
    QVERIFY(f.Form().Photo().isNull());
    QVERIFY(f.Child<QLabel>("labelPhoto")->pixmap().isNull());
}

void PlayerFormPhotoTests::aNewPhotoIsCopiedAndShownAtOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_player);
    const QString chosen = WriteColouredBitmap(f.GameFolder() + QStringLiteral("/new.bmp"), Qt::blue);
    ChoosePhotoFile(chosen);
    f.Child<QPushButton>("buttonPhoto")->click();
    QVERIFY(f.m_messages.m_messages.isEmpty());
    QCOMPARE(ReadBytes(Photos() + QStringLiteral("/Smith JA.BMP")), ReadBytes(chosen));
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::blue));
    // A photo lives in its own file: the player is not marked.
    QCOMPARE(f.Player(m_player).m_bModified, 0u);
    QVERIFY(!f.Label(m_player).endsWith(u'*'));
}

void PlayerFormPhotoTests::aPhotoOfTheWrongSizeIsRefusedAndTheOldOneStays()
{
    FormFixture& f = *m_fixture;
    const QString photo = WriteColouredBitmap(Photos() + QStringLiteral("/Smith JA.BMP"), Qt::green);
    const QByteArray before = ReadBytes(photo);
    f.Select(m_player);
    ChoosePhotoFile(WriteColouredBitmap(f.GameFolder() + QStringLiteral("/wide.bmp"), Qt::blue, QSize(61, 70)));
    f.Child<QPushButton>("buttonPhoto")->click();
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!")});
    QCOMPARE(ReadBytes(photo), before);
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::green));
}

void PlayerFormPhotoTests::answeringNoKeepsTheExistingPhoto()
{
    FormFixture& f = *m_fixture;
    const QString photo = WriteColouredBitmap(Photos() + QStringLiteral("/Smith JA.BMP"), Qt::green);
    const QByteArray before = ReadBytes(photo);
    f.Select(m_player);
    const QString chosen = WriteColouredBitmap(f.GameFolder() + QStringLiteral("/new.bmp"), Qt::blue);
    f.m_messages.QueueAnswer(IMessageService::Answer::No);
    ChoosePhotoFile(chosen);
    f.Child<QPushButton>("buttonPhoto")->click();
    QCOMPARE(f.m_messages.m_messages,
        QStringList{QStringLiteral("Photo file for player Smith JA alreay exists. Do you want to replace it?")});
    QCOMPARE(ReadBytes(photo), before);
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::green));

    f.m_messages.Clear();
    f.m_messages.QueueAnswer(IMessageService::Answer::Yes);
    ChoosePhotoFile(chosen);
    f.Child<QPushButton>("buttonPhoto")->click();
    QCOMPARE(ReadBytes(photo), ReadBytes(chosen));
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::blue));
}

void PlayerFormPhotoTests::aFailedCopyIsReportedAndTheFormKeepsItsPhoto()
{
    FormFixture& f = *m_fixture;
    QVERIFY(QDir(f.GameFolder() + QStringLiteral("/GFX")).removeRecursively());
    f.Select(m_player);
    ChoosePhotoFile(WriteColouredBitmap(f.GameFolder() + QStringLiteral("/new.bmp"), Qt::blue));
    f.Child<QPushButton>("buttonPhoto")->click();
    QCOMPARE(f.m_messages.m_messages.size(), 1);
    QVERIFY(f.m_messages.m_messages.front().startsWith(QStringLiteral("The photo could not be copied to")));
    QVERIFY(f.Form().Photo().isNull());
}

void PlayerFormPhotoTests::aNameThatCannotBeAFileNameShowsNoPhotoAndRefusesPhoto()
{
    FormFixture& f = *m_fixture;
    // A file the name would reach if it were used as a path.
    QVERIFY(!WriteColouredBitmap(f.GameFolder() + QStringLiteral("/GFX/evil A.BMP"), Qt::red).isEmpty());
    f.Player(m_player).m_strFamilyName = "../evil";
    f.Player(m_player).m_strGivenNames = "A";
    f.Select(m_player);
    QVERIFY(f.Form().Photo().isNull());
    f.Child<QPushButton>("buttonPhoto")->click(); // refused before any dialog opens
    QCOMPARE(f.m_messages.m_messages.size(), 1);
    QVERIFY(f.m_messages.m_messages.front().contains(QStringLiteral("cannot hold")));
    QVERIFY(!QApplication::activeModalWidget());
}

void PlayerFormPhotoTests::cancellingTheDialogChangesNothing()
{
    FormFixture& f = *m_fixture;
    f.Select(m_player);
    WhenModalOpens<CBmpDialog>([](CBmpDialog* dialog) { dialog->reject(); });
    f.Child<QPushButton>("buttonPhoto")->click();
    QVERIFY(f.m_messages.m_messages.isEmpty());
    QVERIFY(QDir(Photos()).entryList(QDir::Files).isEmpty());
}

void PlayerFormPhotoTests::renamingAPlayerLooksForAnotherPhoto()
{
    FormFixture& f = *m_fixture;
    WriteColouredBitmap(Photos() + QStringLiteral("/Smith JA.BMP"), Qt::green);
    WriteColouredBitmap(Photos() + QStringLiteral("/Brown JA.BMP"), Qt::blue);
    f.Select(m_player);
    f.Retype("editFamilyName", QStringLiteral("Brown"));
    f.Select(m_other);
    f.Select(m_player);
    QCOMPARE(QColor(f.Form().Photo().pixel(0, 0)), QColor(Qt::blue));
    QVERIFY(QFileInfo::exists(Photos() + QStringLiteral("/Smith JA.BMP")));
}

QTEST_MAIN(PlayerFormPhotoTests)
#include "PlayerFormPhotoTests.moc"
