// "ICC Players": the list of every player to copy abilities from.
#include "PlayerTestGame.h"
#include "ScriptedMessages.h"

#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/RecordLayout.h"
#include "player/CCopyFromDlg.h"
#include "player/PlayerIcons.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString Text(const std::string& bytes)
{
    return QString::fromStdString(Cp1252::ToUtf8(bytes));
}

QTreeWidgetItem* RowOf(QTreeWidget* list, std::uint32_t id)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        if (list->topLevelItem(i)->data(0, Qt::UserRole).toUInt() == id)
            return list->topLevelItem(i);
    }
    return nullptr;
}

} // namespace

class CopyFromDlgTests : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void listsEveryPlayerOnceSortedByName();
    void showsEachPlayersPictureAndTeamOrOrigin();
    void theNinePicturesAreThere();
    void longTeamNamesAreCutAt79Characters();
    void gameTextIsDecoded();
    void okWithoutASelectionChoosesNobody();
    void okWithARowChoosesItsPlayer();

private:
    ScriptedMessages m_messages;
    testgame::TempDir m_dir;
    CGame m_game;
};

void CopyFromDlgTests::initTestCase()
{
    QVERIFY(playertest::LoadGame(m_game, playertest::MakeGame(70), m_dir));
}

void CopyFromDlgTests::listsEveryPlayerOnceSortedByName()
{
    CCopyFromDlg dialog(m_game);
    QTreeWidget* list = dialog.List();
    QCOMPARE(list->columnCount(), 2);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Player"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Team/Origin"));
    QCOMPARE(list->columnWidth(0), 110);
    QCOMPARE(list->columnWidth(1), 130);

    int players = 0;
    for (const auto& player : m_game.m_players)
        players += player ? 1 : 0;
    QCOMPARE(list->topLevelItemCount(), players);
    QSet<uint> ids;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        ids.insert(list->topLevelItem(i)->data(0, Qt::UserRole).toUInt());
    QCOMPARE(ids.size(), players);
    for (int i = 1; i < list->topLevelItemCount(); ++i) {
        const QString before = list->topLevelItem(i - 1)->text(0), after = list->topLevelItem(i)->text(0);
        QVERIFY2(before.compare(after, Qt::CaseInsensitive) <= 0, qPrintable(before + " > " + after));
    }
    QVERIFY(list->selectedItems().isEmpty());
}

void CopyFromDlgTests::showsEachPlayersPictureAndTeamOrOrigin()
{
    CPlayer* homeless = nullptr;
    CPlayer* noOrigin = nullptr;
    for (const auto& player : m_game.m_players) {
        if (player && player->Team() != kNoTeam && !homeless)
            homeless = player.get();
        else if (player && player->Team() != kNoTeam && !noOrigin)
            noOrigin = player.get();
    }
    QVERIFY(homeless && noOrigin);
    // Without a team, a player is listed with his origin, or with nothing.
    homeless->SetTeam(kNoTeam);
    homeless->SetU16(PlayerLayout::wOrigin, 3);
    noOrigin->SetTeam(kNoTeam);
    noOrigin->SetU16(PlayerLayout::wOrigin, kNoTeam);

    CCopyFromDlg dialog(m_game);
    for (const auto& player : m_game.m_players) {
        if (!player)
            continue;
        QTreeWidgetItem* row = RowOf(dialog.List(), player->m_nId);
        QVERIFY(row);
        QCOMPARE(row->text(0), Text(player->GetDisplayName()));
        QCOMPARE(row->icon(0).cacheKey(), PlayerIcon16(player->GetImageIndex()).cacheKey());
        if (player.get() == homeless)
            QCOMPARE(row->text(1), Text(m_game.m_teamNames[3]));
        else if (player.get() == noOrigin)
            QCOMPARE(row->text(1), QString());
        else if (player->Team() != kNoTeam)
            QCOMPARE(row->text(1), Text(m_game.m_teamNames[player->Team()]));
    }
}

void CopyFromDlgTests::theNinePicturesAreThere()
{
    for (int i = 0; i < kPlayerIconCount; ++i) {
        const QIcon icon = PlayerIcon16(i);
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.pixmap(16, 16).size(), QSize(16, 16));
    }
    QVERIFY(PlayerIcon16(9).isNull());
    QVERIFY(PlayerIcon16(-1).isNull());
    // Each kind of player has a picture of its own.
    QSet<qint64> pictures;
    for (int i = 0; i < kPlayerIconCount; ++i)
        pictures.insert(PlayerIcon16(i).pixmap(16, 16).toImage().cacheKey());
    QCOMPARE(pictures.size(), kPlayerIconCount);
}

void CopyFromDlgTests::longTeamNamesAreCutAt79Characters()
{
    const CPlayer* member = nullptr;
    for (const auto& player : m_game.m_players) {
        if (player && player->Team() != kNoTeam && player->Team() < m_game.m_teamNames.size()) {
            member = player.get();
            break;
        }
    }
    QVERIFY(member);
    std::string& name = m_game.m_teamNames[member->Team()];
    const std::string saved = name;
    name = std::string(79, 'a') + "bcdef";
    CCopyFromDlg dialog(m_game);
    QCOMPARE(RowOf(dialog.List(), member->m_nId)->text(1), QString(79, u'a'));
    name = saved;
}

void CopyFromDlgTests::gameTextIsDecoded()
{
    CPlayer* player = m_game.Player(1);
    QVERIFY(player);
    const std::string saved = player->m_strFamilyName;
    player->m_strFamilyName = "M\xFCller";
    CCopyFromDlg dialog(m_game);
    QVERIFY(RowOf(dialog.List(), 1)->text(0).startsWith(QStringLiteral("M\u00FCller ")));
    player->m_strFamilyName = saved;
}

void CopyFromDlgTests::okWithoutASelectionChoosesNobody()
{
    CCopyFromDlg dialog(m_game);
    dialog.show();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("buttonOk")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.m_nChosen, -1);
}

void CopyFromDlgTests::okWithARowChoosesItsPlayer()
{
    CCopyFromDlg dialog(m_game);
    dialog.show();
    QTreeWidgetItem* row = RowOf(dialog.List(), 7);
    QVERIFY(row);
    row->setSelected(true);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("buttonOk")), Qt::LeftButton);
    QCOMPARE(dialog.m_nChosen, 7);

    CCopyFromDlg cancelled(m_game);
    cancelled.show();
    RowOf(cancelled.List(), 7)->setSelected(true);
    QTest::mouseClick(cancelled.findChild<QPushButton*>(QStringLiteral("buttonCancel")), Qt::LeftButton);
    QCOMPARE(cancelled.result(), int(QDialog::Rejected));
}

QTEST_MAIN(CopyFromDlgTests)
#include "CopyFromDlgTests.moc"
