// The player form: what showing a player fills, what typing marks at once,
// and what a commit writes into the record (or refuses).
#include "FieldCodes.h"
#include "GuiTestSupport.h"
#include "RealisticGame.h"

#include "gamedata/RecordLayout.h"
#include "player/CDateEdit.h"
#include "services/CHelpViewer.h"
#include "shell/Commands.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

namespace layout = testgame::layout;

class PlayerFormTests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_game = testgame::MakeRealisticGame(6, 60); // 18 teams
        m_first = m_second = 0;
        for (const auto& player : m_game.players) {
            if (player.U16(layout::kTeam) != layout::kNoTeam && !m_second)
                (m_first ? m_second : m_first) = player.id;
        }
        m_game.FindPlayer(m_first)->SetNames("John Andrew", "Smith").SetBirth(1970, 3, 5).SetSalary(20000)
            .SetContract(3).SetType(1).SetKeeper(0).SetPartTimeKeeper(0).SetBowlStyle(2).SetBowlArm(1)
            .SetBatsRight(1).SetFootwork(0x40).SetSide(0x55).SetVsPace(0x3F);
        m_editor = std::make_unique<guitest::Editor>();
        QVERIFY(m_editor->StartOn(m_game));
    }

    void cleanup() { m_editor.reset(); }

    void fillingMarksNothingAndTypingOrClickingMarksAtOnce()
    {
        m_editor->Select(m_first);
        m_editor->Select(m_second);
        m_editor->Select(m_first);
        const std::pair<const char*, const char*> texts[] = {{"editGivenNames", "John Andrew"}, {"editFamilyName", "Smith"},
            {"editBirth", "05/03/1970"}, {"editSalary", "20000"}, {"editContract", "3"}};
        for (const auto& [field, text] : texts)
            QCOMPARE(m_editor->Child<QLineEdit>(field)->text(), QString::fromLatin1(text));
        auto* team = m_editor->Child<QComboBox>("comboTeam");
        QCOMPARE(team->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kTeam)));
        QCOMPARE(m_editor->Child<QComboBox>("comboOrigin")->currentIndex(), int(m_game.FindPlayer(m_first)->U16(layout::kOrigin)));
        QCOMPARE(m_editor->Child<QComboBox>("comboBowlStyle")->currentText(), QStringLiteral("Medium"));
        // Side 0x55 (neither 0x40 nor 0x3F) is the off side; 0x3F counts as 0x40, the first choice.
        for (const char* checked : {"radioBatsman", "radioRightArm", "radioRightBat", "radioBackFoot", "radioOffSide",
                 "radioFastBowling"})
            QVERIFY2(Radio(checked)->isChecked(), checked);
        QVERIFY(!m_editor->Child<QCheckBox>("checkKeeper")->isChecked() && !Radio("radioFulltime")->isEnabled());
        QVERIFY(!Radio("radioFulltime")->isChecked() && !Radio("radioParttime")->isChecked());
        // An empty entry, then the teams by id.
        QVERIFY(team->itemText(0).isEmpty() && team->itemText(18) == QString::fromLatin1(m_editor->Game().TeamName(18).c_str()));

        QCOMPARE(m_editor->Player(m_first).m_bModified + m_editor->Player(m_second).m_bModified, 0u);
        QVERIFY(!m_editor->Game().IsModified());
        QVERIFY(!Marked(m_first) && m_editor->messages.MessageTexts().isEmpty());

        const CPlayer::Record before = m_editor->Player(m_first).CopyRecord();
        QTest::keyClicks(m_editor->Child<QLineEdit>("editFamilyName"), QStringLiteral("x"));
        QCOMPARE(m_editor->Label(m_first), QStringLiteral("Smith JA*")); // marked, the name not yet committed
        QVERIFY(m_editor->App().Document().IsModified()); // pending in the form, the record untouched
        QVERIFY(m_editor->Player(m_first).CopyRecord() == before);

        m_editor->Select(m_second);
        Radio("radioBowler")->click();
        QVERIFY(Marked(m_second));

        // The contract arrows mark too; they stop at 0 and 99.
        m_editor->Select(m_first);
        auto* spin = m_editor->Child<QWidget>("spinContract");
        auto* up = spin->findChild<QAbstractButton*>(QStringLiteral("buttonUp"));
        auto* down = spin->findChild<QAbstractButton*>(QStringLiteral("buttonDown"));
        auto* contract = m_editor->Child<QLineEdit>("editContract");
        up->click();
        QCOMPARE(contract->text(), QStringLiteral("4"));
        QVERIFY(Marked(m_first));
        QTest::keyClick(contract, Qt::Key_Down);
        QCOMPARE(contract->text(), QStringLiteral("3"));
        m_editor->Retype("editContract", QStringLiteral("150"));
        up->click();
        QCOMPARE(contract->text(), QStringLiteral("99"));
        m_editor->Retype("editContract", QStringLiteral("0"));
        down->click();
        QCOMPARE(contract->text(), QStringLiteral("0"));
    }

    void aCommitWritesTheEditedFieldsInWindows1252()
    {
        m_editor->Select(m_first);
        m_editor->Retype("editGivenNames", QStringLiteral("john andrew"));
        m_editor->Retype("editFamilyName", QStringLiteral("smith"));
        m_editor->Retype("editSalary", QStringLiteral("40000"));
        m_editor->Retype("editContract", QStringLiteral("7"));
        for (const char* radio : {"radioAllRounder", "radioLeftArm", "radioLeftBat"})
            Radio(radio)->click();
        m_editor->Child<QComboBox>("comboBowlStyle")->setCurrentIndex(5);
        auto* birth = m_editor->Child<CDateEdit>("editBirth");
        birth->setCursorPosition(0);
        QTest::keyClicks(birth, QStringLiteral("31121999"));
        m_editor->Select(m_second);

        const CPlayer& p = m_editor->Player(m_first);
        QCOMPARE(p.m_strInitials, std::string("JAs"));
        QCOMPARE(p.m_strGivenNames, std::string("john andrew"));
        QCOMPARE(p.m_nSalary, 40000); // what the form shows again
        QCOMPARE(p.U32(layout::kSalaryCode), 0x471C4000u);
        QCOMPARE(p.U32(layout::kBirthCode), testgame::BirthCode(1999, 12, 31));
        const std::pair<std::size_t, std::uint32_t> fields[] = {{layout::kContract, 7}, {layout::kType, 2},
            {layout::kBowlArm, 0}, {layout::kBatsRight, 0}, {layout::kBowlStyle, 5}};
        for (const auto& [offset, value] : fields)
            QCOMPARE(p.U32(offset), value);
        QCOMPARE(m_editor->Label(m_first), QStringLiteral("smith JA*"));

        // Names are stored in Windows-1252; what it cannot hold is refused.
        for (const QString& name : {QStringLiteral("M\u00FCller"), QStringLiteral("\u4E2D")}) {
            m_editor->Select(m_first);
            m_editor->Retype("editFamilyName", name);
            m_editor->Select(m_second);
        }
        QCOMPARE(p.m_strFamilyName, std::string("M\xFCller"));
        QCOMPARE(m_editor->Form().CurrentPlayer(), int(m_first));
        QCOMPARE(m_editor->messages.MessageTexts().size(), 1);
    }

    void aValueTheGameCannotStoreRefusesTheCommit_data()
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

    void aValueTheGameCannotStoreRefusesTheCommit()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        m_editor->Select(m_first);
        const CPlayer before = m_editor->Player(m_first);
        m_editor->Retype("editFamilyName", QStringLiteral("Jones"));
        m_editor->Child<QLineEdit>(field.toLatin1().constData())->setText(typed);
        m_editor->Select(m_second);
        QCOMPARE(m_editor->messages.MessageTexts(), QStringList{message});
        QCOMPARE(m_editor->Form().CurrentPlayer(), int(m_first));
        QVERIFY(m_editor->Player(m_first).CopyRecord() == before.CopyRecord());
        QCOMPARE(m_editor->Player(m_first).m_strFamilyName, before.m_strFamilyName);
        QCOMPARE(m_editor->Child<QLineEdit>("editFamilyName")->text(), QStringLiteral("Jones"));

        // Mended, it commits (the limits themselves are the core's).
        m_editor->messages.Clear();
        m_editor->Child<QLineEdit>(field.toLatin1().constData())->setText(QStringLiteral("1"));
        m_editor->Child<QLineEdit>("editBirth")->setText(QStringLiteral("05/03/1970"));
        m_editor->Select(m_first); // the tree already selects the second player
        QVERIFY(m_editor->messages.MessageTexts().isEmpty());
        QCOMPARE(m_editor->Player(m_first).m_strFamilyName, std::string("Jones"));
    }

    void saveCommitsTheFormFirst()
    {
        m_editor->Select(m_first);
        m_editor->Retype("editSalary", QStringLiteral("20001"));
        Radio("radioFrontFoot")->click();
        m_editor->Action(Command::kSave).trigger();
        QVERIFY(m_editor->messages.MessageTexts().isEmpty());
        QVERIFY(!m_editor->Game().IsModified());

        CGame saved; // the file read back
        QVERIFY(saved.LoadGameFile(m_editor->gameFile.toStdString()).ok());
        QCOMPARE(saved.Player(m_first)->U32(layout::kSalaryCode), testgame::SalaryCode(20001));
        QCOMPARE(saved.Player(m_first)->Byte(layout::kFootwork), 0xC0);
    }

    void helpOpensThePageSackLeavesTheTeamAndClearingDropsTheEdits()
    {
        m_editor->Select(m_first);
        QVERIFY(m_editor->Child<QPushButton>("buttonSack")->isHidden());
        m_editor->Child<QPushButton>("buttonHelp")->click();
        QVERIFY(guitest::ShownHelp());
        QCOMPARE(m_editor->Player(m_first).m_bModified, 0u);

        m_editor->Form().OnSack();
        QCOMPARE(m_editor->Player(m_first).Team(), kNoTeam);
        m_editor->Select(m_first);
        m_editor->Form().OnSack();
        QCOMPARE(m_editor->messages.MessageTexts(), QStringList{QStringLiteral("You can't sack me! I am not in a team ;>")});

        // Clearing shows nobody and drops the edits.
        m_editor->Select(m_first);
        m_editor->Retype("editFamilyName", QStringLiteral("Uncommitted"));
        m_editor->Form().ClearForm();
        QCOMPARE(m_editor->Form().CurrentPlayer(), 0);
        for (const auto& [field, text] : {std::pair{"editFamilyName", ""}, {"editBirth", ""}, {"editSalary", "0"}})
            QCOMPARE(m_editor->Child<QLineEdit>(field)->text(), QString::fromLatin1(text));
        QVERIFY(m_editor->Child<QComboBox>("comboTeam")->currentIndex() == -1 && !Radio("radioBatsman")->isChecked());
        QVERIFY(m_editor->Form().StorePlayer()); // nobody shown: nothing to write
        QCOMPARE(m_editor->Player(m_first).m_strFamilyName, std::string("Smith"));
    }

private:
    QRadioButton* Radio(const char* name) { return m_editor->Child<QRadioButton>(name); }
    bool Marked(std::uint32_t id) { return m_editor->Label(id).endsWith(u'*'); }

    std::unique_ptr<guitest::Editor> m_editor; // on the game of init()
    testgame::GameDescription m_game;
    std::uint16_t m_first = 0, m_second = 0; // both in a team
};

QTEST_MAIN(PlayerFormTests)
#include "PlayerFormTests.moc"
