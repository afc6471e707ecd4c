// The player form: what showing a player fills, what typing marks at once,
// and what a commit writes into the record (or refuses).
#include "FieldCodes.h"
#include "FormFixture.h"
#include "GameFileBuilder.h"
#include "PlayerTestGame.h"

#include "gamedata/CGame.h"
#include "gamedata/RecordLayout.h"
#include "player/CDateEdit.h"
#include "player/CPlayerAttributesView.h"
#include "shell/CMainFrame.h"
#include "shell/COrbekApp.h"
#include "shell/Commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using playertest::FormFixture;
namespace layout = testgame::layout;

class PlayerFormTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void showingFillsEveryControlFromTheRecord();
    void fillingMarksNothing();
    void typingMarksThePlayerAtOnce();
    void aCommitWritesTheEditedFields();
    void initialsAreRebuiltFromTheNamesAsTyped();
    void preferenceBytesAreWrittenOnlyWhenTheChoiceChanged();
    void keeperTimeFollowsTheWicketkeeperBox();
    void theEmptyTeamEntryMovesThePlayerIntoNoTeam();
    void choosingATeamMovesThePlayer();
    void anEmptyOrImpossibleDateRefusesTheCommit_data();
    void anEmptyOrImpossibleDateRefusesTheCommit();
    void typedDateIsStoredWithItsCode();
    void aSalaryOrContractThatIsNoWholeNumberRefusesTheCommit_data();
    void aSalaryOrContractThatIsNoWholeNumberRefusesTheCommit();
    void saveCommitsTheFormFirst();
    void contractArrowsStepWithinTheirRange();
    void listsOfferEighteenTeamsAndEveryOrigin();
    void clearingShowsNoPlayer();
    void helpAndSackMarkNothing();

private:
    std::unique_ptr<FormFixture> m_fixture;
    testgame::GameDescription m_game;
    std::uint16_t m_first = 0;  // in a team
    std::uint16_t m_second = 0; // in a team
};

void PlayerFormTests::init()
{
    m_game = playertest::MakeGame(60);
    m_first = playertest::PlayerInATeam(m_game);
    for (const auto& player : m_game.players) {
        if (player.id != m_first && player.U16(layout::kTeam) != layout::kNoTeam) {
            m_second = player.id;
            break;
        }
    }
    auto& first = *m_game.FindPlayer(m_first);
    first.SetNames("John Andrew", "Smith").SetBirth(1970, 3, 5).SetSalary(20000).SetContract(3);
    first.SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1).SetBatsRight(1);
    first.SetFootwork(0x40).SetSide(0x55).SetVsPace(0x3F);
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(m_game));
}

void PlayerFormTests::cleanup()
{
    m_fixture.reset();
}

void PlayerFormTests::showingFillsEveryControlFromTheRecord()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QCOMPARE(f.Child<QLineEdit>("editGivenNames")->text(), QStringLiteral("John Andrew"));
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Smith"));
    QCOMPARE(f.Child<QLineEdit>("editBirth")->text(), QStringLiteral("05/03/1970"));
    QCOMPARE(f.Child<QLineEdit>("editSalary")->text(), QStringLiteral("20000"));
    QCOMPARE(f.Child<QLineEdit>("editContract")->text(), QStringLiteral("3"));
    const int team = m_game.FindPlayer(m_first)->U16(layout::kTeam);
    QCOMPARE(f.Child<QComboBox>("comboTeam")->currentIndex(), team);
    QCOMPARE(f.Child<QComboBox>("comboOrigin")->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kOrigin)));
    QVERIFY(f.Child<QRadioButton>("radioBatsman")->isChecked());
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Medium"));
    QVERIFY(f.Child<QRadioButton>("radioRightArm")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioRightBat")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioBackFoot")->isChecked());
    QVERIFY(f.Child<QRadioButton>("radioOffSide")->isChecked());     // 0x55: any byte but 0x40 and 0x3F
    QVERIFY(f.Child<QRadioButton>("radioFastBowling")->isChecked()); // 0x3F counts as 0x40
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked());
    QVERIFY(!f.Child<QRadioButton>("radioFulltime")->isChecked());
    QVERIFY(!f.Child<QRadioButton>("radioParttime")->isChecked());
    QVERIFY(!f.Child<QRadioButton>("radioFulltime")->isEnabled());
}

void PlayerFormTests::fillingMarksNothing()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Select(m_second);
    f.Select(m_first);
    QCOMPARE(f.Player(m_first).m_bModified, 0u);
    QCOMPARE(f.Player(m_second).m_bModified, 0u);
    QCOMPARE(f.App().Game().m_bModified, 0u);
    QVERIFY(!f.Label(m_first).endsWith(u'*'));
    QVERIFY(f.m_messages.m_messages.isEmpty());
}

void PlayerFormTests::typingMarksThePlayerAtOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const CPlayer::Record before = f.Player(m_first).m_playerRecord;
    QTest::keyClicks(f.Child<QLineEdit>("editFamilyName"), QStringLiteral("x"));
    // The label keeps the committed name; only the mark is new.
    QCOMPARE(f.Label(m_first), QStringLiteral("Smith JA*"));
    QCOMPARE(f.Player(m_first).m_bModified, 1u);
    QCOMPARE(f.App().Game().m_bModified, 1u);
    QVERIFY(f.Player(m_first).m_playerRecord == before); // marked, not yet written
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));

    // A click on a radio button or a list choice marks the next player too.
    f.Select(m_second);
    QCOMPARE(f.Player(m_second).m_bModified, 0u);
    f.Child<QRadioButton>("radioBowler")->click();
    QVERIFY(f.Label(m_second).endsWith(u'*'));
}

void PlayerFormTests::aCommitWritesTheEditedFields()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editGivenNames", QStringLiteral("Peter"));
    f.Retype("editSalary", QStringLiteral("40000"));
    f.Retype("editContract", QStringLiteral("7"));
    f.Child<QRadioButton>("radioAllRounder")->click();
    f.Child<QRadioButton>("radioLeftArm")->click();
    f.Child<QRadioButton>("radioLeftBat")->click();
    f.Child<QComboBox>("comboBowlStyle")->setCurrentIndex(5);
    f.Select(m_second);

    const CPlayer& p = f.Player(m_first);
    QCOMPARE(p.m_strGivenNames, std::string("Peter"));
    QCOMPARE(p.m_strInitials, std::string("PS"));
    QCOMPARE(p.m_nSalary, 40000);
    QCOMPARE(p.U32(layout::kSalaryCode), 0x471C4000u);
    QCOMPARE(p.U32(layout::kContract), 7u);
    QCOMPARE(p.U32(layout::kType), 2u);
    QCOMPARE(p.U32(layout::kBowlArm), 0u);
    QCOMPARE(p.U32(layout::kBatsRight), 0u);
    QCOMPARE(p.U32(layout::kBowlStyle), 5u);
    QCOMPARE(p.m_bModified, 1u);
    QCOMPARE(f.Label(m_first), QStringLiteral("Smith P*"));
}

void PlayerFormTests::initialsAreRebuiltFromTheNamesAsTyped()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editGivenNames", QStringLiteral("john andrew"));
    f.Retype("editFamilyName", QStringLiteral("smith"));
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).m_strInitials, std::string("JAs"));
    QCOMPARE(f.Player(m_first).GetDisplayName(), std::string("smith JA"));

    // Names stay Windows-1252 bytes in the record.
    f.Select(m_first);
    f.Retype("editFamilyName", QStringLiteral("M\u00FCller"));
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("M\xFCller"));

    // A character the game's text cannot hold refuses the commit.
    f.Select(m_first);
    f.Retype("editFamilyName", QStringLiteral("\u4E2D"));
    f.Select(m_second);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QCOMPARE(f.m_messages.m_messages.size(), 1);
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("M\xFCller"));
}

void PlayerFormTests::preferenceBytesAreWrittenOnlyWhenTheChoiceChanged()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Child<QRadioButton>("radioFrontFoot")->click();
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Byte(layout::kFootwork), 0xC0);
    QCOMPARE(f.Player(m_first).Byte(layout::kSide), 0x55);    // untouched
    QCOMPARE(f.Player(m_first).Byte(layout::kVsPace), 0x3F);  // untouched

    // Changed and changed back before the commit: nothing is written.
    f.Select(m_first);
    f.Child<QRadioButton>("radioLegSide")->click();
    f.Child<QRadioButton>("radioOffSide")->click();
    f.Child<QRadioButton>("radioSpinBowling")->click();
    f.Child<QRadioButton>("radioFastBowling")->click();
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Byte(layout::kSide), 0x55);
    QCOMPARE(f.Player(m_first).Byte(layout::kVsPace), 0x3F);

    f.Select(m_first);
    f.Child<QRadioButton>("radioLegSide")->click();
    f.Child<QRadioButton>("radioSpinBowling")->click();
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Byte(layout::kSide), 0x40);
    QCOMPARE(f.Player(m_first).Byte(layout::kVsPace), 0xC0);
}

void PlayerFormTests::keeperTimeFollowsTheWicketkeeperBox()
{
    FormFixture& f = *m_fixture;
    auto* keeper = f.Child<QCheckBox>("checkKeeper");
    auto* fulltime = f.Child<QRadioButton>("radioFulltime");
    auto* parttime = f.Child<QRadioButton>("radioParttime");
    f.Player(m_second).SetU32(layout::kKeeper, 1);
    f.Player(m_second).SetU32(layout::kPartTimeKeeper, 1);
    f.Select(m_second);
    QVERIFY(keeper->isChecked());
    QVERIFY(parttime->isChecked() && parttime->isEnabled() && fulltime->isEnabled());

    keeper->click();
    QVERIFY(!fulltime->isEnabled() && !parttime->isEnabled());
    f.Select(m_first);
    QCOMPARE(f.Player(m_second).U32(layout::kKeeper), 0u);
    QCOMPARE(f.Player(m_second).U32(layout::kPartTimeKeeper), 0u);

    // A new keeper with no time chosen is stored full-time.
    keeper->click();
    QVERIFY(fulltime->isEnabled());
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).U32(layout::kKeeper), 1u);
    QCOMPARE(f.Player(m_first).U32(layout::kPartTimeKeeper), 0u);
}

void PlayerFormTests::theEmptyTeamEntryMovesThePlayerIntoNoTeam()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const std::uint16_t oldTeam = f.Player(m_first).Team();
    auto* team = f.Child<QComboBox>("comboTeam");
    team->setCurrentIndex(0);
    emit team->activated(0);
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    const CTeam* old = f.App().Game().Team(oldTeam);
    QVERIFY(std::find(old->m_squad.begin(), old->m_squad.begin() + old->m_wPlayerCount, m_first)
        == old->m_squad.begin() + old->m_wPlayerCount);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first)); // shown again after the move
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    QVERIFY(f.Label(m_first).endsWith(u'*'));
}

void PlayerFormTests::choosingATeamMovesThePlayer()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const std::uint16_t newTeam = f.Player(m_first).Team() == 3 ? 4 : 3;
    auto* team = f.Child<QComboBox>("comboTeam");
    team->setCurrentIndex(newTeam);
    emit team->activated(newTeam);
    QCOMPARE(f.Player(m_first).Team(), newTeam);
    const CTeam* target = f.App().Game().Team(newTeam);
    QCOMPARE(target->m_squad[target->m_wPlayerCount - 1u], std::uint32_t(m_first));
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Team(), newTeam);
}

void PlayerFormTests::anEmptyOrImpossibleDateRefusesTheCommit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("empty") << QString();
    QTest::newRow("31 February") << QStringLiteral("31/02/1970");
    QTest::newRow("29 February 2000") << QStringLiteral("29/02/2000");
    QTest::newRow("half typed") << QStringLiteral("05/03/");
}

void PlayerFormTests::anEmptyOrImpossibleDateRefusesTheCommit()
{
    QFETCH(QString, typed);
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const CPlayer before = f.Player(m_first);
    f.Retype("editFamilyName", QStringLiteral("Jones"));
    f.Child<QLineEdit>("editBirth")->setText(typed);
    f.Select(m_second);
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("Invalid value in date of birth.")});
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QVERIFY(f.Player(m_first).m_playerRecord == before.m_playerRecord);
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Jones"));
}

void PlayerFormTests::typedDateIsStoredWithItsCode()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    auto* birth = f.Child<CDateEdit>("editBirth");
    birth->setCursorPosition(0);
    QTest::keyClicks(birth, QStringLiteral("31121999"));
    QCOMPARE(birth->text(), QStringLiteral("31/12/1999"));
    QVERIFY(f.Label(m_first).endsWith(u'*'));
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).U32(layout::kBirthCode), testgame::BirthCode(1999, 12, 31));
    QCOMPARE(f.Player(m_first).m_dtBirth, (CDate{1999, 12, 31, true}));
}

void PlayerFormTests::aSalaryOrContractThatIsNoWholeNumberRefusesTheCommit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString integer = QStringLiteral("Please enter an integer.");
    QTest::newRow("salary with a fraction") << "editSalary" << "12.5" << integer;
    QTest::newRow("empty salary") << "editSalary" << "" << integer;
    QTest::newRow("contract with letters") << "editContract" << "3y" << integer;
    QTest::newRow("negative contract") << "editContract" << "-1" << integer;
    QTest::newRow("salary the game cannot store") << "editSalary" << "98304"
                                                  << "The salary must be a whole number from 0 to 98303: the game cannot store a larger one.";
    QTest::newRow("negative salary") << "editSalary" << "-5"
                                     << "The salary must be a whole number from 0 to 98303: the game cannot store a larger one.";
}

void PlayerFormTests::aSalaryOrContractThatIsNoWholeNumberRefusesTheCommit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const CPlayer before = f.Player(m_first);
    f.Retype("editGivenNames", QStringLiteral("Peter"));
    f.Retype(field.toLatin1().constData(), typed);
    f.Select(m_second);
    QCOMPARE(f.m_messages.m_messages, QStringList{message});
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QVERIFY(f.Player(m_first).m_playerRecord == before.m_playerRecord);
    QCOMPARE(f.Player(m_first).m_strGivenNames, before.m_strGivenNames);

    // The largest salary the game can store is accepted. (The tree already
    // selects the second player, so the commit comes from selecting the first.)
    f.m_messages.Clear();
    f.Retype("editSalary", QStringLiteral("98303"));
    f.Retype("editContract", QStringLiteral("0"));
    f.Select(m_first);
    QVERIFY(f.m_messages.m_messages.isEmpty());
    QCOMPARE(f.Player(m_first).m_nSalary, 98303);
    QCOMPARE(f.Player(m_first).U32(layout::kSalaryCode), testgame::SalaryCode(98303));
}

void PlayerFormTests::saveCommitsTheFormFirst()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editSalary", QStringLiteral("20001"));
    f.Child<QRadioButton>("radioFrontFoot")->click();
    f.App().MainFrame()->Action(Command::kSave)->trigger();
    QVERIFY(f.m_messages.m_messages.isEmpty());
    QCOMPARE(f.App().Game().m_bModified, 0u);

    // The file on disk, read byte by byte where the builder put the record.
    const auto built = testgame::Build(m_game);
    const auto bytes = testgame::ReadFileBytes(f.GameFile().toStdString());
    std::size_t record = 0;
    for (const auto& entry : built.players) {
        if (built.U16At(entry.offset) == m_first)
            record = entry.record;
    }
    QVERIFY(record != 0);
    const auto u32 = [&bytes](std::size_t at) {
        return std::uint32_t(bytes[at]) | std::uint32_t(bytes[at + 1]) << 8 | std::uint32_t(bytes[at + 2]) << 16
            | std::uint32_t(bytes[at + 3]) << 24;
    };
    QCOMPARE(u32(record + layout::kSalaryCode), testgame::SalaryCode(20001));
    QCOMPARE(bytes[record + layout::kFootwork], std::uint8_t{0xC0});
    QCOMPARE(bytes[record + layout::kSide], std::uint8_t{0x55});
}

void PlayerFormTests::contractArrowsStepWithinTheirRange()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    auto* up = f.Child<QWidget>("spinContract")->findChild<QAbstractButton*>(QStringLiteral("buttonUp"));
    auto* down = f.Child<QWidget>("spinContract")->findChild<QAbstractButton*>(QStringLiteral("buttonDown"));
    auto* contract = f.Child<QLineEdit>("editContract");
    up->click();
    QCOMPARE(contract->text(), QStringLiteral("4"));
    QVERIFY(f.Label(m_first).endsWith(u'*'));
    QTest::keyClick(contract, Qt::Key_Down);
    QCOMPARE(contract->text(), QStringLiteral("3"));
    f.Retype("editContract", QStringLiteral("99"));
    up->click();
    QCOMPARE(contract->text(), QStringLiteral("99"));
    f.Retype("editContract", QStringLiteral("0"));
    down->click();
    QCOMPARE(contract->text(), QStringLiteral("0"));
    // Typed beyond the range is kept; the arrows bring it back into it.
    f.Retype("editContract", QStringLiteral("150"));
    up->click();
    QCOMPARE(contract->text(), QStringLiteral("99"));
}

void PlayerFormTests::listsOfferEighteenTeamsAndEveryOrigin()
{
    FormFixture& f = *m_fixture;
    const CGame& game = f.App().Game();
    auto* team = f.Child<QComboBox>("comboTeam");
    auto* origin = f.Child<QComboBox>("comboOrigin");
    QCOMPARE(team->count(), 19);
    QCOMPARE(team->itemText(0), QString());
    for (int id = 1; id <= 18; ++id) {
        QCOMPARE(team->itemText(id), QString::fromLatin1(game.TeamName(std::size_t(id)).c_str()));
        QCOMPARE(team->itemData(id).toInt(), id);
    }
    QCOMPARE(origin->count(), int(game.m_teamNames.size()));
    QCOMPARE(origin->itemText(0), QString());
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->count(), 6);
}

void PlayerFormTests::clearingShowsNoPlayer()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editFamilyName", QStringLiteral("Uncommitted"));
    f.Form().ClearForm();
    QCOMPARE(f.Form().CurrentPlayer(), 0);
    for (const char* field : {"editGivenNames", "editFamilyName", "editBirth"})
        QCOMPARE(f.Child<QLineEdit>(field)->text(), QString());
    QCOMPARE(f.Child<QLineEdit>("editSalary")->text(), QStringLiteral("0"));
    QCOMPARE(f.Child<QComboBox>("comboTeam")->currentIndex(), -1);
    QVERIFY(!f.Child<QRadioButton>("radioBatsman")->isChecked());
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith")); // dropped, not committed
    // Storing with nobody shown writes nothing and succeeds.
    QVERIFY(f.Form().StorePlayer());
}

void PlayerFormTests::helpAndSackMarkNothing()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    QVERIFY(f.Child<QPushButton>("buttonSack")->isHidden());
    f.Child<QPushButton>("buttonHelp")->click();
    bool helpShown = false;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpShown |= window->isVisible() && QByteArray(window->metaObject()->className()) == "CHelpViewer";
    QVERIFY(helpShown);
    QCOMPARE(f.Player(m_first).m_bModified, 0u);

    // F1 anywhere in the form opens the same page.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (QByteArray(window->metaObject()->className()) == "CHelpViewer")
            window->close();
    }
    QWidget* frame = f.Form().window();
    frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frame));
    f.Child<QLineEdit>("editSalary")->setFocus();
    QTest::keyClick(f.Child<QLineEdit>("editSalary"), Qt::Key_F1);
    helpShown = false;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpShown |= window->isVisible() && QByteArray(window->metaObject()->className()) == "CHelpViewer";
    QVERIFY(helpShown);

    // "Sack!" (never shown in the editor) takes the player out of his team.
    f.Form().OnSack();
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    f.Select(m_first);
    f.Form().OnSack();
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("You can't sack me! I am not in a team ;>")});
}

QTEST_MAIN(PlayerFormTests)
#include "PlayerFormTests.moc"
