// The form's buttons: the ability presets, Copy From, the statistics
// dialog (also from the frame's menu) and the player's photo.
#include "FormFixture.h"

#include "gamedata/AbilityPresets.h"
#include "gamedata/CGame.h"
#include "gamedata/RecordLayout.h"
#include "player/CBmpDialog.h"
#include "player/CCopyFromDlg.h"
#include "player/CPlayerAttributesView.h"
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

namespace {

constexpr std::size_t kArea = layout::kAbilityStart;

double DoubleAt(const CPlayer& player, std::size_t areaOffset)
{
    double value = 0;
    std::memcpy(&value, player.m_playerRecord.data() + kArea + areaOffset, sizeof value);
    return value;
}

std::pair<std::uint32_t, std::uint32_t> PairAt(const CPlayer& player, std::size_t index)
{
    const std::size_t at = kArea + 304 + 8 * index;
    return {player.U32(at), player.U32(at + 4)};
}

void ChooseInCopyFrom(std::uint32_t id)
{
    WhenModalOpens<CCopyFromDlg>([id](CCopyFromDlg* dialog) {
        for (int i = 0; i < dialog->List()->topLevelItemCount(); ++i) {
            QTreeWidgetItem* row = dialog->List()->topLevelItem(i);
            row->setSelected(row->data(0, Qt::UserRole).toUInt() == id);
        }
        dialog->accept();
    });
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

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PlayerFormButtonsTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_fixture.reset(); }

    void aLevelButtonTakesTheImageOfTheFormsType();
    void theFormsValuesAreStoredOverTheImageAndApplyingTwiceEqualsOnce();
    void aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted();
    void copyFromABowlerCopiesTheAbilityAreaOnly();
    void copyFromAFullTimeKeeperChecksTheKeeperControls();
    void statsOkMarksThePlayerOnlyWhenTheFiguresChanged();
    void thePhotoIsShownFromThePhotoFolderInAnyCase();
    void aNewPhotoIsCopiedAfterTheChecksAndTheQuestion();
    void aFailedCopyOrAnUnusableNameIsReported();

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

void PlayerFormButtonsTests::aLevelButtonTakesTheImageOfTheFormsType()
{
    FormFixture& f = *m_fixture;
    const CPlayer& p = f.Player(m_bowler);
    f.Select(m_bowler);
    Click("buttonExcellent");
    const std::pair<std::uint32_t, std::uint32_t> excellentBowler[] = {{60, 4}, {72, 4}, {48, 3}, {12, 1}};
    for (std::size_t i = 0; i < 4; ++i)
        QCOMPARE(PairAt(p, i), excellentBowler[i]);
    QVERIFY(f.Label(m_bowler).endsWith(u'*'));

    // The type on the form, not in the record, decides.
    Radio("radioAllRounder")->click();
    Click("buttonGood");
    const auto& allRounder = AbilityPresets::LevelImage(AbilityPresets::Level::Good, 2);
    QVERIFY(std::equal(allRounder.begin() + 304, allRounder.begin() + 432, p.m_playerRecord.begin() + kArea + 304));
    QCOMPARE(p.U32(layout::kType), 2u);

    Radio("radioOpener")->click();
    Click("buttonExcellent");
    const double excellentBatsman[] = {25, 2, 17, 36, 41, 29, 82, 13, 52, 14, 137, 43, 31, 17, 32, 3};
    for (std::size_t i = 0; i < 16; ++i)
        QCOMPARE(DoubleAt(p, 24 + 8 * i), excellentBatsman[i]);
    QCOMPARE(PairAt(p, 15), std::make_pair(134u, 2u));
    QCOMPARE(p.U32(kArea + 12), 100u);
    for (std::size_t i = 456; i < 464; ++i)
        QCOMPARE(p.Byte(kArea + i), std::uint8_t{0xCD});

    // No type selected: the batsman's image.
    f.Player(m_keeper).SetU32(layout::kType, 7);
    f.Select(m_keeper);
    Click("buttonAverage");
    for (std::size_t i = 0; i < 16; ++i)
        QCOMPARE(PairAt(f.Player(m_keeper), i), std::make_pair(119u, 2u));
}

void PlayerFormButtonsTests::theFormsValuesAreStoredOverTheImageAndApplyingTwiceEqualsOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Bowled"));
    Click("buttonExcellent");
    const CPlayer& bowler = f.Player(m_bowler);
    const std::pair<std::size_t, std::uint32_t> fields[] = {
        {layout::kType, 3}, {layout::kBowlStyle, 5}, {layout::kBowlArm, 0}, {layout::kBatsRight, 0}}; // image: 1
    for (const auto& [offset, value] : fields)
        QCOMPARE(bowler.U32(offset), value);
    QCOMPARE(bowler.Byte(layout::kSide), 0x55);
    QCOMPARE(bowler.m_strFamilyName, std::string("Bowled")); // the commit took the other edits too
    QCOMPARE(f.Form().CurrentPlayer(), int(m_bowler));

    f.Select(m_batsman);
    Click("buttonSuper");
    const CPlayer& p = f.Player(m_batsman);
    QCOMPARE(p.U32(layout::kKeeper), 0u); // the image's 1 is overwritten by the form's choice
    QCOMPARE(DoubleAt(p, 24), 202.0);
    QCOMPARE(DoubleAt(p, 24 + 8 * 15), 611.0);
    QCOMPARE(PairAt(p, 0), std::make_pair(135u, 2u));
    QCOMPARE(p.Byte(layout::kVsPace), 0xC0);
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked());

    Click("buttonGood");
    const CPlayer::Record once = p.m_playerRecord;
    Click("buttonGood");
    QVERIFY(p.m_playerRecord == once);
    QVERIFY(f.m_messages.m_messages.isEmpty());
}

void PlayerFormButtonsTests::aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Uncommitted"));
    f.Child<QLineEdit>("editBirth")->setText(QStringLiteral("31/02/1970"));
    Click("buttonSuper");
    const CPlayer& p = f.Player(m_bowler);
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("Invalid value in date of birth.")});
    QCOMPARE(DoubleAt(p, 24), 202.0);
    QCOMPARE(p.U32(layout::kKeeper), 1u); // the image's value: the form was not stored
    QCOMPARE(p.m_bModified, 1u);
    QCOMPARE(p.m_strFamilyName.find("Uncommitted"), std::string::npos);
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Uncommitted"));
}

void PlayerFormButtonsTests::copyFromABowlerCopiesTheAbilityAreaOnly()
{
    FormFixture& f = *m_fixture;
    f.Select(m_keeper);
    const CPlayer before = f.Player(m_keeper);
    // Cancel, and OK without a row, choose nobody.
    WhenModalOpens<CCopyFromDlg>([](CCopyFromDlg* dialog) { dialog->reject(); });
    Click("buttonCopyFrom");
    WhenModalOpens<CCopyFromDlg>([](CCopyFromDlg* dialog) { dialog->accept(); });
    Click("buttonCopyFrom");
    QVERIFY(f.Player(m_keeper).m_playerRecord == before.m_playerRecord);
    QVERIFY(Radio("radioBatsman")->isChecked());

    ChooseInCopyFrom(m_bowler);
    Click("buttonCopyFrom");
    QVERIFY(Radio("radioBowler")->isChecked());
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Fast"));
    for (const char* radio : {"radioLeftArm", "radioLeftBat", "radioOffSide"})
        QVERIFY2(Radio(radio)->isChecked(), radio);
    QVERIFY(f.Label(m_keeper).endsWith(u'*'));

    f.Select(m_batsman);
    const CPlayer& p = f.Player(m_keeper);
    QCOMPARE(p.U32(layout::kType), 3u);
    QCOMPARE(p.Byte(kArea + 100), std::uint8_t{0x77});
    QCOMPARE(p.Byte(layout::kSide), 0x55); // the copied preference byte survives the commit
    QCOMPARE(p.m_strFamilyName, before.m_strFamilyName);
    QCOMPARE(p.m_nSalary, before.m_nSalary);
    QVERIFY(std::equal(p.m_playerRecord.begin(), p.m_playerRecord.begin() + kArea, before.m_playerRecord.begin()));
    QVERIFY(std::equal(p.m_playerRecord.begin() + kArea + 500, p.m_playerRecord.end(),
        before.m_playerRecord.begin() + kArea + 500));
}

void PlayerFormButtonsTests::copyFromAFullTimeKeeperChecksTheKeeperControls()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    QVERIFY(!Radio("radioFulltime")->isEnabled());
    ChooseInCopyFrom(m_keeper);
    f.App().MainFrame()->Action(Command::kCopyFrom)->trigger(); // the frame's "Copy From..."
    QVERIFY(f.Child<QCheckBox>("checkKeeper")->isChecked());
    QVERIFY(Radio("radioFulltime")->isChecked());
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
    const CPlayer::Record before = f.Player(m_batsman).m_playerRecord;
    WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg* dialog) {
        dialog->BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("1"));
        dialog->reject();
    });
    Click("buttonStats");
    WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg* dialog) { dialog->accept(); });
    Click("buttonStats");
    QVERIFY(f.Player(m_batsman).m_playerRecord == before);
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
    QCOMPARE(f.Player(m_batsman).m_bModified, 1u);
    QVERIFY(f.Label(m_batsman).endsWith(u'*'));
}

void PlayerFormButtonsTests::thePhotoIsShownFromThePhotoFolderInAnyCase()
{
    FormFixture& f = *m_fixture;
    QVERIFY(QDir(f.GameFolder()).rename(QStringLiteral("GFX"), QStringLiteral("gfx")));
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/gfx/PHOTOS/smith ja.bmp"), 60, 70, Qt::green);
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/gfx/PHOTOS/Brown JA.BMP"), 60, 70, Qt::blue);
    f.Select(m_batsman);
    QCOMPARE(f.Form().Photo().size(), QSize(60, 70));
    QCOMPARE(PhotoColour(), QColor(Qt::green));
    QVERIFY(!f.Child<QLabel>("labelPhoto")->pixmap().isNull());
    f.Select(m_bowler); // no photo of his
    QVERIFY(f.Form().Photo().isNull());
    QVERIFY(f.Child<QLabel>("labelPhoto")->pixmap().isNull());

    // Renamed, the player has another photo.
    f.Select(m_batsman);
    f.Retype("editFamilyName", QStringLiteral("Brown"));
    f.Select(m_bowler);
    f.Select(m_batsman);
    QCOMPARE(PhotoColour(), QColor(Qt::blue));
}

void PlayerFormButtonsTests::aNewPhotoIsCopiedAfterTheChecksAndTheQuestion()
{
    FormFixture& f = *m_fixture;
    const QString photo = Photos() + QStringLiteral("/Smith JA.BMP");
    const QString chosen = playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/new.bmp"), 60, 70, Qt::blue);
    f.Select(m_batsman);
    WhenModalOpens<CBmpDialog>([](CBmpDialog* dialog) { dialog->reject(); });
    Click("buttonPhoto");
    QVERIFY(!QFileInfo::exists(photo));
    ChoosePhotoFile(chosen);
    Click("buttonPhoto");
    QVERIFY(f.m_messages.m_messages.isEmpty()); // no photo yet: no question
    QCOMPARE(ReadBytes(photo), ReadBytes(chosen));
    QCOMPARE(PhotoColour(), QColor(Qt::blue));
    QCOMPARE(f.Player(m_batsman).m_bModified, 0u); // the photo is a file of its own

    // Refused: another size, or no bitmap. The old photo stays.
    const QByteArray blue = ReadBytes(photo);
    const QString size = QStringLiteral("Photo must be 60 pixels wide and 70 pixels high!");
    const std::pair<QString, QString> refused[] = {
        {playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/wide.bmp"), 61, 70, Qt::red), size},
        {playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/low.bmp"), 60, 69, Qt::red), size},
        {playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/turned.bmp"), 70, 60, Qt::red), size},
        {f.GameFolder() + QStringLiteral("/text.bmp"), QStringLiteral("Error accessing photo file.")}};
    QVERIFY(QFile::copy(f.GameFile(), refused[3].first)); // a game file named like a bitmap
    for (const auto& [file, message] : refused) {
        f.m_messages.Clear();
        ChoosePhotoFile(file);
        Click("buttonPhoto");
        QCOMPARE(f.m_messages.m_messages, QStringList{message});
        QCOMPARE(ReadBytes(photo), blue);
        QCOMPARE(PhotoColour(), QColor(Qt::blue));
    }

    // Replacing asks first.
    const QString green = playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/green.bmp"), 60, 70, Qt::green);
    for (const auto answer : {IMessageService::Answer::No, IMessageService::Answer::Yes}) {
        f.m_messages.Clear();
        f.m_messages.QueueAnswer(answer);
        ChoosePhotoFile(green);
        Click("buttonPhoto");
        QCOMPARE(f.m_messages.m_messages,
            QStringList{QStringLiteral("Photo file for player Smith JA alreay exists. Do you want to replace it?")});
        const bool yes = answer == IMessageService::Answer::Yes;
        QCOMPARE(ReadBytes(photo), yes ? ReadBytes(green) : blue);
        QCOMPARE(PhotoColour(), QColor(yes ? Qt::green : Qt::blue));
    }
}

void PlayerFormButtonsTests::aFailedCopyOrAnUnusableNameIsReported()
{
    FormFixture& f = *m_fixture;
    QVERIFY(QDir(f.GameFolder() + QStringLiteral("/GFX")).removeRecursively());
    f.Select(m_batsman);
    ChoosePhotoFile(playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/new.bmp")));
    Click("buttonPhoto");
    QCOMPARE(f.m_messages.m_messages.size(), 1);
    QVERIFY(f.m_messages.m_messages.front().startsWith(QStringLiteral("The photo could not be copied to")));
    QVERIFY(f.Form().Photo().isNull());

    // A name that would reach a file outside the photo folder.
    f.m_messages.Clear();
    QVERIFY(QDir(f.GameFolder()).mkpath(QStringLiteral("GFX/PHOTOS")));
    playertest::WriteBitmap(f.GameFolder() + QStringLiteral("/GFX/evil A.BMP"));
    f.Player(m_bowler).m_strFamilyName = "../evil";
    f.Player(m_bowler).m_strGivenNames = "A";
    f.Select(m_bowler);
    QVERIFY(f.Form().Photo().isNull());
    Click("buttonPhoto"); // refused before any dialog opens
    QCOMPARE(f.m_messages.m_messages.size(), 1);
    QVERIFY(f.m_messages.m_messages.front().contains(QStringLiteral("cannot hold")));
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(PlayerFormButtonsTests)
#include "PlayerFormButtonsTests.moc"
