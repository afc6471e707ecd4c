// "ICC Players": the list of every player to copy abilities from.
#include "FormFixture.h"

#include "gamedata/CGame.h"
#include "gamedata/Cp1252.h"
#include "gamedata/RecordLayout.h"
#include "player/CCopyFromDlg.h"
#include "player/PlayerIcons.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace {

QString Text(const std::string& bytes) { return QString::fromStdString(Cp1252::ToUtf8(bytes)); }

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
    void listsEveryPlayerOnceSortedWithPictureAndTeamOrOrigin();
    void theNinePicturesAreThereAndDiffer();
    void okChoosesTheSelectedPlayerOrNobody();

private:
    ScriptedMessages m_messages;
};

void CopyFromDlgTests::listsEveryPlayerOnceSortedWithPictureAndTeamOrOrigin()
{
    testgame::TempDir dir;
    CGame game;
    QVERIFY(playertest::LoadGame(game, playertest::MakeGame(70), dir));
    std::vector<CPlayer*> members;
    for (const auto& player : game.m_players) {
        if (player && player->Team() != kNoTeam)
            members.push_back(player.get());
    }
    QVERIFY(members.size() > 3);
    // Without a team a player is listed with his origin, or with nothing;
    // team names are cut at 79 characters; game text is Windows-1252.
    CPlayer& withOrigin = *members[0];
    CPlayer& noOrigin = *members[1];
    withOrigin.SetTeam(kNoTeam);
    noOrigin.SetTeam(kNoTeam);
    noOrigin.SetU16(PlayerLayout::wOrigin, kNoTeam);
    const CPlayer& longTeam = *members[2];
    game.m_teamNames[longTeam.Team()] = std::string(79, 'a') + "bcdef";
    const std::uint16_t origin = longTeam.Team() == 3 ? 4 : 3;
    withOrigin.SetU16(PlayerLayout::wOrigin, origin);
    members[3]->m_strFamilyName = "M\xFCller";

    CCopyFromDlg dialog(game);
    QTreeWidget* list = dialog.List();
    QCOMPARE(list->columnCount(), 2);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Player"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("Team/Origin"));
    QCOMPARE(list->columnWidth(0), 110);
    QCOMPARE(list->columnWidth(1), 130);
    QVERIFY(list->selectedItems().isEmpty());
    int players = 0;
    for (const auto& player : game.m_players) {
        if (!player)
            continue;
        ++players;
        QTreeWidgetItem* row = RowOf(list, player->m_nId);
        QVERIFY(row);
        QCOMPARE(row->text(0), Text(player->GetDisplayName()));
        QCOMPARE(row->icon(0).cacheKey(), PlayerIcon16(player->GetImageIndex()).cacheKey());
        if (player.get() == &withOrigin)
            QCOMPARE(row->text(1), Text(game.m_teamNames[origin]));
        else if (player.get() == &noOrigin)
            QCOMPARE(row->text(1), QString());
        else if (player->Team() == longTeam.Team())
            QCOMPARE(row->text(1), QString(79, u'a'));
        else if (player->Team() != kNoTeam)
            QCOMPARE(row->text(1), Text(game.m_teamNames[player->Team()]));
    }
    QCOMPARE(list->topLevelItemCount(), players); // each once
    QVERIFY(RowOf(list, members[3]->m_nId)->text(0).startsWith(QStringLiteral("M\u00FCller ")));
    for (int i = 1; i < list->topLevelItemCount(); ++i) {
        const QString before = list->topLevelItem(i - 1)->text(0), after = list->topLevelItem(i)->text(0);
        QVERIFY2(before.compare(after, Qt::CaseInsensitive) <= 0, qPrintable(before + " > " + after));
    }
}

void CopyFromDlgTests::theNinePicturesAreThereAndDiffer()
{
    QSet<qint64> pictures;
    for (int i = 0; i < kPlayerIconCount; ++i) {
        const QPixmap pixmap = PlayerIcon16(i).pixmap(16, 16);
        QCOMPARE(pixmap.size(), QSize(16, 16));
        pictures.insert(pixmap.toImage().cacheKey());
    }
    QCOMPARE(pictures.size(), 9);
    QVERIFY(PlayerIcon16(9).isNull());
    QVERIFY(PlayerIcon16(-1).isNull());
}

void CopyFromDlgTests::okChoosesTheSelectedPlayerOrNobody()
{
    testgame::TempDir dir;
    CGame game;
    QVERIFY(playertest::LoadGame(game, playertest::MakeGame(20), dir));
    for (const char* button : {"buttonOk", "buttonCancel"}) {
        for (const bool select : {false, true}) {
            CCopyFromDlg dialog(game);
            dialog.show();
            if (select)
                RowOf(dialog.List(), 7)->setSelected(true);
            QTest::mouseClick(dialog.findChild<QPushButton*>(QString::fromLatin1(button)), Qt::LeftButton);
            const bool ok = QByteArray(button) == "buttonOk";
            QCOMPARE(dialog.result(), int(ok ? QDialog::Accepted : QDialog::Rejected));
            if (ok)
                QCOMPARE(dialog.m_nChosen, select ? 7 : -1);
        }
    }
}

QTEST_MAIN(CopyFromDlgTests)
#include "CopyFromDlgTests.moc"
