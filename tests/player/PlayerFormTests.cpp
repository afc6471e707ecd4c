// The player form: what showing a player fills, what typing marks at once,
// and what a commit writes into the record (or refuses).
#include "FieldCodes.h"
#include "FormFixture.h"

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
    void cleanup() { m_fixture.reset(); }

    void fillingMarksNothingAndTypingOrClickingMarksAtOnce();
    void aCommitWritesTheEditedFieldsInWindows1252();
    void keeperTimeFollowsTheWicketkeeperBox();
    void theTeamBoxMovesThePlayerAndItsEmptyEntryMeansNoTeam();
    void aValueTheGameCannotStoreRefusesTheCommit_data();
    void aValueTheGameCannotStoreRefusesTheCommit();
    void saveCommitsTheFormFirst();
    void helpOpensThePageSackLeavesTheTeamAndClearingDropsTheEdits();

private:
    QRadioButton* Radio(const char* name) { return m_fixture->Child<QRadioButton>(name); }
    bool Marked(std::uint32_t id) { return m_fixture->Label(id).endsWith(u'*'); }

    std::unique_ptr<FormFixture> m_fixture;
    testgame::GameDescription m_game;
    std::uint16_t m_first = 0, m_second = 0; // both in a team
};

void PlayerFormTests::init()
{
    m_game = playertest::MakeGame(60);
    m_first = m_second = 0;
    for (const auto& player : m_game.players) {
        if (player.U16(layout::kTeam) != layout::kNoTeam && !m_second)
            (m_first ? m_second : m_first) = player.id;
    }
    m_game.FindPlayer(m_first)->SetNames("John Andrew", "Smith").SetBirth(1970, 3, 5).SetSalary(20000)
        .SetContract(3).SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1)
        .SetBatsRight(1).SetFootwork(0x40).SetSide(0x55).SetVsPace(0x3F);
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(m_game));
}

void PlayerFormTests::fillingMarksNothingAndTypingOrClickingMarksAtOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Select(m_second);
    f.Select(m_first);
    const std::pair<const char*, const char*> texts[] = {{"editGivenNames", "John Andrew"}, {"editFamilyName", "Smith"},
        {"editBirth", "05/03/1970"}, {"editSalary", "20000"}, {"editContract", "3"}};
    for (const auto& [field, text] : texts)
        QCOMPARE(f.Child<QLineEdit>(field)->text(), QString::fromLatin1(text));
    auto* team = f.Child<QComboBox>("comboTeam");
    QCOMPARE(team->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kTeam)));
    QCOMPARE(f.Child<QComboBox>("comboOrigin")->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kOrigin)));
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Medium"));
    // Side 0x55 (neither 0x40 nor 0x3F) is the off side; 0x3F counts as 0x40, the first choice.
    for (const char* checked : {"radioBatsman", "radioRightArm", "radioRightBat", "radioBackFoot", "radioOffSide",
             "radioFastBowling"})
        QVERIFY2(Radio(checked)->isChecked(), checked);
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked() && !Radio("radioFulltime")->isEnabled());
    QVERIFY(!Radio("radioFulltime")->isChecked() && !Radio("radioParttime")->isChecked());
    // An empty entry and the 18 teams; every origin; six styles.
    QCOMPARE(team->count(), 19);
    QVERIFY(team->itemText(0).isEmpty() && team->itemText(18) == QString::fromLatin1(f.App().Game().TeamName(18).c_str()));
    QCOMPARE(f.Child<QComboBox>("comboOrigin")->count(), int(f.App().Game().m_teamNames.size()));
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->count(), 6);

    QCOMPARE(f.Player(m_first).m_bModified + f.Player(m_second).m_bModified, 0u);
    QCOMPARE(f.App().Game().m_bModified, 0u);
    QVERIFY(!Marked(m_first) && f.m_messages.MessageTexts().isEmpty());

    const CPlayer::Record before = f.Player(m_first).CopyRecord();
    QTest::keyClicks(f.Child<QLineEdit>("editFamilyName"), QStringLiteral("x"));
    QCOMPARE(f.Label(m_first), QStringLiteral("Smith JA*")); // marked, the name not yet committed
    QVERIFY(f.Player(m_first).m_bModified && f.App().Game().m_bModified);
    QVERIFY(f.Player(m_first).CopyRecord() == before);

    f.Select(m_second);
    Radio("radioBowler")->click();
    QVERIFY(Marked(m_second));

    // The contract arrows mark too; they stop at 0 and 99.
    f.Select(m_first);
    auto* spin = f.Child<QWidget>("spinContract");
    auto* up = spin->findChild<QAbstractButton*>(QStringLiteral("buttonUp"));
    auto* down = spin->findChild<QAbstractButton*>(QStringLiteral("buttonDown"));
    auto* contract = f.Child<QLineEdit>("editContract");
    up->click();
    QCOMPARE(contract->text(), QStringLiteral("4"));
    QVERIFY(Marked(m_first));
    QTest::keyClick(contract, Qt::Key_Down);
    QCOMPARE(contract->text(), QStringLiteral("3"));
    const std::tuple<const char*, QAbstractButton*, const char*> steps[] = {
        {"99", up, "99"}, {"0", down, "0"}, {"150", up, "99"}};
    for (const auto& [typed, arrow, shown] : steps) {
        f.Retype("editContract", QString::fromLatin1(typed));
        arrow->click();
        QCOMPARE(contract->text(), QString::fromLatin1(shown));
    }
}

void PlayerFormTests::aCommitWritesTheEditedFieldsInWindows1252()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editGivenNames", QStringLiteral("john andrew"));
    f.Retype("editFamilyName", QStringLiteral("smith"));
    f.Retype("editSalary", QStringLiteral("40000"));
    f.Retype("editContract", QStringLiteral("7"));
    for (const char* radio : {"radioAllRounder", "radioLeftArm", "radioLeftBat"})
        Radio(radio)->click();
    f.Child<QComboBox>("comboBowlStyle")->setCurrentIndex(5);
    auto* birth = f.Child<CDateEdit>("editBirth");
    birth->setCursorPosition(0);
    QTest::keyClicks(birth, QStringLiteral("31121999"));
    f.Select(m_second);

    const CPlayer& p = f.Player(m_first);
    QCOMPARE(p.m_strInitials, std::string("JAs"));
    QCOMPARE(p.m_strGivenNames, std::string("john andrew"));
    QCOMPARE(p.m_nSalary, 40000);
    QCOMPARE(p.U32(layout::kSalaryCode), 0x471C4000u);
    QCOMPARE(p.U32(layout::kBirthCode), testgame::BirthCode(1999, 12, 31));
    const std::pair<std::size_t, std::uint32_t> fields[] = {{layout::kContract, 7}, {layout::kType, 2},
        {layout::kBowlArm, 0}, {layout::kBatsRight, 0}, {layout::kBowlStyle, 5}};
    for (const auto& [offset, value] : fields)
        QCOMPARE(p.U32(offset), value);
    QCOMPARE(f.Label(m_first), QStringLiteral("smith JA*"));

    // Names are stored in Windows-1252; what it cannot hold is refused.
    for (const QString& name : {QStringLiteral("M\u00FCller"), QStringLiteral("\u4E2D")}) {
        f.Select(m_first);
        f.Retype("editFamilyName", name);
        f.Select(m_second);
    }
    QCOMPARE(p.m_strFamilyName, std::string("M\xFCller"));
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QCOMPARE(f.m_messages.MessageTexts().size(), 1);
}

void PlayerFormTests::keeperTimeFollowsTheWicketkeeperBox()
{
    FormFixture& f = *m_fixture;
    auto* keeper = f.Child<QCheckBox>("checkKeeper");
    auto* fulltime = Radio("radioFulltime");
    auto* parttime = Radio("radioParttime");
    f.Player(m_second).SetU32(layout::kKeeper, 1);
    f.Player(m_second).SetU32(layout::kPartTimeKeeper, 1);
    f.Select(m_second);
    QVERIFY(keeper->isChecked() && parttime->isChecked() && parttime->isEnabled() && fulltime->isEnabled());
    keeper->click();
    QVERIFY(!fulltime->isEnabled() && !parttime->isEnabled());
    f.Select(m_first);
    QCOMPARE(std::pair(f.Player(m_second).U32(layout::kKeeper), f.Player(m_second).U32(layout::kPartTimeKeeper)),
        std::pair(0u, 0u));

    keeper->click(); // a new keeper with no time chosen is stored full-time
    QVERIFY(fulltime->isEnabled() && parttime->isEnabled());
    f.Select(m_second);
    QCOMPARE(std::pair(f.Player(m_first).U32(layout::kKeeper), f.Player(m_first).U32(layout::kPartTimeKeeper)),
        std::pair(1u, 0u));
}

void PlayerFormTests::theTeamBoxMovesThePlayerAndItsEmptyEntryMeansNoTeam()
{
    FormFixture& f = *m_fixture;
    auto* team = f.Child<QComboBox>("comboTeam");
    const auto choose = [team](int index) {
        team->setCurrentIndex(index);
        emit team->activated(index);
    };
    f.Select(m_first);
    const std::uint16_t newTeam = f.Player(m_first).Team() == 3 ? 4 : 3;
    choose(newTeam);
    QCOMPARE(f.Player(m_first).Team(), newTeam);
    const CTeam* target = f.App().Game().Team(newTeam);
    QCOMPARE(target->m_squad[target->m_wPlayerCount - 1u], std::uint32_t(m_first));

    choose(0);
    const auto squadEnd = target->m_squad.begin() + target->m_wPlayerCount;
    QVERIFY(std::find(target->m_squad.begin(), squadEnd, m_first) == squadEnd);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first)); // shown again after the move
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Team(), kNoTeam); // the commit keeps 0xFFFF
    QVERIFY(Marked(m_first));
}

void PlayerFormTests::aValueTheGameCannotStoreRefusesTheCommit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString date = QStringLiteral("Invalid value in date of birth.");
    const QString integer = QStringLiteral("Please enter an integer.");
    const QString salary =
        QStringLiteral("The salary must be a whole number from 0 to 98303: the game cannot store a larger one.");
    // The full table is the core's (tests/core/PlayerFormTests.cpp): here a
    // refusal of each kind, to show the form routes through it.
    QTest::newRow("31 February") << "editBirth" << "31/02/1970" << date;
    QTest::newRow("contract with letters") << "editContract" << "3y" << integer;
    QTest::newRow("salary the game cannot store") << "editSalary" << "98304" << salary;
}

void PlayerFormTests::aValueTheGameCannotStoreRefusesTheCommit()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    const CPlayer before = f.Player(m_first);
    f.Retype("editFamilyName", QStringLiteral("Jones"));
    f.Child<QLineEdit>(field.toLatin1().constData())->setText(typed);
    f.Select(m_second);
    QCOMPARE(f.m_messages.MessageTexts(), QStringList{message});
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QVERIFY(f.Player(m_first).CopyRecord() == before.CopyRecord());
    QCOMPARE(f.Player(m_first).m_strFamilyName, before.m_strFamilyName);
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Jones"));

    // Mended, it commits; the largest salary the game can store is accepted.
    f.m_messages.Clear();
    f.Child<QLineEdit>("editBirth")->setText(QStringLiteral("05/03/1970"));
    f.Retype("editSalary", QStringLiteral("98303"));
    f.Retype("editContract", QStringLiteral("0"));
    f.Select(m_first); // the tree already selects the second player
    QVERIFY(f.m_messages.MessageTexts().isEmpty());
    QCOMPARE(f.Player(m_first).U32(layout::kSalaryCode), testgame::SalaryCode(98303));
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Jones"));
}

void PlayerFormTests::saveCommitsTheFormFirst()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Retype("editSalary", QStringLiteral("20001"));
    Radio("radioFrontFoot")->click();
    f.App().MainFrame()->Action(Command::kSave)->trigger();
    QVERIFY(f.m_messages.MessageTexts().isEmpty());
    QCOMPARE(f.App().Game().m_bModified, 0u);

    CGame saved; // the file read back
    QVERIFY(saved.LoadGameFile(f.GameFile().toStdString()).ok());
    QCOMPARE(saved.Player(m_first)->U32(layout::kSalaryCode), testgame::SalaryCode(20001));
    QCOMPARE(saved.Player(m_first)->Byte(layout::kFootwork), 0xC0);
    QCOMPARE(saved.Player(m_first)->Byte(layout::kSide), 0x55);
}

void PlayerFormTests::helpOpensThePageSackLeavesTheTeamAndClearingDropsTheEdits()
{
    FormFixture& f = *m_fixture;
    const auto help = [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible() && QByteArray(window->metaObject()->className()) == "CHelpViewer")
                return window;
        }
        return static_cast<QWidget*>(nullptr);
    };
    f.Select(m_first);
    QVERIFY(f.Child<QPushButton>("buttonSack")->isHidden());
    f.Child<QPushButton>("buttonHelp")->click();
    QVERIFY(help());
    help()->close();
    f.Form().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.Form().window()));
    f.Child<QLineEdit>("editSalary")->setFocus();
    QTest::keyClick(f.Child<QLineEdit>("editSalary"), Qt::Key_F1);
    QVERIFY(help());
    QCOMPARE(f.Player(m_first).m_bModified, 0u);

    f.Form().OnSack();
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    f.Select(m_first);
    f.Form().OnSack();
    QCOMPARE(f.m_messages.MessageTexts(), QStringList{QStringLiteral("You can't sack me! I am not in a team ;>")});

    // Clearing shows nobody and drops the edits.
    f.Select(m_first);
    f.Retype("editFamilyName", QStringLiteral("Uncommitted"));
    f.Form().ClearForm();
    QCOMPARE(f.Form().CurrentPlayer(), 0);
    for (const auto& [field, text] : {std::pair{"editFamilyName", ""}, {"editBirth", ""}, {"editSalary", "0"}})
        QCOMPARE(f.Child<QLineEdit>(field)->text(), QString::fromLatin1(text));
    QVERIFY(f.Child<QComboBox>("comboTeam")->currentIndex() == -1 && !Radio("radioBatsman")->isChecked());
    QVERIFY(f.Form().StorePlayer()); // nobody shown: nothing to write
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));
}

QTEST_MAIN(PlayerFormTests)
#include "PlayerFormTests.moc"
