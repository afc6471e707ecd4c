// Where "Photo..." opens its file dialog, and the photo that follows a player
// whose display name a form commit changes.
#include "FormFixture.h"

#include "gamedata/CGame.h"
#include "player/CBmpDialog.h"
#include "player/CPlayerAttributesView.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using playertest::FormFixture;
using playertest::WhenModalOpens;

using playertest::ReadBytes;

class PhotoFolderTests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        auto game = playertest::MakeGame(40);
        game.FindPlayer(kPlayer)->SetNames("John Andrew", "Smith");
        game.FindPlayer(kOther)->SetNames("Kate", "Brown");
        m_fixture = std::make_unique<FormFixture>();
        QVERIFY(m_fixture->Start(game));
        m_photos = m_fixture->GameFolder() + QStringLiteral("/gfx/Photos"); // spelt as a copied game may spell it
        QVERIFY(QDir().mkpath(m_photos));
        m_fixture->Select(kPlayer);
    }
    void cleanup() { m_fixture.reset(); }

    void the_dialog_opens_in_the_photo_folder_else_in_the_folder_used_last()
    {
        const QString elsewhere = m_fixture->GameFolder() + QStringLiteral("/elsewhere");
        QVERIFY(QDir().mkpath(elsewhere));
        const struct
        {
            bool photoFolder;
            QString goTo; // where the user goes in the dialog, if anywhere
            QString expected;
        } steps[] = {
            {true, elsewhere, m_photos},
            {false, {}, elsewhere}, // no photo folder: where he went last time
            {true, {}, m_photos},
        };
        for (const auto& step : steps) {
            if (!step.photoFolder)
                QVERIFY(QDir(m_fixture->GameFolder()).rename(QStringLiteral("gfx"), QStringLiteral("gfx.away")));
            else if (QDir(m_fixture->GameFolder() + QStringLiteral("/gfx.away")).exists())
                QVERIFY(QDir(m_fixture->GameFolder()).rename(QStringLiteral("gfx.away"), QStringLiteral("gfx")));
            QString given;
            const QString goTo = step.goTo;
            WhenModalOpens<CBmpDialog>([&given, goTo](CBmpDialog* dialog) {
                given = dialog->directory().absolutePath();
                if (!goTo.isEmpty())
                    dialog->setDirectory(goTo);
                dialog->reject();
            });
            m_fixture->Child<QPushButton>("buttonPhoto")->click();
            QCOMPARE(given, QDir(step.expected).absolutePath());
        }
    }

    void a_renamed_player_gets_a_copy_of_his_photo_unless_the_new_name_has_one_and_a_failure_is_reported()
    {
        FormFixture& f = *m_fixture;
        const QString oldPhoto = m_photos + QStringLiteral("/Smith JA.BMP");
        playertest::WriteBitmap(oldPhoto, 60, 70, Qt::green);
        const QByteArray oldBytes = ReadBytes(oldPhoto);
        // Renamed "Jones": the photo is copied, the old one stays.
        f.Retype("editFamilyName", QStringLiteral("Jones"));
        f.Select(kOther);
        QCOMPARE(ReadBytes(m_photos + QStringLiteral("/Jones JA.BMP")), oldBytes);
        QCOMPARE(ReadBytes(oldPhoto), oldBytes);
        QVERIFY(f.m_messages.MessageTexts().isEmpty());

        // Back to "Smith", who has a photo of his own: it is not overwritten.
        playertest::WriteBitmap(m_photos + QStringLiteral("/Jones JA.BMP"), 60, 70, Qt::blue);
        f.Select(kPlayer);
        f.Retype("editFamilyName", QStringLiteral("Smith"));
        f.Select(kOther);
        QCOMPARE(ReadBytes(oldPhoto), oldBytes);
        QVERIFY(f.m_messages.MessageTexts().isEmpty());

        // The photo cannot be read (a folder bears its name): reported, the name is committed all the same.
        QVERIFY(QDir().mkpath(m_photos + QStringLiteral("/Brown K.BMP")));
        f.Retype("editFamilyName", QStringLiteral("Green"));
        f.Select(kPlayer);
        QCOMPARE(f.m_messages.MessageTexts().size(), 1);
        QVERIFY(f.m_messages.MessageTexts().front().contains(QStringLiteral("could not be copied")));
        QVERIFY(!QFile::exists(m_photos + QStringLiteral("/Green K.BMP")));
        QCOMPARE(f.Player(kOther).m_strFamilyName, std::string("Green"));
        QCOMPARE(f.Form().Photo().isNull(), false);
    }

private:
    static constexpr std::uint16_t kPlayer = 2, kOther = 3;
    std::unique_ptr<FormFixture> m_fixture;
    QString m_photos;
};

QTEST_MAIN(PhotoFolderTests)
#include "PhotoFolderTests.moc"
