// The player form: what showing a player fills, what typing marks at once,
// and what a commit writes into the record (or refuses).
#include "FieldCodes.h"
#include "FormFixture.h"
#include "GameFileBuilder.h"

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

    void fillingMarksNothingAndTypingMarksAtOnce();
    void aCommitWritesTheEditedFields();
    void namesAreWindows1252AndWhatTheGameCannotHoldIsRefused();
    void preferenceBytesAreWrittenOnlyWhenTheChoiceChanged();
    void keeperTimeFollowsTheWicketkeeperBox();
    void theTeamBoxMovesThePlayerAndItsEmptyEntryMeansNoTeam();
    void anEmptyOrImpossibleDateRefusesTheCommit_data();
    void anEmptyOrImpossibleDateRefusesTheCommit();
    void aSalaryOrContractTheGameCannotStoreRefusesTheCommit_data();
    void aSalaryOrContractTheGameCannotStoreRefusesTheCommit();
    void saveCommitsTheFormFirst();
    void contractArrowsStepWithinTheirRange();
    void clearingShowsNoPlayerAndDropsTheEdits();
    void helpOpensThePageAndSackLeavesTheTeam();

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
    for (const auto& player : m_game.players) {
        if (player.U16(layout::kTeam) != layout::kNoTeam)
            (m_first ? m_second : m_first) = m_second ? m_second : player.id;
    }
    auto& first = *m_game.FindPlayer(m_first);
    first.SetNames("John Andrew", "Smith").SetBirth(1970, 3, 5).SetSalary(20000).SetContract(3);
    first.SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1).SetBatsRight(1);
    first.SetFootwork(0x40).SetSide(0x55).SetVsPace(0x3F);
    m_fixture = std::make_unique<FormFixture>();
    QVERIFY(m_fixture->Start(m_game));
}

void PlayerFormTests::fillingMarksNothingAndTypingMarksAtOnce()
{
    FormFixture& f = *m_fixture;
    f.Select(m_first);
    f.Select(m_second);
    f.Select(m_first);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    const std::pair<const char*, const char*> texts[] = {{"editGivenNames", "John Andrew"}, {"editFamilyName", "Smith"},
        {"editBirth", "05/03/1970"}, {"editSalary", "20000"}, {"editContract", "3"}};
    for (const auto& [field, text] : texts)
        QCOMPARE(f.Child<QLineEdit>(field)->text(), QString::fromLatin1(text));
    QCOMPARE(f.Child<QComboBox>("comboTeam")->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kTeam)));
    QCOMPARE(f.Child<QComboBox>("comboOrigin")->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kOrigin)));
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Medium"));
    // Footwork 0x40 is the back foot; side 0x55 (neither 0x40 nor 0x3F) the
    // off side; 0x3F counts as 0x40, the first choice.
    for (const char* checked : {"radioBatsman", "radioRightArm", "radioRightBat", "radioBackFoot", "radioOffSide",
             "radioFastBowling"})
        QVERIFY2(Radio(checked)->isChecked(), checked);
    QVERIFY(!f.Child<QCheckBox>("checkKeeper")->isChecked());
    QVERIFY(!Radio("radioFulltime")->isChecked() && !Radio("radioParttime")->isChecked());
    QVERIFY(!Radio("radioFulltime")->isEnabled());

    // Filling marks nothing.
    QCOMPARE(f.Player(m_first).m_bModified, 0u);
    QCOMPARE(f.Player(m_second).m_bModified, 0u);
    QCOMPARE(f.App().Game().m_bModified, 0u);
    QVERIFY(!Marked(m_first));
    QVERIFY(f.m_messages.m_messages.isEmpty());

    // The lists: an empty entry and the 18 teams; every origin; six styles.
    auto* team = f.Child<QComboBox>("comboTeam");
    QCOMPARE(team->count(), 19);
    QCOMPARE(team->itemText(0), QString());
    QCOMPARE(team->itemText(18), QString::fromLatin1(f.App().Game().TeamName(18).c_str()));
    QCOMPARE(team->itemData(18).toInt(), 18);
    QCOMPARE(f.Child<QComboBox>("comboOrigin")->count(), int(f.App().Game().m_teamNames.size()));
    QCOMPARE(f.Child<QComboBox>("comboBowlStyle")->count(), 6);

    // Typing marks at once.
    const CPlayer::Record before = f.Player(m_first).m_playerRecord;
    QTest::keyClicks(f.Child<QLineEdit>("editFamilyName"), QStringLiteral("x"));
    // The label keeps the committed name; only the mark is new.
    QCOMPARE(f.Label(m_first), QStringLiteral("Smith JA*"));
    QCOMPARE(f.Player(m_first).m_bModified, 1u);
    QCOMPARE(f.App().Game().m_bModified, 1u);
    QVERIFY(f.Player(m_first).m_playerRecord == before); // marked, not yet written
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));

    // A click on a radio button marks too.
    f.Select(m_second);
    QCOMPARE(f.Player(m_second).m_bModified, 0u);
    Radio("radioBowler")->click();
    QVERIFY(Marked(m_second));
}

void PlayerFormTests::aCommitWritesTheEditedFields()
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
    QCOMPARE(birth->text(), QStringLiteral("31/12/1999"));
    f.Select(m_second);

    const CPlayer& p = f.Player(m_first);
    QCOMPARE(p.m_strInitials, std::string("JAs")); // from the names as typed
    QCOMPARE(p.m_strGivenNames, std::string("john andrew"));
    QCOMPARE(p.m_nSalary, 40000);
    QCOMPARE(p.U32(layout::kSalaryCode), 0x471C4000u);
    QCOMPARE(p.U32(layout::kBirthCode), testgame::BirthCode(1999, 12, 31));
    QCOMPARE(p.m_dtBirth, (CDate{1999, 12, 31, true}));
    const std::pair<std::size_t, std::uint32_t> fields[] = {{layout::kContract, 7}, {layout::kType, 2},
        {layout::kBowlArm, 0}, {layout::kBatsRight, 0}, {layout::kBowlStyle, 5}};
    for (const auto& [offset, value] : fields)
        QCOMPARE(p.U32(offset), value);
    QCOMPARE(p.m_bModified, 1u);
    QCOMPARE(f.Label(m_first), QStringLiteral("smith JA*"));
}

void PlayerFormTests::namesAreWindows1252AndWhatTheGameCannotHoldIsRefused()
{
    FormFixture& f = *m_fixture;
    for (const QString& name : {QStringLiteral("M\u00FCller"), QStringLiteral("\u4E2D")}) {
        f.Select(m_first);
        f.Retype("editFamilyName", name);
        f.Select(m_second);
    }
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("M\xFCller"));
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first)); // the second commit was refused
    QCOMPARE(f.m_messages.m_messages.size(), 1);
}

void PlayerFormTests::preferenceBytesAreWrittenOnlyWhenTheChoiceChanged()
{
    FormFixture& f = *m_fixture;
    const auto byte = [&f, this](std::size_t offset) { return f.Player(m_first).Byte(offset); };
    f.Select(m_first);
    Radio("radioFrontFoot")->click();
    f.Select(m_second);
    QCOMPARE(byte(layout::kFootwork), 0xC0);
    QCOMPARE(byte(layout::kSide), 0x55);
    QCOMPARE(byte(layout::kVsPace), 0x3F);

    // Changed and changed back before the commit: nothing is written.
    f.Select(m_first);
    for (const char* radio : {"radioLegSide", "radioOffSide", "radioSpinBowling", "radioFastBowling"})
        Radio(radio)->click();
    f.Select(m_second);
    QCOMPARE(byte(layout::kSide), 0x55);
    QCOMPARE(byte(layout::kVsPace), 0x3F);

    f.Select(m_first);
    Radio("radioLegSide")->click();
    Radio("radioSpinBowling")->click();
    f.Select(m_second);
    QCOMPARE(byte(layout::kSide), 0x40);
    QCOMPARE(byte(layout::kVsPace), 0xC0);
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

void PlayerFormTests::theTeamBoxMovesThePlayerAndItsEmptyEntryMeansNoTeam()
{
    FormFixture& f = *m_fixture;
    auto* team = f.Child<QComboBox>("comboTeam");
    const auto choose = [team](int index) {
        team->setCurrentIndex(index);
        emit team->activated(index);
    };
    f.Select(m_first);
    const std::uint16_t oldTeam = f.Player(m_first).Team();
    const std::uint16_t newTeam = oldTeam == 3 ? 4 : 3;
    choose(newTeam);
    QCOMPARE(f.Player(m_first).Team(), newTeam);
    const CTeam* target = f.App().Game().Team(newTeam);
    QCOMPARE(target->m_squad[target->m_wPlayerCount - 1u], std::uint32_t(m_first));

    choose(0);
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    const auto squad = target->m_squad.begin();
    QVERIFY(std::find(squad, squad + target->m_wPlayerCount, m_first) == squad + target->m_wPlayerCount);
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first)); // shown again after the move
    f.Select(m_second);
    QCOMPARE(f.Player(m_first).Team(), kNoTeam); // the commit keeps 0xFFFF
    QVERIFY(Marked(m_first));
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
    const CPlayer::Record before = f.Player(m_first).m_playerRecord;
    f.Retype("editFamilyName", QStringLiteral("Jones"));
    f.Child<QLineEdit>("editBirth")->setText(typed);
    f.Select(m_second);
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("Invalid value in date of birth.")});
    QCOMPARE(f.Form().CurrentPlayer(), int(m_first));
    QVERIFY(f.Player(m_first).m_playerRecord == before);
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));
    QCOMPARE(f.Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Jones"));
}

void PlayerFormTests::aSalaryOrContractTheGameCannotStoreRefusesTheCommit_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    const QString integer = QStringLiteral("Please enter an integer.");
    const QString salary =
        QStringLiteral("The salary must be a whole number from 0 to 98303: the game cannot store a larger one.");
    QTest::newRow("salary with a fraction") << "editSalary" << "12.5" << integer;
    QTest::newRow("empty salary") << "editSalary" << "" << integer;
    QTest::newRow("contract with letters") << "editContract" << "3y" << integer;
    QTest::newRow("negative contract") << "editContract" << "-1" << integer;
    QTest::newRow("salary the game cannot store") << "editSalary" << "98304" << salary;
    QTest::newRow("negative salary") << "editSalary" << "-5" << salary;
}

void PlayerFormTests::aSalaryOrContractTheGameCannotStoreRefusesTheCommit()
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
    Radio("radioFrontFoot")->click();
    f.App().MainFrame()->Action(Command::kSave)->trigger();
    QVERIFY(f.m_messages.m_messages.isEmpty());
    QCOMPARE(f.App().Game().m_bModified, 0u);

    // The file on disk, where the builder put the record.
    const auto built = testgame::Build(m_game);
    const auto bytes = testgame::ReadFileBytes(f.GameFile().toStdString());
    std::size_t record = 0;
    for (const auto& entry : built.players)
        record = built.U16At(entry.offset) == m_first ? entry.record : record;
    QVERIFY(record != 0);
    std::uint32_t salaryCode = 0;
    std::memcpy(&salaryCode, &bytes[record + layout::kSalaryCode], 4); // little-endian like the game
    QCOMPARE(salaryCode, testgame::SalaryCode(20001));
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
    QVERIFY(Marked(m_first));
    QTest::keyClick(contract, Qt::Key_Down);
    QCOMPARE(contract->text(), QStringLiteral("3"));
    // The arrows stop at 0 and 99 and bring a typed 150 back into the range.
    const std::tuple<const char*, QAbstractButton*, const char*> steps[] = {
        {"99", up, "99"}, {"0", down, "0"}, {"150", up, "99"}};
    for (const auto& [typed, arrow, shown] : steps) {
        f.Retype("editContract", QString::fromLatin1(typed));
        arrow->click();
        QCOMPARE(contract->text(), QString::fromLatin1(shown));
    }
}

void PlayerFormTests::clearingShowsNoPlayerAndDropsTheEdits()
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
    QVERIFY(!Radio("radioBatsman")->isChecked());
    QCOMPARE(f.Player(m_first).m_strFamilyName, std::string("Smith"));
    QVERIFY(f.Form().StorePlayer()); // nobody shown: nothing to write
}

void PlayerFormTests::helpOpensThePageAndSackLeavesTheTeam()
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
    // F1 anywhere in the form opens the same page.
    f.Form().window()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.Form().window()));
    f.Child<QLineEdit>("editSalary")->setFocus();
    QTest::keyClick(f.Child<QLineEdit>("editSalary"), Qt::Key_F1);
    QVERIFY(help());
    QCOMPARE(f.Player(m_first).m_bModified, 0u);

    // "Sack!" (never shown in the editor) takes the player out of his team.
    f.Form().OnSack();
    QCOMPARE(f.Player(m_first).Team(), kNoTeam);
    f.Select(m_first);
    f.Form().OnSack();
    QCOMPARE(f.m_messages.m_messages, QStringList{QStringLiteral("You can't sack me! I am not in a team ;>")});
}

QTEST_MAIN(PlayerFormTests)
#include "PlayerFormTests.moc"
