// "Player Stats": the figures shown, the averages worked out from them,
// best bowling read back, and what reaches the record (only OK).
#include "GuiTestSupport.h"
#include "RealisticGame.h"

#include "player/CPlayerStatsDlg.h"
#include "player/StatsFigures.h"

#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Dlg = CPlayerStatsDlg;
constexpr std::size_t kFirstClass = 0, kOneDay = 1, kTestMatch = 2, kOneDayInt = 3;

// Each figure of the record in the column the dialog gives it.
const std::pair<Dlg::BattingColumn, Stat> kBatting[] = {{Dlg::Debut, Stat::Debut}, {Dlg::Matches, Stat::Matches},
    {Dlg::Innings, Stat::Innings}, {Dlg::Runs, Stat::Runs}, {Dlg::NotOuts, Stat::NotOuts},
    {Dlg::HighScore, Stat::HighScore}, {Dlg::Fifties, Stat::Fifties}, {Dlg::Hundreds, Stat::Hundreds},
    {Dlg::Catches, Stat::Catches}, {Dlg::Stumpings, Stat::Stumpings}};
const std::pair<Dlg::BowlingColumn, Stat> kBowling[] = {{Dlg::Balls, Stat::Balls},
    {Dlg::RunsConceded, Stat::RunsConceded}, {Dlg::Wickets, Stat::Wickets}, {Dlg::FiveWkts, Stat::FiveWkts},
    {Dlg::TenWkts, Stat::TenWkts}};

void Click(const QDialog& dialog, const char* button)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
}

} // namespace

class PlayerStatsDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_messages.Clear();
        m_dir = std::make_unique<testgame::TempDir>();
        guitest::LoadGame(m_game, testgame::MakeRealisticGame(6, 20), *m_dir);
        const Stat stats[] = {Stat::Innings, Stat::NotOuts, Stat::Runs, Stat::Balls, Stat::RunsConceded, Stat::Wickets,
            Stat::BestBowling1, Stat::BestBowling2};
        const std::pair<Competition, std::array<int, 8>> figures[] = {
            {Competition::FirstClass, {10, 2, 400, 600, 250, 10, 5, 23}}, {Competition::TestMatch, {3, 3, 77, 5, 9, 0, 0, 0}},
            {Competition::OneDay, {0, 0, 0, 605, 250, 0, 0, 0}}, {Competition::OneDayInt, {2, 4, 10, 0, 0, 0, 0, 0}}};
        GameEdit::Within(m_game, [&](GameEdit& edit) {
            for (const auto& [competition, values] : figures) {
                for (std::size_t i = 0; i < values.size(); ++i)
                    edit.Player(5)->SetStat(competition, stats[i], values[i]);
            }
            return GameStatus();
        });
    }

    void showsEveryFigureAndOkStoresEveryFigure()
    {
        const auto dialog = Open();
        for (std::size_t row = 0; row < Dlg::kRows.size(); ++row) {
            for (const auto& [column, stat] : kBatting)
                QCOMPARE(dialog->BattingEdit(row, column)->text(), QString::number(Player().GetStat(Dlg::kRows[row], stat)));
            for (const auto& [column, stat] : kBowling)
                QCOMPARE(dialog->BowlingEdit(row, column)->text(), QString::number(Player().GetStat(Dlg::kRows[row], stat)));
        }
        // Test match: no wickets, 5 balls (no over), as many not outs as innings; one day: 605 balls are 100 overs.
        const std::tuple<std::size_t, Dlg::BowlingColumn, const char*> bowling[] = {
            {kFirstClass, Dlg::BestBowling, "5-23"}, {kTestMatch, Dlg::BestBowling, "0-0"},
            {kFirstClass, Dlg::BowlAvg, "25.00"}, {kTestMatch, Dlg::BowlAvg, ""}, {kFirstClass, Dlg::RunsPerOver, "2.50"},
            {kOneDay, Dlg::RunsPerOver, "2.50"}, {kTestMatch, Dlg::RunsPerOver, ""}};
        for (const auto& [row, column, text] : bowling)
            QCOMPARE(dialog->BowlingEdit(row, column)->text(), QString::fromLatin1(text));
        const std::pair<std::size_t, const char*> batting[] = {{kFirstClass, "50.00"}, {kTestMatch, ""}, {kOneDayInt, "-5.00"}};
        for (const auto& [row, text] : batting)
            QCOMPARE(dialog->BattingEdit(row, Dlg::BatAvg)->text(), QString::fromLatin1(text));

        int value = 1;
        for (std::size_t row = 0; row < Dlg::kRows.size(); ++row, value += 2) {
            for (const auto& [column, stat] : kBatting)
                dialog->BattingEdit(row, column)->setText(QString::number(value++));
            for (const auto& [column, stat] : kBowling)
                dialog->BowlingEdit(row, column)->setText(QString::number(value++));
            dialog->BowlingEdit(row, Dlg::BestBowling)->setText(QStringLiteral("%1-%2").arg(value).arg(value + 1));
        }
        Click(*dialog, "buttonOk");
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        value = 1;
        for (Competition competition : Dlg::kRows) {
            for (const auto& [column, stat] : kBatting)
                QCOMPARE(Player().GetStat(competition, stat), value++);
            for (const auto& [column, stat] : kBowling)
                QCOMPARE(Player().GetStat(competition, stat), value++);
            QCOMPARE(Player().GetStat(competition, Stat::BestBowling1), value++);
            QCOMPARE(Player().GetStat(competition, Stat::BestBowling2), value++);
        }
    }

    void derivedTextsAtTheirLimits()
    {
        QCOMPARE(StatsFigures::BattingAverage(100, 3, 0), QStringLiteral("33.33"));
        QCOMPARE(StatsFigures::RunsPerOver(250, -5), QString()); // -5 / 6 truncates to 0 overs
        QVERIFY(!StatsFigures::BattingAverage(INT32_MAX, INT32_MIN, INT32_MAX).isEmpty());
        QCOMPARE(StatsFigures::LeadingNumber(u"  +42abc"), 42);
        QCOMPARE(StatsFigures::LeadingNumber(u"99999999999"), INT32_MAX);
        QCOMPARE(StatsFigures::LeadingNumber(u"-99999999999"), INT32_MIN);
    }

    void bestBowlingIsReadAtTheFirstHyphen()
    {
        // Blanks around the numbers, no second figure, letters, a second hyphen as a sign, empty.
        const std::tuple<const char*, int, int> cases[] = {
            {"7 - 45", 7, 45}, {"5-", 5, 0}, {"a-b", 0, 0}, {"5--3", 5, -3}, {"", 0, 0}};
        for (const auto& [typed, first, second] : cases) {
            const auto dialog = Open();
            dialog->BowlingEdit(kFirstClass, Dlg::BestBowling)->setText(QString::fromLatin1(typed));
            Click(*dialog, "buttonOk");
            QCOMPARE(Player().GetStat(Competition::FirstClass, Stat::BestBowling1), first);
            QCOMPARE(Player().GetStat(Competition::FirstClass, Stat::BestBowling2), second);
        }
        QVERIFY(m_messages.MessageTexts().isEmpty());
    }

    void aBestBowlingWithoutAHyphenIsRefusedPerCompetition()
    {
        const CPlayer::Record before = Player().CopyRecord();
        const char* messages[] = {"Invalid First Class Best Bowling value.", "Invalid One-day Best Bowling value.",
            "Invalid Test match Best Bowling value.", "Invalid One-day International Best Bowling value."};
        for (std::size_t row = 0; row < 4; ++row) {
            m_messages.Clear();
            const auto dialog = Open();
            dialog->BattingEdit(row, Dlg::Runs)->setText(QStringLiteral("999"));
            dialog->BowlingEdit(row, Dlg::BestBowling)->setText(QStringLiteral("abc"));
            Click(*dialog, "buttonOk");
            QCOMPARE(m_messages.MessageTexts(), QStringList{QString::fromLatin1(messages[row])});
            QVERIFY(dialog->isVisible());
            QVERIFY(Player().CopyRecord() == before);
        }
    }

    void clearAllStatsReachesTheRecordOnlyThroughOk()
    {
        const CPlayer::Record before = Player().CopyRecord();
        for (const char* close : {"buttonCancel", "buttonOk"}) {
            const auto dialog = Open();
            Click(*dialog, "buttonClearAllStats");
            QCOMPARE(dialog->BattingEdit(kFirstClass, Dlg::Runs)->text(), QStringLiteral("0"));
            for (const QLineEdit* derived : {dialog->BattingEdit(kFirstClass, Dlg::BatAvg),
                     dialog->BowlingEdit(kFirstClass, Dlg::BestBowling), dialog->BowlingEdit(kFirstClass, Dlg::RunsPerOver)})
                QCOMPARE(derived->text(), QString());
            Click(*dialog, close);
            QCOMPARE(Player().CopyRecord() == before, QByteArray(close) == "buttonCancel");
        }
        for (Competition competition : PlayerStats::kCompetitions) {
            for (std::size_t stat = 0; stat < PlayerStats::kStatCount; ++stat)
                QCOMPARE(Player().GetStat(competition, PlayerStats::StatAt(stat)), 0);
        }
    }

    void updateAvgRecomputesWithoutStoringAndRefusesNonIntegers()
    {
        const CPlayer::Record before = Player().CopyRecord();
        const auto dialog = Open();
        QLineEdit* runs = dialog->BattingEdit(kFirstClass, Dlg::Runs);
        runs->setText(QStringLiteral(" 800"));
        dialog->BowlingEdit(kFirstClass, Dlg::Wickets)->setText(QStringLiteral("5"));
        Click(*dialog, "buttonUpdateAvg");
        QCOMPARE(dialog->BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QStringLiteral("100.00"));
        QCOMPARE(dialog->BowlingEdit(kFirstClass, Dlg::BowlAvg)->text(), QStringLiteral("50.00"));
        QCOMPARE(runs->text(), QStringLiteral("800"));

        // The first field that is no whole number (50 is read before Runs) is reported and selected.
        QLineEdit* fifties = dialog->BattingEdit(kFirstClass, Dlg::Fifties);
        runs->setText(QStringLiteral("12x"));
        fifties->setText(QStringLiteral("1.5"));
        Click(*dialog, "buttonUpdateAvg");
        QCOMPARE(m_messages.MessageTexts(), QStringList{QStringLiteral("Please enter an integer.")});
        QCOMPARE(fifties->selectedText(), QStringLiteral("1.5"));
        QCOMPARE(dialog->BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QStringLiteral("100.00"));
        fifties->setText(QStringLiteral("3"));
        // OK refuses the same way; beyond 32 bits is no figure either.
        m_messages.Clear();
        runs->setText(QStringLiteral("3000000000"));
        Click(*dialog, "buttonOk");
        QCOMPARE(m_messages.MessageTexts(), QStringList{QStringLiteral("Please enter an integer.")});
        QVERIFY(dialog->isVisible() && runs->selectedText() == QStringLiteral("3000000000"));
        Click(*dialog, "buttonCancel");
        QVERIFY(Player().CopyRecord() == before);
    }

private:
    const CPlayer& Player() { return *m_game.Player(5); }
    std::unique_ptr<Dlg> Open()
    {
        auto dialog = std::make_unique<Dlg>(m_game);
        dialog->m_nPlayer = 5;
        dialog->show();
        return dialog;
    }

    ScriptedMessageService m_messages;
    std::unique_ptr<testgame::TempDir> m_dir;
    CGame m_game;
};

QTEST_MAIN(PlayerStatsDlgTests)
#include "PlayerStatsDlgTests.moc"
