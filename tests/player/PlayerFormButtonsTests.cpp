// The form's buttons: the ability presets, Copy From, the statistics
// dialog (also from the frame's menu) and the player's photo.
#include "FormFixture.h"

#include "gamedata/AbilityPresets.h"
#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/RecordLayout.h"
#include "player/CBmpDialog.h"
#include "player/CCopyFromDlg.h"
#include "player/CPlayerAttributesView.h"
#include "player/PlayerIcons.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/Commands.h"
#include "teamdialogs/CPlayerStatsDlg.h"

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

using playertest::FormFixture;
using playertest::WhenModalOpens;
namespace layout = testgame::layout;

using playertest::ReadBytes;

namespace {

constexpr std::size_t kArea = layout::kAbilityStart;

// The image's ability pairs (no field of the form) are in the record.
bool HasPairsOf(const CPlayer& player, const AbilityPresets::AbilityImage& image)
{
    return std::equal(image.begin() + 304, image.begin() + 432, player.RecordData() + kArea + 304);
}

// Selects the row of `id` (none for 0) in "ICC Players" once it opens and clicks `button`.
void ChooseInCopyFrom(std::uint32_t id, const char* button = "buttonOk")
{
    WhenModalOpens<CCopyFromDlg>([id, button](CCopyFromDlg* dialog) {
        for (int i = 0; i < dialog->List()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = dialog->List()->topLevelItem(i);
            row->setSelected(row->data(0, Qt::UserRole).toUInt() == id);
        }
        QTest::mouseClick(dialog->findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
    });
}

QString Text(const std::string& bytes) { return QString::fromStdString(Cp1252::ToUtf8(bytes)); }

// Picks `path` in the photo dialog once it opens, as the user does.
void ChoosePhotoFile(const QString& path)
{
    WhenModalOpens<CBmpDialog>([path](CBmpDialog* dialog) {
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFileInfo(path).fileName());
        dialog->accept();
    });
}

} // namespace

class PlayerFormButtonsTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }

    void presetsTakeTheImageOfTheFormsTypeAndStoreTheFormsValuesOverIt();
    void aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted();
    void copyFromListsEveryPlayerOnceSortedWithPictureAndTeamOrOrigin();
    void copyFromABowlerCopiesTheAbilityAreaOnly();
    void copyFromAFullTimeKeeperChecksTheKeeperControls();
    void statsOkMarksThePlayerOnlyWhenTheFiguresChanged();
    void thePhotoIsShownInAnyCaseAndAFailedCopyOrUnusableNameIsReported();
    void aNewPhotoIsCopiedAfterTheChecksAndTheQuestion();

private:
    QRadioButton* Radio(const char* name) { return m_fixture->Child<QRadioButton>(name); }
    void Click(const char* button) { m_fixture->Child<QPushButton>(button)->click(); }
    QString Photos() const { return m_fixture->GameFolder() + QStringLiteral("/GFX/PHOTOS"); }
    QColor PhotoColour() { return QColor(m_fixture->Form().Photo().pixel(0, 0)); }

    std::unique_ptr<FormFixture> m_fixture;
    const std::uint16_t m_batsman = 2, m_bowler = 3, m_keeper = 4;
};

void PlayerFormButtonsTests::init()
{
    auto game = playertest::MakeGame(40);
    game.FindPlayer(m_batsman)->SetNames("John Andrew", "Smith").SetType(1).SetKeeper(0).SetPartTimeKeeper(0)
        .SetBowlStyle(0).SetBowlArm(1).SetBatsRight(1).SetSide(0x55).SetFootwork(0x40).SetVsPace(0xC0);
    game.FindPlayer(m_bowler)->SetType(3).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(5).SetBowlArm(0)
        .SetBatsRight(0).SetSide(0x55).record[kArea + 100] = 0x77; // an ability byte nobody else has
    game.FindPlayer(m_keeper)->SetType(1).SetKeeper(1).SetPartTimeKeeper(0).SetBowlStyle(2).SetSide(0x40);
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(game));
    QVERIFY(QDir(m_fixture->GameFolder()).mkpath(QStringLiteral("GFX/PHOTOS")));
}

void PlayerFormButtonsTests::presetsTakeTheImageOfTheFormsTypeAndStoreTheFormsValuesOverIt()
{
    using AbilityPresets::Level;
    FormFixture& f = *m_fixture;
    const CPlayer& bowler = f.Player(m_bowler);
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Bowled"));
    Click("buttonExcellent");
    QVERIFY(HasPairsOf(bowler, AbilityPresets::LevelImage(Level::Excellent, 3)));
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {layout::kType, 3}, {layout::kBowlStyle, 5}, {layout::kBowlArm, 0}, {layout::kBatsRight, 0}}; // image: 1
    for (const auto& [offset, value] : fields)
        QCOMPARE(bowler.U32(offset), value);
    QCOMPARE(bowler.Byte(layout::kSide), 0x55);
    QCOMPARE(bowler.m_strFamilyName, std::string("Bowled")); // the commit took the other edits too
    QCOMPARE(f.Form().CurrentPlayer(), int(m_bowler));
    QVERIFY(f.Label(m_bowler).endsWith(u'*'));

    // The type on the form, not in the record, decides; no type: the batsman's image.
    Radio("radioAllRounder")->click();
    Click("buttonGood");
    QVERIFY(HasPairsOf(bowler, AbilityPresets::LevelImage(Level::Good, 2)));
    QCOMPARE(bowler.U32(layout::kType), 2u);
    f.Player(m_keeper).SetU32(layout::kType, 7);
    f.Select(m_keeper);
    Click("buttonAverage");
    QVERIFY(HasPairsOf(f.Player(m_keeper), AbilityPresets::LevelImage(Level::Average, 1)));

    f.Select(m_batsman);
    Click("buttonSuper");
    const CPlayer& p = f.Player(m_batsman);
    QVERIFY(HasPairsOf(p, AbilityPresets::SuperImage()));
    QCOMPARE(p.U32(layout::kKeeper), 0u); // the image's 1 is overwritten by the form's choice
    QCOMPARE(p.Byte(layout::kVsPace), 0xC0);
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked());
    QVERIFY(f.m_messages.MessageTexts().isEmpty());
}

void PlayerFormButtonsTests::aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Uncommitted"));
    f.Child<QLineEdit>("editBirth")->setText(QStringLiteral("31/02/1970"));
    Click("buttonSuper");
    const CPlayer& p = f.Player(m_bowler);
    QCOMPARE(f.m_messages.MessageTexts(), QStringList{QStringLiteral("Invalid value in date of birth.")});
    QVERIFY(HasPairsOf(p, AbilityPresets::SuperImage()));
    QCOMPARE(p.U32(layout::kKeeper), 1u); // the image's value: the form was not stored
    QCOMPARE(p.m_bModified, 1u);
    QCOMPARE(p.m_strFamilyName.find("Uncommitted"), std::string::npos);
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Uncommitted"));
}

void PlayerFormButtonsTests::copyFromListsEveryPlayerOnceSortedWithPictureAndTeamOrOrigin()
{
    CGame& game = m_fixture->App().Game();
    std::vector<CPlayer*> members;
    for (const auto& player : game.m_players) {
        if (player && player->Team() != kNoTeam)
            members.push_back(player.get());
    }
    QVERIFY(members.size() > 3);
    // Without a team a player shows his origin, or nothing; team names are cut at 79 characters.
    CPlayer& withOrigin = *members[0];
    CPlayer& noOrigin = *members[1];
    const std::uint16_t longTeam = members[2]->Team(), origin = longTeam == 3 ? 4 : 3;
    withOrigin.SetTeam(kNoTeam);
    withOrigin.SetU16(PlayerLayout::wOrigin, origin);
    noOrigin.SetTeam(kNoTeam);
    noOrigin.SetU16(PlayerLayout::wOrigin, kNoTeam);
    game.m_teamNames[longTeam] = std::string(79, 'a') + "bcdef";
    members[3]->m_strFamilyName = "M\xFCller";

    CCopyFromDlg dialog(game);
    QTreeWidget* list = dialog.List();
    QCOMPARE(list->headerItem()->text(0) + u'|' + list->headerItem()->text(1), QStringLiteral("Player|Team/Origin"));
    QCOMPARE(QSize(list->columnWidth(0), list->columnWidth(1)), QSize(110, 130));
    QVERIFY(list->selectedItems().isEmpty());
    QMap<std::uint32_t, QTreeWidgetItem*> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* row = list->topLevelItem(i);
        rows.insert(row->data(0, Qt::UserRole).toUInt(), row);
        if (i > 0)
            QVERIFY(list->topLevelItem(i - 1)->text(0).compare(row->text(0), Qt::CaseInsensitive) <= 0);
    }
    int players = 0;
    for (const auto& player : game.m_players) {
        if (!player)
            continue;
        ++players;
        const QTreeWidgetItem* row = rows.value(player->m_nId);
        QVERIFY(row);
        QCOMPARE(row->text(0), Text(player->GetDisplayName()));
        QCOMPARE(row->icon(0).cacheKey(), PlayerIcon16(player->GetImageIndex()).cacheKey());
        const std::uint16_t shown = player->Team() == kNoTeam ? player->Origin() : player->Team();
        QCOMPARE(row->text(1), shown == longTeam ? QString(79, u'a') : shown == kNoTeam ? QString()
                                                                      : Text(game.m_teamNames[shown]));
    }
    QCOMPARE(list->topLevelItemCount(), players); // each once
    QVERIFY(rows.value(members[3]->m_nId)->text(0).startsWith(QStringLiteral("M\u00FCller ")));

    // The nine 16 x 16 pictures differ.
    QSet<QByteArray> pictures;
    for (int i = 0; i < kPlayerIconCount; ++i) {
        const QImage image = PlayerIcon16(i).pixmap(16, 16).toImage();
        QCOMPARE(image.size(), QSize(16, 16));
        pictures.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
    }
    QCOMPARE(pictures.size(), 9);
    QVERIFY(PlayerIcon16(9).isNull() && PlayerIcon16(-1).isNull());
}

void PlayerFormButtonsTests::copyFromABowlerCopiesTheAbilityAreaOnly()
{
    FormFixture& f = *m_fixture;
    f.Select(m_keeper);
    const CPlayer before = f.Player(m_keeper);
    // Cancel, and OK without a row, choose nobody.
    for (const auto& [id, button] : {std::pair{m_bowler, "buttonCancel"}, std::pair{std::uint16_t(0), "buttonOk"}}) {
        ChooseInCopyFrom(id, button);
        Click("buttonCopyFrom");
    }
    QVERIFY(f.Player(m_keeper).CopyRecord() == before.CopyRecord());
    ChooseInCopyFrom(m_bowler);
    Click("buttonCopyFrom");
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Fast"));
    for (const char* radio : {"radioBowler", "radioLeftArm", "radioLeftBat", "radioOffSide"})
        QVERIFY2(Radio(radio)->isChecked(), radio);
    QVERIFY(f.Label(m_keeper).endsWith(u'*'));

    f.Select(m_batsman);
    const CPlayer& p = f.Player(m_keeper);
    QCOMPARE(p.U32(layout::kType), 3u);
    QCOMPARE(p.Byte(kArea + 100), std::uint8_t{0x77});
    QCOMPARE(p.Byte(layout::kSide), 0x55); // the copied preference byte survives the commit
    QVERIFY(std::equal(p.RecordData(), p.RecordData() + kArea, before.RecordData()));
    QVERIFY(std::equal(p.RecordData() + kArea + 500, p.RecordData() + PlayerLayout::kSize,
        before.RecordData() + kArea + 500));
}

void PlayerFormButtonsTests::copyFromAFullTimeKeeperChecksTheKeeperControls()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    QVERIFY(!Radio("radioFulltime")->isEnabled());
    ChooseInCopyFrom(m_keeper);
    f.App().MainFrame()->Action(Command::kCopyFrom)->trigger(); // the frame's "Copy From..."
    QVERIFY(f.Child<QCheckBox>("checkKeeper")->isChecked() && Radio("radioFulltime")->isChecked());
    QVERIFY(Radio("radioFulltime")->isEnabled() && Radio("radioParttime")->isEnabled());
    f.Select(m_bowler);
    QCOMPARE(f.Player(m_batsman).U32(layout::kKeeper), 1u);
    QCOMPARE(f.Player(m_batsman).U32(layout::kPartTimeKeeper), 0u);
    QVERIFY(f.Label(m_batsman).endsWith(u'*')); // the commit found him changed
}

void PlayerFormButtonsTests::statsOkMarksThePlayerOnlyWhenTheFiguresChanged()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    const CPlayer::Record before = f.Player(m_batsman).CopyRecord();
    // Cancel after an edit, and OK without one, change nothing.
    for (const bool ok : {false, true}) {
        WhenModalOpens<CPlayerStatsDlg>([ok](CPlayerStatsDlg* dialog) {
            if (!ok)
                dialog->BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("1"));
            ok ? dialog->accept() : dialog->reject();
        });
        Click("buttonStats");
    }
    QVERIFY(f.Player(m_batsman).CopyRecord() == before);
    QCOMPARE(f.Player(m_batsman).m_bModified, 0u);

    QString shownName;
    WhenModalOpens<CPlayerStatsDlg>([&shownName](CPlayerStatsDlg* dialog) {
        shownName = dialog->findChild<QLabel*>(QStringLiteral("labelName"))->text();
        dialog->BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("12345"));
        dialog->accept();
    });
    f.App().MainFrame()->Action(Command::kPlayerStats)->trigger(); // the frame's "Player Stats..."
    QCOMPARE(shownName, QStringLiteral("Smith JA"));
    QCOMPARE(f.Player(m_batsman).GetStat(Competition::FirstClass, Stat::Runs), 12345);
    QVERIFY(f.Label(m_batsman).endsWith(u'*'));
}

void PlayerFormButtonsTests::thePhotoIsShownInAnyCaseAndAFailedCopyOrUnusableNameIsReported()
{
    FormFixture& f = *m_fixture;
    QVERIFY(QDir(f.GameFolder()).rename(QStringLiteral("GFX"), QStringLiteral("gfx")));
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/gfx/PHOTOS/smith ja.bmp"), 60, 70, Qt::green);
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/gfx/PHOTOS/Brown JA.BMP"), 60, 70, Qt::blue);
    f.Select(m_batsman);
    QCOMPARE(PhotoColour(), QColor(Qt::green));
    QVERIFY(!f.Child<QLabel>("labelPhoto")->pixmap().isNull());
    f.Select(m_bowler); // no photo of his
    QVERIFY(f.Form().Photo().isNull() && f.Child<QLabel>("labelPhoto")->pixmap().isNull());
    // Renamed, the player has another photo.
    f.Select(m_batsman);
    f.Retype("editFamilyName", QStringLiteral("Brown"));
    f.Select(m_bowler);
    f.Select(m_batsman);
    QCOMPARE(PhotoColour(), QColor(Qt::blue));

    // The copy fails: reported, and the photo shown before stays.
    QVERIFY(QDir(f.GameFolder() + QStringLiteral("/gfx")).removeRecursively());
    ChoosePhotoFile(playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/new.bmp")));
    Click("buttonPhoto");
    QVERIFY(f.m_messages.MessageTexts().size() == 1
        && f.m_messages.MessageTexts().front().startsWith(QStringLiteral("The photo could not be copied to")));
    QCOMPARE(PhotoColour(), QColor(Qt::blue));

    // A name that would reach a file outside the photo folder.
    f.m_messages.Clear();
    QVERIFY(QDir(f.GameFolder()).mkpath(QStringLiteral("GFX/PHOTOS")));
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/GFX/evil A.BMP"));
    f.Player(m_bowler).m_strFamilyName = "../evil";
    f.Player(m_bowler).m_strGivenNames = "A";
    f.Select(m_bowler);
    QVERIFY(f.Form().Photo().isNull());
    Click("buttonPhoto"); // refused before any dialog opens
    QVERIFY(f.m_messages.MessageTexts().size() == 1
        && f.m_messages.MessageTexts().front().contains(QStringLiteral("cannot hold")));
    QVERIFY(!QApplication::activeModalWidget());
}

void PlayerFormButtonsTests::aNewPhotoIsCopiedAfterTheChecksAndTheQuestion()
{
    FormFixture& f = *m_fixture;
    const QString photo = Photos() + QStringLiteral("/Smith JA.BMP");
    const QString chosen = playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/new.bmp"), 60, 70, Qt::blue);
    f.Select(m_batsman);
    ChoosePhotoFile(chosen);
    Click("buttonPhoto");
    QVERIFY(f.m_messages.MessageTexts().isEmpty()); // no photo yet: no question
    QCOMPARE(ReadBytes(photo), ReadBytes(chosen));
    QCOMPARE(PhotoColour(), QColor(Qt::blue));
    QCOMPARE(f.Player(m_batsman).m_bModified, 0u); // the photo is a file of its own

    // Refused: another size, or no bitmap. The old photo stays.
    const QByteArray blue = ReadBytes(photo);
    const QString size = QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!");
    const std::pair<QString, QString> refused[] = {
        {playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/wide.bmp"), 61, 70, Qt::red), size},
        {playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/low.bmp"), 60, 69, Qt::red), size},
        {f.GameFolder() + QStringLiteral("/text.bmp"), QStringLiteral("Error accessing photo file.")}};
    QVERIFY(QFile::copy(f.GameFile(), refused[2].first)); // a game file named like a bitmap
    for (const auto& [file, message] : refused) {
        f.m_messages.Clear();
        ChoosePhotoFile(file);
        Click("buttonPhoto");
        QCOMPARE(f.m_messages.MessageTexts(), QStringList{message});
        QCOMPARE(ReadBytes(photo), blue);
        QCOMPARE(PhotoColour(), QColor(Qt::blue));
    }

    // Replacing asks first.
    const QString green = playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/green.bmp"), 60, 70, Qt::green);
    for (const auto answer : {IMessageService::Answer::No, IMessageService::Answer::Yes}) {
        f.m_messages.Clear();
        f.m_messages.answers.push_back(answer);
        ChoosePhotoFile(green);
        Click("buttonPhoto");
        QCOMPARE(f.m_messages.MessageTexts(),
            QStringList{QStringLiteral("Photo file for player Smith JA alreay exists. Do you want to replace it?")});
        const bool yes = answer == IMessageService::Answer::Yes;
        QCOMPARE(ReadBytes(photo), yes ? ReadBytes(green) : blue);
        QCOMPARE(PhotoColour(), QColor(yes ? Qt::green : Qt::blue));
    }
}

QTEST_MAIN(PlayerFormButtonsTests)
#include "PlayerFormButtonsTests.moc"
