// The form's ability commands: the presets and the super player, Copy From
// and the statistics dialog, from the form's buttons and the frame's menu.
#include "FormFixture.h"
#include "PlayerTestGame.h"

#include "gamedata/AbilityPresets.h"
#include "gamedata/CGame.h"
#include "gamedata/RecordLayout.h"
#include "player/CCopyFromDlg.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/Commands.h"
#include "teamdialogs/CPlayerStatsDlg.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QtTest>

#include <cstring>

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

std::pair<std::uint32_t, std::uint32_t> PairAt(const CPlayer& player, int index)
{
    const std::size_t at = kArea + 304 + 8 * static_cast<std::size_t>(index);
    return {player.U32(at), player.U32(at + 4)};
}

void ChooseInCopyFrom(std::uint32_t id)
{
    WhenModalOpens<CCopyFromDlg>([id](CCopyFromDlg* dialog) {
        QTreeWidget* list = dialog->List();
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == id)
                list->topLevelItem(i)->setSelected(true);
        }
        dialog->accept();
    });
}

} // namespace

class PlayerFormAbilityTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void aLevelButtonTakesTheImageOfTheFormsType();
    void withNoTypeSelectedTheBatsmanImageIsUsed();
    void theFormsValuesAreStoredOverTheImage();
    void theSuperPlayerKeepsTheFormsKeeperChoice();
    void applyingTwiceEqualsApplyingOnce();
    void aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted();
    void copyFromABowlerMakesTheFormABowler();
    void copyFromAFullTimeKeeperChecksTheKeeperControls();
    void copiedPreferenceBytesSurviveTheCommit();
    void cancellingCopyFromChangesNothing();
    void statsOkMarksThePlayerWhenTheFiguresChanged();
    void statsCancelChangesNothing();

private:
    std::unique_ptr<FormFixture> m_fixture;
    std::uint16_t m_batsman = 0, m_bowler = 0, m_keeper = 0;
};

void PlayerFormAbilityTests::init()
{
    auto game = playertest::MakeGame(40);
    m_batsman = 2;
    m_bowler = 3;
    m_keeper = 4;
    game.FindPlayer(m_batsman)->SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(0).SetBowlArm(1)
        .SetBatsRight(1).SetSide(0x55).SetFootwork(0x40).SetVsPace(0xC0);
    auto& bowler = game.FindPlayer(m_bowler)->SetType(3).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(5)
        .SetBowlArm(0).SetBatsRight(0).SetSide(0x55);
    bowler.record[kArea + 100] = 0x77; // an ability byte nobody else has
    game.FindPlayer(m_keeper)->SetType(1).SetKeeper(1).SetPartTimeKeeper(0).SetBowlStyle(2);
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(game));
}

void PlayerFormAbilityTests::cleanup()
{
    m_fixture.reset();
}

void PlayerFormAbilityTests::aLevelButtonTakesTheImageOfTheFormsType()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Child<QPushButton>("buttonExcellent")->click();
    const CPlayer& p = f.Player(m_bowler);
    // The excellent bowler's pairs begin (60, 4), (72, 4), (48, 3), (12, 1).
    QCOMPARE(PairAt(p, 0), std::make_pair(60u, 4u));
    QCOMPARE(PairAt(p, 1), std::make_pair(72u, 4u));
    QCOMPARE(PairAt(p, 2), std::make_pair(48u, 3u));
    QCOMPARE(PairAt(p, 3), std::make_pair(12u, 1u));
    QVERIFY(f.Label(m_bowler).endsWith(u'*'));

    // The type on the form, not in the record, decides.
    f.Child<QRadioButton>("radioAllRounder")->click();
    f.Child<QPushButton>("buttonGood")->click();
    const auto& allRounder = AbilityPresets::LevelImage(AbilityPresets::Level::Good, 2);
    QVERIFY(std::equal(allRounder.begin() + 304, allRounder.begin() + 432, p.m_playerRecord.begin() + kArea + 304));
    QCOMPARE(p.U32(layout::kType), 2u);
    QVERIFY(f.Child<QRadioButton>("radioAllRounder")->isChecked());

    f.Child<QRadioButton>("radioOpener")->click();
    f.Child<QPushButton>("buttonExcellent")->click();
    const double excellentBatsman[] = {25, 2, 17, 36, 41, 29, 82, 13, 52, 14, 137, 43, 31, 17, 32, 3};
    for (int i = 0; i < 16; ++i)
        QCOMPARE(DoubleAt(p, 24 + 8 * static_cast<std::size_t>(i)), excellentBatsman[i]);
    QCOMPARE(PairAt(p, 15), std::make_pair(134u, 2u));
    QCOMPARE(p.U32(kArea + 12), 100u);
    for (std::size_t i = 456; i < 464; ++i)
        QCOMPARE(p.Byte(kArea + i), std::uint8_t{0xCD});
}

void PlayerFormAbilityTests::withNoTypeSelectedTheBatsmanImageIsUsed()
{
    FormFixture& f = *m_fixture;
    f.Player(m_bowler).SetU32(layout::kType, 7); // shown with no type selected
    f.Select(m_bowler);
    QVERIFY(!f.Child<QRadioButton>("radioBowler")->isChecked());
    f.Child<QPushButton>("buttonAverage")->click();
    for (int i = 0; i < 16; ++i)
        QCOMPARE(PairAt(f.Player(m_bowler), i), std::make_pair(119u, 2u));
}

void PlayerFormAbilityTests::theFormsValuesAreStoredOverTheImage()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Bowled"));
    f.Child<QPushButton>("buttonExcellent")->click();
    const CPlayer& p = f.Player(m_bowler);
    QCOMPARE(p.U32(layout::kType), 3u);
    QCOMPARE(p.U32(layout::kBowlStyle), 5u);
    QCOMPARE(p.U32(layout::kBowlArm), 0u);
    QCOMPARE(p.U32(layout::kBatsRight), 0u); // the image says 1, the form 0
    QCOMPARE(p.Byte(layout::kSide), 0x55);
    QCOMPARE(p.m_strFamilyName, std::string("Bowled")); // the commit took the other edits too
    QCOMPARE(f.Form().CurrentPlayer(), int(m_bowler));
}

void PlayerFormAbilityTests::theSuperPlayerKeepsTheFormsKeeperChoice()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    f.Child<QPushButton>("buttonSuper")->click();
    const CPlayer& p = f.Player(m_batsman);
    QCOMPARE(p.U32(layout::kKeeper), 0u); // the image's 1 is overwritten by the form's choice
    QCOMPARE(DoubleAt(p, 24), 202.0);
    QCOMPARE(DoubleAt(p, 24 + 8 * 15), 611.0);
    QCOMPARE(PairAt(p, 0), std::make_pair(135u, 2u));
    QCOMPARE(p.Byte(layout::kSide), 0x55);
    QCOMPARE(p.Byte(layout::kVsPace), 0xC0);
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked());
}

void PlayerFormAbilityTests::applyingTwiceEqualsApplyingOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    f.Child<QPushButton>("buttonGood")->click();
    const CPlayer::Record once = f.Player(m_batsman).m_playerRecord;
    f.Child<QPushButton>("buttonGood")->click();
    QVERIFY(f.Player(m_batsman).m_playerRecord == once);
    QVERIFY(f.m_messages.m_messages.isEmpty());
}

void PlayerFormAbilityTests::aPresetWithAnInvalidDateStaysAppliedButIsNotCommitted()
{
    FormFixture& f = *m_fixture;
    f.Select(m_bowler);
    f.Retype("editFamilyName", QStringLiteral("Uncommitted"));
    f.Child<QLineEdit>("editBirth")->setText(QStringLiteral("31/02/1970"));
    f.Child<QPushButton>("buttonSuper")->click();
    const CPlayer& p = f.Player(m_bowler);
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("Invalid value in date of birth.")});
    QCOMPARE(DoubleAt(p, 24), 202.0);
    QCOMPARE(p.U32(layout::kKeeper), 1u); // the image's value: the form was not stored
    QCOMPARE(p.m_bModified, 1u);
    QCOMPARE(p.m_strFamilyName.find("Uncommitted"), std::string::npos);
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Uncommitted"));
}

void PlayerFormAbilityTests::copyFromABowlerMakesTheFormABowler()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    const CPlayer before = f.Player(m_batsman);
    ChooseInCopyFrom(m_bowler);
    f.Child<QPushButton>("buttonCopyFrom")->click();
    QVERIFY(f.Child<QRadioButton>("radioBowler")->isChecked());
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Fast"));
    QVERIFY(f.Child<QRadioButton>("radioLeftArm")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioLeftBat")->isChecked());
    QVERIFY(f.Label(m_batsman).endsWith(u'*'));

    f.Select(m_keeper);
    const CPlayer& p = f.Player(m_batsman);
    QCOMPARE(p.U32(layout::kType), 3u);
    QCOMPARE(p.Byte(kArea + 100), std::uint8_t{0x77});
    QCOMPARE(p.m_strFamilyName, before.m_strFamilyName);
    QCOMPARE(p.m_nSalary, before.m_nSalary);
    QCOMPARE(p.m_dtBirth, before.m_dtBirth);
    // Nothing outside the ability area changed.
    QVERIFY(std::equal(p.m_playerRecord.begin(), p.m_playerRecord.begin() + kArea, before.m_playerRecord.begin()));
    QVERIFY(std::equal(p.m_playerRecord.begin() + kArea + 500, p.m_playerRecord.end(),
        before.m_playerRecord.begin() + kArea + 500));
}

void PlayerFormAbilityTests::copyFromAFullTimeKeeperChecksTheKeeperControls()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    QVERIFY(!f.Child<QRadioButton>("radioFulltime")->isEnabled());
    ChooseInCopyFrom(m_keeper);
    f.App().MainFrame()->Action(Command::kCopyFrom)->trigger(); // the frame's "Copy From..."
    QVERIFY(f.Child<QCheckBox>("checkKeeper")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioFulltime")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioFulltime")->isEnabled());
    QVERIFY(f.Child<QRadioButton>("radioParttime")->isEnabled());
    f.Select(m_bowler);
    QCOMPARE(f.Player(m_batsman).U32(layout::kKeeper), 1u);
    QCOMPARE(f.Player(m_batsman).U32(layout::kPartTimeKeeper), 0u);
    QVERIFY(f.Label(m_batsman).endsWith(u'*')); // the commit found him changed
}

void PlayerFormAbilityTests::copiedPreferenceBytesSurviveTheCommit()
{
    FormFixture& f = *m_fixture;
    f.Select(m_keeper);
    QVERIFY(f.Child<QRadioButton>("radioLegSide")->isChecked() || f.Child<QRadioButton>("radioOffSide")->isChecked());
    ChooseInCopyFrom(m_bowler); // his side byte is 0x55
    f.Child<QPushButton>("buttonCopyFrom")->click();
    QVERIFY(f.Child<QRadioButton>("radioOffSide")->isChecked());
    f.Select(m_batsman);
    QCOMPARE(f.Player(m_keeper).Byte(layout::kSide), 0x55);
}

void PlayerFormAbilityTests::cancellingCopyFromChangesNothing()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    const CPlayer::Record before = f.Player(m_batsman).m_playerRecord;
    WhenModalOpens<CCopyFromDlg>([](CCopyFromDlg* dialog) { dialog->reject(); });
    f.Child<QPushButton>("buttonCopyFrom")->click();
    // OK without a row chooses nobody either.
    WhenModalOpens<CCopyFromDlg>([](CCopyFromDlg* dialog) { dialog->accept(); });
    f.Child<QPushButton>("buttonCopyFrom")->click();
    QVERIFY(f.Player(m_batsman).m_playerRecord == before);
    QVERIFY(f.Child<QRadioButton>("radioBatsman")->isChecked());
}

void PlayerFormAbilityTests::statsOkMarksThePlayerWhenTheFiguresChanged()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    QString shownName;
    WhenModalOpens<CPlayerStatsDlg>([&shownName](CPlayerStatsDlg* dialog) {
        shownName = dialog->findChild<QLabel*>(QStringLiteral("labelName"))->text();
        dialog->BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("12345"));
        dialog->accept();
    });
    f.App().MainFrame()->Action(Command::kPlayerStats)->trigger(); // the frame's "Player Stats..."
    QCOMPARE(shownName, QString::fromLatin1(f.Player(m_batsman).GetDisplayName().c_str()));
    QCOMPARE(f.Player(m_batsman).GetStat(Competition::FirstClass, Stat::Runs), 12345);
    QCOMPARE(f.Player(m_batsman).m_bModified, 1u);
    QVERIFY(f.Label(m_batsman).endsWith(u'*'));
}

void PlayerFormAbilityTests::statsCancelChangesNothing()
{
    FormFixture& f = *m_fixture;
    f.Select(m_batsman);
    const CPlayer::Record before = f.Player(m_batsman).m_playerRecord;
    WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg* dialog) {
        dialog->BattingEdit(0, CPlayerStatsDlg::Runs)->setText(QStringLiteral("1"));
        dialog->reject();
    });
    f.Child<QPushButton>("buttonStats")->click();
    QVERIFY(f.Player(m_batsman).m_playerRecord == before);
    QCOMPARE(f.Player(m_batsman).m_bModified, 0u); // "Stats..." itself marks nothing
    // OK without a change marks nothing either.
    WhenModalOpens<CPlayerStatsDlg>([](CPlayerStatsDlg* dialog) { dialog->accept(); });
    f.Child<QPushButton>("buttonStats")->click();
    QCOMPARE(f.Player(m_batsman).m_bModified, 0u);
}

QTEST_MAIN(PlayerFormAbilityTests)
#include "PlayerFormAbilityTests.moc"
