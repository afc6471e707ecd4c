// The form's buttons: the ability presets, Copy From, the statistics
// dialog and the player's photo (which follows a renamed player).
#include "GuiTestSupport.h"
#include "RealisticGame.h"

#include "gamedata/AbilityPresets.h"
#include "gamedata/Cp1252.h"
#include "gamedata/RecordLayout.h"
#include "player/CBmpDialog.h"
#include "player/CCopyFromDlg.h"
#include "player/CPlayerStatsDlg.h"
#include "shell/Commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

using guitest::ChooseInCopyFrom;
using guitest::FileBytes;
using guitest::WhenModalOpens;
using guitest::WriteBitmap;
namespace layout = testgame::layout;

namespace {

constexpr std::size_t kArea = layout::kAbilityStart;

// The image's ability pairs (no field of the form) are in the record.
bool HasPairsOf(const CPlayer& player, const AbilityPresets::AbilityImage& image)
{
    return std::equal(image.begin() + 304, image.begin() + 432, player.RecordData() + kArea + 304);
}

QString Text(const std::string& bytes) { return QString::fromStdString(Cp1252::ToUtf8(bytes)); }

// Picks `path` in the photo dialog once it opens, as the user does.
void ChoosePhotoFile(const QString& path)
{
    WhenModalOpens<CBmpDialog>([path](CBmpDialog& dialog) {
        dialog.setDirectory(QFileInfo(path).absolutePath());
        dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        dialog.accept();
    });
}

} // namespace

class PlayerFormButtonsTests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        auto game = testgame::MakeRealisticGame(6, 40);
        game.FindPlayer(m_batsman)->SetNames("John Andrew", "Smith").SetType(1).SetKeeper(0).SetPartTimeKeeper(0)
            .SetBowlStyle(0).SetBowlArm(1).SetBatsRight(1).SetSide(0x55).SetFootwork(0x40).SetVsPace(0xC0);
        game.FindPlayer(m_bowler)->SetNames("Kate", "Brown").SetType(3).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(5)
            .SetBowlArm(0).SetBatsRight(0).SetSide(0x55).record[kArea + 100] = 0x77; // an ability byte nobody else has
        game.FindPlayer(m_keeper)->SetType(1).SetKeeper(1).SetPartTimeKeeper(0).SetBowlStyle(2).SetSide(0x40);
        m_editor = std::make_unique<guitest::Editor>();
        QVERIFY(m_editor->StartOn(game));
        QVERIFY(QDir(m_editor->files.path()).mkpath(QStringLiteral("GFX/PHOTOS")));
    }

    void cleanup() { m_editor.reset(); }

    void presetsTakeTheImageOfTheFormsTypeAndStoreTheFormsValuesOverIt()
    {
        using AbilityPresets::Level;
        const CPlayer& bowler = m_editor->Player(m_bowler);
        m_editor->Select(m_bowler);
        m_editor->Retype("editFamilyName", QStringLiteral("Bowled"));
        Click("buttonExcellent");
        QVERIFY(HasPairsOf(bowler, AbilityPresets::LevelImage(Level::Excellent, 3)));
        QCOMPARE(bowler.m_strFamilyName, std::string("Bowled")); // the commit took the other edits too
        QCOMPARE(m_editor->Form().CurrentPlayer(), int(m_bowler));
        QVERIFY(m_editor->Label(m_bowler).endsWith(u'*'));

        // The type on the form, not in the record, decides; no type: the batsman's image.
        Radio("radioAllRounder")->click();
        Click("buttonGood");
        QVERIFY(HasPairsOf(bowler, AbilityPresets::LevelImage(Level::Good, 2)));
        QCOMPARE(bowler.U32(layout::kType), 2u);

        m_editor->Select(m_batsman);
        Click("buttonSuper");
        const CPlayer& p = m_editor->Player(m_batsman);
        QVERIFY(HasPairsOf(p, AbilityPresets::SuperImage()));
        QCOMPARE(p.U32(layout::kKeeper), 0u); // the image's 1 is overwritten by the form's choice
        QVERIFY(!m_editor->Child<QCheckBox>("checkKeeper")->isChecked());
        QVERIFY(m_editor->messages.MessageTexts().isEmpty());
    }

    void aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted()
    {
        m_editor->Select(m_bowler);
        m_editor->Retype("editFamilyName", QStringLiteral("Uncommitted"));
        m_editor->Child<QLineEdit>("editBirth")->setText(QStringLiteral("31/02/1970"));
        Click("buttonSuper");
        const CPlayer& p = m_editor->Player(m_bowler);
        QCOMPARE(m_editor->messages.MessageTexts(), QStringList{QStringLiteral("Invalid value in date of birth.")});
        QVERIFY(HasPairsOf(p, AbilityPresets::SuperImage()));
        QCOMPARE(p.U32(layout::kKeeper), 1u); // the image's value: the form was not stored
        QCOMPARE(p.m_bModified, 1u);
        QCOMPARE(p.m_strFamilyName.find("Uncommitted"), std::string::npos);
        QCOMPARE(m_editor->Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Uncommitted"));
    }

    void copyFromListsEveryPlayerOnceSortedWithTeamOrOrigin()
    {
        CGame& game = m_editor->Game();
        // Without a team a player shows his origin, or nothing.
        GameEdit::Within(game, [&](GameEdit& edit) {
            edit.Player(m_batsman)->SetTeam(kNoTeam);
            edit.Player(m_batsman)->SetU16(PlayerLayout::wOrigin, 3);
            edit.Player(m_bowler)->SetTeam(kNoTeam);
            edit.Player(m_bowler)->SetU16(PlayerLayout::wOrigin, kNoTeam);
            return GameStatus();
        });

        CCopyFromDlg dialog(game);
        QTreeWidget* list = dialog.List();
        QVERIFY(list->selectedItems().isEmpty());
        QMap<std::uint32_t, QTreeWidgetItem*> rows;
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            rows.insert(list->topLevelItem(i)->data(0, Qt::UserRole).toUInt(), list->topLevelItem(i));
            if (i > 0)
                QVERIFY(list->topLevelItem(i - 1)->text(0).compare(list->topLevelItem(i)->text(0), Qt::CaseInsensitive) <= 0);
        }
        QCOMPARE(rows.size(), list->topLevelItemCount()); // each once
        for (const CPlayer* player : game.Players()) {
            const QTreeWidgetItem* row = rows.value(player->m_nId);
            QVERIFY(row && row->text(0) == Text(player->GetDisplayName()));
            const std::uint16_t shown = player->Team() == kNoTeam ? player->Origin() : player->Team();
            QCOMPARE(row->text(1), shown == kNoTeam ? QString() : Text(game.TeamName(shown)));
        }
        QCOMPARE(rows.value(m_batsman)->text(1), Text(game.TeamName(3)));
    }

    void copyFromCopiesTheAbilityAreaOnlyAndAFullTimeKeeperChecksTheKeeperControls()
    {
        m_editor->Select(m_batsman);
        QVERIFY(!Radio("radioFulltime")->isEnabled());
        ChooseInCopyFrom(m_keeper);
        m_editor->Action(Command::kCopyFrom).trigger(); // the frame's "Copy From..."
        QVERIFY(m_editor->Child<QCheckBox>("checkKeeper")->isChecked() && Radio("radioFulltime")->isChecked());
        QVERIFY(Radio("radioFulltime")->isEnabled() && Radio("radioParttime")->isEnabled());
        m_editor->Select(m_keeper);
        QCOMPARE(m_editor->Player(m_batsman).U32(layout::kKeeper), 1u);
        QCOMPARE(m_editor->Player(m_batsman).U32(layout::kPartTimeKeeper), 0u);
        QVERIFY(m_editor->Label(m_batsman).endsWith(u'*')); // the commit found him changed

        const CPlayer before = m_editor->Player(m_keeper);
        // Cancel, and OK without a row, choose nobody.
        for (const auto& [id, button] : {std::pair{m_bowler, "buttonCancel"}, std::pair{std::uint16_t(0), "buttonOk"}}) {
            ChooseInCopyFrom(id, button);
            Click("buttonCopyFrom");
        }
        QVERIFY(m_editor->Player(m_keeper).CopyRecord() == before.CopyRecord());
        ChooseInCopyFrom(m_bowler);
        Click("buttonCopyFrom");
        QCOMPARE(m_editor->Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Fast"));
        for (const char* radio : {"radioBowler", "radioLeftArm", "radioLeftBat", "radioOffSide"})
            QVERIFY2(Radio(radio)->isChecked(), radio);
        QVERIFY(m_editor->Label(m_keeper).endsWith(u'*'));

        m_editor->Select(m_batsman);
        const CPlayer& p = m_editor->Player(m_keeper);
        QCOMPARE(p.U32(layout::kType), 3u);
        QCOMPARE(p.Byte(kArea + 100), std::uint8_t{0x77});
        QCOMPARE(p.Byte(layout::kSide), 0x55); // the copied preference byte survives the commit
    }

    void statsOkMarksThePlayerOnlyWhenTheFiguresChanged()
    {
        m_editor->Select(m_batsman);
        const CPlayer::Record before = m_editor->Player(m_batsman).CopyRecord();
        WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg& dialog) { dialog.accept(); }); // OK without a change
        Click("buttonStats");
        QVERIFY(m_editor->Player(m_batsman).CopyRecord() == before);
        QCOMPARE(m_editor->Player(m_batsman).m_bModified, 0u);

        WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg& dialog) {
            dialog.BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("12345"));
            dialog.accept();
        });
        m_editor->Action(Command::kPlayerStats).trigger(); // the frame's "Player Stats...", on the player shown
        QCOMPARE(m_editor->Player(m_batsman).GetStat(Competition::FirstClass, Stat::Runs), 12345);
        QVERIFY(m_editor->Label(m_batsman).endsWith(u'*'));
    }

    void thePhotoIsShownInAnyCaseAndAFailedCopyIsReported()
    {
        QVERIFY(QDir(m_editor->files.path()).rename(QStringLiteral("GFX"), QStringLiteral("gfx")));
        WriteBitmap(File("gfx/PHOTOS/smith ja.bmp"), 60, 70, Qt::green);
        WriteBitmap(File("gfx/PHOTOS/Brown JA.BMP"), 60, 70, Qt::blue);
        m_editor->Select(m_batsman);
        QCOMPARE(PhotoColour(), QColor(Qt::green));
        QVERIFY(!m_editor->Child<QLabel>("labelPhoto")->pixmap().isNull());
        m_editor->Select(m_bowler); // no photo of his
        QVERIFY(m_editor->Form().Photo().isNull() && m_editor->Child<QLabel>("labelPhoto")->pixmap().isNull());
        // Renamed, the player has another photo.
        m_editor->Select(m_batsman);
        m_editor->Retype("editFamilyName", QStringLiteral("Brown"));
        m_editor->Select(m_bowler);
        m_editor->Select(m_batsman);
        QCOMPARE(PhotoColour(), QColor(Qt::blue));
        // The copy fails: reported, and the photo shown before stays.
        QVERIFY(QDir(File("gfx")).removeRecursively());
        ChoosePhotoFile(WriteBitmap(File("new.bmp")));
        Click("buttonPhoto");
        QVERIFY(m_editor->messages.MessageTexts().value(0).startsWith(QStringLiteral("The photo could not be copied to")));
        QCOMPARE(PhotoColour(), QColor(Qt::blue));
    }

    void aNewPhotoIsCopiedAfterTheChecksAndTheQuestion()
    {
        const QString photo = Photos() + QStringLiteral("/Smith JA.BMP");
        const QString chosen = WriteBitmap(File("new.bmp"), 60, 70, Qt::blue);
        m_editor->Select(m_batsman);
        ChoosePhotoFile(chosen);
        Click("buttonPhoto");
        QVERIFY(m_editor->messages.MessageTexts().isEmpty()); // no photo yet: no question
        QCOMPARE(FileBytes(photo), FileBytes(chosen));
        QCOMPARE(PhotoColour(), QColor(Qt::blue));
        QCOMPARE(m_editor->Player(m_batsman).m_bModified, 0u); // the photo is a file of its own

        // Refused: another size, or no bitmap. The old photo stays.
        const QByteArray blue = FileBytes(photo);
        const QString size = QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!");
        const std::pair<QString, QString> refused[] = {
            {WriteBitmap(File("wide.bmp"), 61, 70, Qt::red), size},
            {File("text.bmp"), QStringLiteral("Error accessing photo file.")}};
        QVERIFY(QFile::copy(m_editor->gameFile, refused[1].first)); // a game file named like a bitmap
        for (const auto& [file, message] : refused) {
            m_editor->messages.Clear();
            ChoosePhotoFile(file);
            Click("buttonPhoto");
            QCOMPARE(m_editor->messages.MessageTexts(), QStringList{message});
            QCOMPARE(FileBytes(photo), blue);
            QCOMPARE(PhotoColour(), QColor(Qt::blue));
        }

        // Replacing asks first.
        const QString green = WriteBitmap(File("green.bmp"), 60, 70, Qt::green);
        for (const auto answer : {IMessageService::Answer::No, IMessageService::Answer::Yes}) {
            m_editor->messages.Clear();
            m_editor->messages.answers.push_back(answer);
            ChoosePhotoFile(green);
            Click("buttonPhoto");
            QCOMPARE(m_editor->messages.MessageTexts(),
                QStringList{QStringLiteral("Photo file for player Smith JA alreay exists. Do you want to replace it?")});
            const bool yes = answer == IMessageService::Answer::Yes;
            QCOMPARE(FileBytes(photo), yes ? FileBytes(green) : blue);
            QCOMPARE(PhotoColour(), QColor(yes ? Qt::green : Qt::blue));
        }
    }

    void aRenamedPlayerGetsACopyOfHisPhotoUnlessTheNewNameHasOneAndAFailureIsReported()
    {
        const QString oldPhoto = Photos() + QStringLiteral("/Smith JA.BMP");
        const QByteArray oldBytes = FileBytes(WriteBitmap(oldPhoto, 60, 70, Qt::green));
        // Renamed "Jones": the photo is copied, the old one stays.
        m_editor->Select(m_batsman);
        m_editor->Retype("editFamilyName", QStringLiteral("Jones"));
        m_editor->Select(m_bowler);
        QCOMPARE(FileBytes(Photos() + QStringLiteral("/Jones JA.BMP")), oldBytes);
        QCOMPARE(FileBytes(oldPhoto), oldBytes);
        // Back to "Smith", who has a photo of his own: it is not overwritten.
        WriteBitmap(Photos() + QStringLiteral("/Jones JA.BMP"), 60, 70, Qt::blue);
        m_editor->Select(m_batsman);
        m_editor->Retype("editFamilyName", QStringLiteral("Smith"));
        m_editor->Select(m_bowler);
        QCOMPARE(FileBytes(oldPhoto), oldBytes);
        QVERIFY(m_editor->messages.MessageTexts().isEmpty());

        // The photo cannot be read (a folder bears its name): reported, the name is committed all the same.
        QVERIFY(QDir().mkpath(Photos() + QStringLiteral("/Brown K.BMP")));
        m_editor->Retype("editFamilyName", QStringLiteral("Green"));
        m_editor->Select(m_batsman);
        QCOMPARE(m_editor->messages.MessageTexts().size(), 1);
        QVERIFY(m_editor->messages.MessageTexts().front().contains(QStringLiteral("for the new name")));
        QVERIFY(!QFile::exists(Photos() + QStringLiteral("/Green K.BMP")));
        QCOMPARE(m_editor->Player(m_bowler).m_strFamilyName, std::string("Green"));
        QVERIFY(!m_editor->Form().Photo().isNull());
    }

private:
    QRadioButton* Radio(const char* name) { return m_editor->Child<QRadioButton>(name); }
    void Click(const char* button) { m_editor->Child<QPushButton>(button)->click(); }
    QString File(const char* name) const { return m_editor->files.filePath(QString::fromLatin1(name)); }
    QString Photos() const { return File("GFX/PHOTOS"); }
    QColor PhotoColour() { return QColor(m_editor->Form().Photo().pixel(0, 0)); }

    std::unique_ptr<guitest::Editor> m_editor; // on the game of init()
    const std::uint16_t m_batsman = 2, m_bowler = 3, m_keeper = 4;
};

QTEST_MAIN(PlayerFormButtonsTests)
#include "PlayerFormButtonsTests.moc"
