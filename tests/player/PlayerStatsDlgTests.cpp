// "Player Stats": the figures shown, the averages worked out from them,
// best bowling read back, and what reaches the record (only OK).
#include "PlayerTestGame.h"
#include "ScriptedMessages.h"

#include "gamedata/CGame.h"
#include "teamdialogs/CPlayerStatsDlg.h"
#include "teamdialogs/StatsFigures.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace {

using Dlg = CPlayerStatsDlg;
constexpr std::size_t kFirstClass = 0, kOneDay = 1, kTestMatch = 2, kOneDayInt = 3;

QPushButton* Button(const QDialog& dialog, const char* name)
{
    return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

} // namespace

class PlayerStatsDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void showsTheNameEveryFigureAndBestBowling();
    void battingAverageIsRunsPerCompletedInnings();
    void bowlingAverageAndRunsPerOver();
    void theDialogHasEveryHeadingAndButton();
    void bestBowlingIsReadAtTheFirstHyphen_data();
    void bestBowlingIsReadAtTheFirstHyphen();
    void anEmptyBestBowlingStoresZerosAndShowsZeroZero();
    void aBestBowlingWithoutAHyphenIsRefusedPerCompetition_data();
    void aBestBowlingWithoutAHyphenIsRefusedPerCompetition();
    void onlyTheFirstRefusedBestBowlingIsReported();
    void clearAllStatsReachesTheRecordOnlyThroughOk();
    void updateAveragesRecomputesWithoutStoring();
    void aFigureThatIsNotAWholeNumberStopsOkAndUpdate();
    void okStoresEveryFigureOfEveryCompetition();
    void derivedTextsByTheRules();

private:
    CPlayer& Player() { return *m_game.Player(m_id); }
    void Open(Dlg& dialog);

    ScriptedMessages m_messages;
    std::unique_ptr<testgame::TempDir> m_dir;
    CGame m_game;
    std::uint32_t m_id = 5;
};

void PlayerStatsDlgTests::init()
{
    m_messages.Clear();
    m_dir = std::make_unique<testgame::TempDir>();
    QVERIFY(playertest::LoadGame(m_game, playertest::MakeGame(20), *m_dir));
    CPlayer& p = Player();
    p.SetStat(Competition::FirstClass, Stat::Innings, 10);
    p.SetStat(Competition::FirstClass, Stat::NotOuts, 2);
    p.SetStat(Competition::FirstClass, Stat::Runs, 400);
    p.SetStat(Competition::FirstClass, Stat::Balls, 600);
    p.SetStat(Competition::FirstClass, Stat::RunsConceded, 250);
    p.SetStat(Competition::FirstClass, Stat::Wickets, 10);
    p.SetStat(Competition::FirstClass, Stat::BestBowling1, 5);
    p.SetStat(Competition::FirstClass, Stat::BestBowling2, 23);
    p.SetStat(Competition::TestMatch, Stat::Innings, 3);
    p.SetStat(Competition::TestMatch, Stat::NotOuts, 3);
    p.SetStat(Competition::TestMatch, Stat::Runs, 77);
    p.SetStat(Competition::TestMatch, Stat::Balls, 5);
    p.SetStat(Competition::TestMatch, Stat::RunsConceded, 9);
    p.SetStat(Competition::TestMatch, Stat::Wickets, 0);
    p.SetStat(Competition::TestMatch, Stat::BestBowling1, 0);
    p.SetStat(Competition::TestMatch, Stat::BestBowling2, 0);
    p.SetStat(Competition::OneDay, Stat::Balls, 605);
    p.SetStat(Competition::OneDay, Stat::RunsConceded, 250);
    p.SetStat(Competition::OneDayInt, Stat::Innings, 2);
    p.SetStat(Competition::OneDayInt, Stat::NotOuts, 4);
    p.SetStat(Competition::OneDayInt, Stat::Runs, 10);
}

void PlayerStatsDlgTests::Open(Dlg& dialog)
{
    dialog.m_nPlayer = static_cast<int>(m_id);
    dialog.show();
}

void PlayerStatsDlgTests::showsTheNameEveryFigureAndBestBowling()
{
    Dlg dialog(m_game);
    Open(dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Player Stats"));
    QCOMPARE(dialog.findChild<QLabel*>(QStringLiteral("labelName"))->text(),
        QString::fromLatin1(Player().GetDisplayName().c_str()));
    QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::Runs)->text(), QStringLiteral("400"));
    QCOMPARE(dialog.BattingEdit(kTestMatch, Dlg::Runs)->text(), QStringLiteral("77"));
    QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::BestBowling)->text(), QStringLiteral("5-23"));
    QCOMPARE(dialog.BowlingEdit(kTestMatch, Dlg::BestBowling)->text(), QStringLiteral("0-0"));
    // Every figure of the record, in the row and column the dialog gives it.
    const std::pair<Dlg::BattingColumn, Stat> batting[] = {{Dlg::Debut, Stat::Debut}, {Dlg::Matches, Stat::Matches},
        {Dlg::Innings, Stat::Innings}, {Dlg::Runs, Stat::Runs}, {Dlg::NotOuts, Stat::NotOuts},
        {Dlg::HighScore, Stat::HighScore}, {Dlg::Fifties, Stat::Fifties}, {Dlg::Hundreds, Stat::Hundreds},
        {Dlg::Catches, Stat::Catches}, {Dlg::Stumpings, Stat::Stumpings}};
    const std::pair<Dlg::BowlingColumn, Stat> bowling[] = {{Dlg::Balls, Stat::Balls},
        {Dlg::RunsConceded, Stat::RunsConceded}, {Dlg::Wickets, Stat::Wickets}, {Dlg::FiveWkts, Stat::FiveWkts},
        {Dlg::TenWkts, Stat::TenWkts}};
    for (std::size_t row = 0; row < Dlg::kRows.size(); ++row) {
        for (const auto& [column, stat] : batting)
            QCOMPARE(dialog.BattingEdit(row, column)->text(), QString::number(Player().GetStat(Dlg::kRows[row], stat)));
        for (const auto& [column, stat] : bowling)
            QCOMPARE(dialog.BowlingEdit(row, column)->text(), QString::number(Player().GetStat(Dlg::kRows[row], stat)));
    }
}

void PlayerStatsDlgTests::battingAverageIsRunsPerCompletedInnings()
{
    Dlg dialog(m_game);
    Open(dialog);
    QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QStringLiteral("50.00"));
    QCOMPARE(dialog.BattingEdit(kTestMatch, Dlg::BatAvg)->text(), QString()); // 3 innings, 3 not outs
    QCOMPARE(dialog.BattingEdit(kOneDayInt, Dlg::BatAvg)->text(), QStringLiteral("-5.00")); // more not outs than innings
    QVERIFY(dialog.BattingEdit(kFirstClass, Dlg::BatAvg)->isReadOnly());
}

void PlayerStatsDlgTests::bowlingAverageAndRunsPerOver()
{
    Dlg dialog(m_game);
    Open(dialog);
    QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::BowlAvg)->text(), QStringLiteral("25.00"));
    QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::RunsPerOver)->text(), QStringLiteral("2.50"));
    QCOMPARE(dialog.BowlingEdit(kOneDay, Dlg::RunsPerOver)->text(), QStringLiteral("2.50")); // 605 balls: 100 overs
    QCOMPARE(dialog.BowlingEdit(kTestMatch, Dlg::RunsPerOver)->text(), QString()); // 5 balls
    QCOMPARE(dialog.BowlingEdit(kTestMatch, Dlg::BowlAvg)->text(), QString()); // no wickets
    QVERIFY(dialog.BowlingEdit(kFirstClass, Dlg::RunsPerOver)->isReadOnly());
    QVERIFY(!dialog.BowlingEdit(kFirstClass, Dlg::BestBowling)->isReadOnly());
}

void PlayerStatsDlgTests::theDialogHasEveryHeadingAndButton()
{
    Dlg dialog(m_game);
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        texts << label->text();
    for (const char* text : {"Debut", "M", "I", "Runs", "NO", "Avg.", "HS", "50", "100", "Ct", "St", "Balls", "W",
             "BB", "5i", "10m", "RpO", "First Class:", "One day:", "Test Match", "One Day Int."})
        QVERIFY2(texts.contains(QString::fromLatin1(text)), text);
    for (const char* name : {"buttonClearAllStats", "buttonUpdateAvg", "buttonOk", "buttonCancel"})
        QVERIFY2(Button(dialog, name), name);
    QCOMPARE(Button(dialog, "buttonClearAllStats")->text(), QStringLiteral("Clear All Stats."));
    QCOMPARE(Button(dialog, "buttonUpdateAvg")->text(), QStringLiteral("Update Avg."));
    for (std::size_t row = 0; row < Dlg::kRows.size(); ++row) {
        for (int column = 0; column < Dlg::kBattingColumns; ++column)
            QVERIFY(dialog.BattingEdit(row, static_cast<Dlg::BattingColumn>(column)));
        for (int column = 0; column < Dlg::kBowlingColumns; ++column)
            QVERIFY(dialog.BowlingEdit(row, static_cast<Dlg::BowlingColumn>(column)));
    }
}

void PlayerStatsDlgTests::bestBowlingIsReadAtTheFirstHyphen_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("plain") << "5-23" << 5 << 23;
    QTest::newRow("blanks around the numbers") << "7 - 45" << 7 << 45;
    QTest::newRow("no second figure") << "5-" << 5 << 0;
    QTest::newRow("no first figure") << "-23" << 0 << 23;
    QTest::newRow("letters") << "a-b" << 0 << 0;
    QTest::newRow("trailing text") << "6-12 runs" << 6 << 12;
    QTest::newRow("second hyphen is a sign") << "5--3" << 5 << -3;
}

void PlayerStatsDlgTests::bestBowlingIsReadAtTheFirstHyphen()
{
    QFETCH(QString, typed);
    QFETCH(int, first);
    QFETCH(int, second);
    Dlg dialog(m_game);
    Open(dialog);
    dialog.BowlingEdit(kOneDay, Dlg::BestBowling)->setText(typed);
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(Player().GetStat(Competition::OneDay, Stat::BestBowling1), first);
    QCOMPARE(Player().GetStat(Competition::OneDay, Stat::BestBowling2), second);
    QVERIFY(m_messages.m_messages.isEmpty());
}

void PlayerStatsDlgTests::anEmptyBestBowlingStoresZerosAndShowsZeroZero()
{
    {
        Dlg dialog(m_game);
        Open(dialog);
        dialog.BowlingEdit(kFirstClass, Dlg::BestBowling)->clear();
        QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(Player().GetStat(Competition::FirstClass, Stat::BestBowling1), 0);
    QCOMPARE(Player().GetStat(Competition::FirstClass, Stat::BestBowling2), 0);
    Dlg again(m_game);
    Open(again);
    QCOMPARE(again.BowlingEdit(kFirstClass, Dlg::BestBowling)->text(), QStringLiteral("0-0"));
}

void PlayerStatsDlgTests::aBestBowlingWithoutAHyphenIsRefusedPerCompetition_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("message");
    QTest::newRow("First Class") << int(kFirstClass) << "Invalid First Class Best Bowling value.";
    QTest::newRow("One day") << int(kOneDay) << "Invalid One-day Best Bowling value.";
    QTest::newRow("Test Match") << int(kTestMatch) << "Invalid Test match Best Bowling value.";
    QTest::newRow("One Day Int.") << int(kOneDayInt) << "Invalid One-day International Best Bowling value.";
}

void PlayerStatsDlgTests::aBestBowlingWithoutAHyphenIsRefusedPerCompetition()
{
    QFETCH(int, row);
    QFETCH(QString, message);
    const CPlayer before = Player();
    Dlg dialog(m_game);
    Open(dialog);
    dialog.BattingEdit(static_cast<std::size_t>(row), Dlg::Runs)->setText(QStringLiteral("999"));
    dialog.BowlingEdit(static_cast<std::size_t>(row), Dlg::BestBowling)->setText(QStringLiteral("abc"));
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_messages.m_messages, QStringList{message});
    QVERIFY(dialog.isVisible());
    QVERIFY(Player().m_playerRecord == before.m_playerRecord);
}

void PlayerStatsDlgTests::onlyTheFirstRefusedBestBowlingIsReported()
{
    Dlg dialog(m_game);
    Open(dialog);
    dialog.BowlingEdit(kTestMatch, Dlg::BestBowling)->setText(QStringLiteral("x"));
    dialog.BowlingEdit(kFirstClass, Dlg::BestBowling)->setText(QStringLiteral("y"));
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_messages.m_messages, QStringList{QStringLiteral("Invalid First Class Best Bowling value.")});
}

void PlayerStatsDlgTests::clearAllStatsReachesTheRecordOnlyThroughOk()
{
    const CPlayer before = Player();
    {
        Dlg dialog(m_game);
        Open(dialog);
        QTest::mouseClick(Button(dialog, "buttonClearAllStats"), Qt::LeftButton);
        QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::Runs)->text(), QStringLiteral("0"));
        QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QString());
        QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::BestBowling)->text(), QString());
        QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::RunsPerOver)->text(), QString());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("labelName"))->text().isEmpty());
        QTest::mouseClick(Button(dialog, "buttonCancel"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QVERIFY(Player().m_playerRecord == before.m_playerRecord);

    Dlg dialog(m_game);
    Open(dialog);
    QTest::mouseClick(Button(dialog, "buttonClearAllStats"), Qt::LeftButton);
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    for (Competition competition : PlayerStats::kCompetitions) {
        for (std::size_t stat = 0; stat < PlayerStats::kStatCount; ++stat)
            QCOMPARE(Player().GetStat(competition, PlayerStats::StatAt(stat)), 0);
    }
}

void PlayerStatsDlgTests::updateAveragesRecomputesWithoutStoring()
{
    const CPlayer before = Player();
    Dlg dialog(m_game);
    Open(dialog);
    dialog.BattingEdit(kFirstClass, Dlg::Runs)->setText(QStringLiteral(" 800"));
    dialog.BowlingEdit(kFirstClass, Dlg::Wickets)->setText(QStringLiteral("5"));
    QTest::mouseClick(Button(dialog, "buttonUpdateAvg"), Qt::LeftButton);
    QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QStringLiteral("100.00"));
    QCOMPARE(dialog.BowlingEdit(kFirstClass, Dlg::BowlAvg)->text(), QStringLiteral("50.00"));
    QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::Runs)->text(), QStringLiteral("800"));
    QVERIFY(Player().m_playerRecord == before.m_playerRecord);
    QTest::mouseClick(Button(dialog, "buttonCancel"), Qt::LeftButton);
    QVERIFY(Player().m_playerRecord == before.m_playerRecord);
}

void PlayerStatsDlgTests::aFigureThatIsNotAWholeNumberStopsOkAndUpdate()
{
    const CPlayer before = Player();
    Dlg dialog(m_game);
    Open(dialog);
    // Runs comes after 50 in the order the dialog reads its fields.
    QLineEdit* runs = dialog.BattingEdit(kFirstClass, Dlg::Runs);
    QLineEdit* fifties = dialog.BattingEdit(kFirstClass, Dlg::Fifties);
    runs->setText(QStringLiteral("12x"));
    fifties->setText(QStringLiteral("1.5"));
    QTest::mouseClick(Button(dialog, "buttonUpdateAvg"), Qt::LeftButton);
    QCOMPARE(m_messages.m_messages, QStringList{QStringLiteral("Please enter an integer.")});
    QCOMPARE(fifties->selectedText(), QStringLiteral("1.5"));
    QCOMPARE(dialog.BattingEdit(kFirstClass, Dlg::BatAvg)->text(), QStringLiteral("50.00"));

    m_messages.Clear();
    fifties->setText(QStringLiteral("3"));
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(m_messages.m_messages, QStringList{QStringLiteral("Please enter an integer.")});
    QCOMPARE(runs->selectedText(), QStringLiteral("12x"));
    QVERIFY(dialog.isVisible());

    // Beyond 32 bits is not a figure either; nor is an empty field.
    for (const QString& text : {QStringLiteral("3000000000"), QString()}) {
        m_messages.Clear();
        runs->setText(text);
        QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
        QCOMPARE(m_messages.m_messages.size(), 1);
        QVERIFY(dialog.isVisible());
    }
    QVERIFY(Player().m_playerRecord == before.m_playerRecord);
}

void PlayerStatsDlgTests::okStoresEveryFigureOfEveryCompetition()
{
    Dlg dialog(m_game);
    Open(dialog);
    int value = 1;
    for (std::size_t row = 0; row < Dlg::kRows.size(); ++row) {
        for (int column = 0; column < Dlg::kBattingColumns; ++column) {
            if (column != Dlg::BatAvg)
                dialog.BattingEdit(row, static_cast<Dlg::BattingColumn>(column))->setText(QString::number(value++));
        }
        for (int column = 0; column < Dlg::kBowlingColumns; ++column) {
            if (column != Dlg::BowlAvg && column != Dlg::RunsPerOver && column != Dlg::BestBowling)
                dialog.BowlingEdit(row, static_cast<Dlg::BowlingColumn>(column))->setText(QString::number(value++));
        }
        dialog.BowlingEdit(row, Dlg::BestBowling)->setText(QStringLiteral("%1-%2").arg(value).arg(value + 1));
        value += 2;
    }
    QTest::mouseClick(Button(dialog, "buttonOk"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    // The same walk again, over the record.
    value = 1;
    const Stat batting[] = {Stat::Debut, Stat::Matches, Stat::Innings, Stat::Runs, Stat::NotOuts, Stat::HighScore,
        Stat::Fifties, Stat::Hundreds, Stat::Catches, Stat::Stumpings};
    const Stat bowling[] = {Stat::Balls, Stat::RunsConceded, Stat::Wickets, Stat::FiveWkts, Stat::TenWkts};
    for (Competition competition : Dlg::kRows) {
        for (Stat stat : batting)
            QCOMPARE(Player().GetStat(competition, stat), value++);
        for (Stat stat : bowling)
            QCOMPARE(Player().GetStat(competition, stat), value++);
        QCOMPARE(Player().GetStat(competition, Stat::BestBowling1), value++);
        QCOMPARE(Player().GetStat(competition, Stat::BestBowling2), value++);
    }
}

void PlayerStatsDlgTests::derivedTextsByTheRules()
{
    QCOMPARE(StatsFigures::BattingAverage(400, 10, 2), QStringLiteral("50.00"));
    QCOMPARE(StatsFigures::BattingAverage(100, 3, 0), QStringLiteral("33.33"));
    QCOMPARE(StatsFigures::BattingAverage(5, 3, 3), QString());
    QCOMPARE(StatsFigures::BowlingAverage(250, 10), QStringLiteral("25.00"));
    QCOMPARE(StatsFigures::BowlingAverage(250, 0), QString());
    QCOMPARE(StatsFigures::RunsPerOver(250, 600), QStringLiteral("2.50"));
    QCOMPARE(StatsFigures::RunsPerOver(250, 605), QStringLiteral("2.50"));
    QCOMPARE(StatsFigures::RunsPerOver(250, 5), QString());
    QCOMPARE(StatsFigures::RunsPerOver(250, -5), QString()); // -5 / 6 truncates to 0 overs
    QCOMPARE(StatsFigures::BattingAverage(INT32_MAX, INT32_MIN, INT32_MAX).isEmpty(), false);
    QCOMPARE(StatsFigures::BestBowling(0, 0), QStringLiteral("0-0"));
    QCOMPARE(StatsFigures::LeadingNumber(u"  +42abc"), 42);
    QCOMPARE(StatsFigures::LeadingNumber(u"99999999999"), INT32_MAX);
    QCOMPARE(StatsFigures::LeadingNumber(u"-99999999999"), INT32_MIN);
    QVERIFY(!StatsFigures::ParseBestBowling(QStringLiteral("abc")));
}

QTEST_MAIN(PlayerStatsDlgTests)
#include "PlayerStatsDlgTests.moc"
