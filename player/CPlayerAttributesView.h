#pragma once

#include "gamedata/AbilityPresets.h"
#include "gamedata/CPlayer.h"
#include "gamedata/PlayerForm.h"

#include <QImage>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>

class CGameDocument;
class GameEdit;
class QAbstractButton;
class QLineEdit;

namespace Ui {
class PlayerAttributesView;
}

// The player form, in the lower right pane: edits one player's names, team,
// origin, date of birth, salary, contract, type, keeping, bowling and
// batting, shows his photo and opens his statistics, the ability presets
// and Copy From.
//
// The form never edits a player live: showing him copies his values into
// the form. The form is written back (committed) only before another player
// is shown, before a save, before an undo and inside the commands that need
// it; a commit that changed him is one step of the document ("Edit <name>")
// and marks him modified. Every edit in the form makes him the document's
// pending player at once, so the tree's "*" appears while the user types.
// The buttons' changes (team, Sack, presets, Copy From, statistics) are
// steps of their own. When a step changes the player shown from elsewhere
// (an undo), the form shows his new values.
//
// Controls (ids of the original template -> objectNames, Designer form
// res/PlayerAttributesView.ui): 1005 labelPhoto, 1126 buttonPhoto,
// 1002 editGivenNames, 1003 editFamilyName, 1006 comboTeam, 1008
// comboOrigin, 1007 editBirth, 1009 editSalary, 1010 editContract, 1011
// spinContract, 1120 buttonAverage, 1121 buttonGood, 1122 buttonExcellent,
// 1053 buttonSuper, 1054 buttonCopyFrom, 1094/1109/1095/1096 radioOpener/
// radioBatsman/radioAllRounder/radioBowler, 1125 checkKeeper, 1123/1124
// radioFulltime/radioParttime, 1091 comboBowlStyle, 1098/1099 radioLeftArm/
// radioRightArm, 1100/1101 radioLeftBat/radioRightBat, 1102/1103
// radioBackFoot/radioFrontFoot, 1104/1105 radioLegSide/radioOffSide,
// 1106/1107 radioFastBowling/radioSpinBowling, 1108 buttonStats, 9
// buttonHelp, 1089 buttonSack (hidden).
class CPlayerAttributesView : public QWidget
{
    Q_OBJECT

public:
    CPlayerAttributesView(CGameDocument& document, QWidget* parent);
    ~CPlayerAttributesView() override;

    // Commits the player shown, then shows the given one. Ids below 1 do
    // nothing; a refused commit keeps the shown player and returns false.
    bool ShowPlayer(int playerId);
    // Shows no player and rebuilds the team and origin lists; uncommitted
    // edits are dropped.
    void ClearForm();
    // Writes the form into the current player record; false (with the
    // message shown and the field focused) when a field cannot be stored.
    bool StorePlayer();
    // The statistics dialog for the player shown.
    void OnStats();
    // Copies another player's abilities over the player shown.
    void OnCopyFrom();

    int CurrentPlayer() const { return m_nPlayer; }

    // The other commands of the form, public for the frame and tests.
    void OnAverage();
    void OnGood();
    void OnExcellent();
    void OnSuper();
    void OnPhoto();
    void OnSack();
    void OnHelp();
    // The photo shown; null when none.
    const QImage& Photo() const { return m_bmpPhoto; }

private:
    void OnTeamChange();
    void OnWicketkeeper();
    void OnLevel(AbilityPresets::Level level, const QAbstractButton* button);
    // Commits the form, then applies the image as the step named after the
    // button, the form's type, keeping, bowling, hand and changed
    // preferences written over it, and shows the new abilities.
    void ApplyAndReshow(const AbilityPresets::AbilityImage& image, const QAbstractButton* button);
    // A step of the document on the player shown; the form does not refill
    // itself from the notifications of its own steps.
    GameStatus EditShown(const QString& action, const std::function<GameStatus(GameEdit&)>& operation);
    void OnPlayersChanged(const QList<quint32>& playerIds);
    // Fills the form from the player's record (no commit); Reload, from the
    // shown player's record as it is now.
    void LoadPlayer(const CPlayer& player);
    void ReloadPlayer();
    void UpdateKeeperControls();
    void MarkModifiedNow();
    void FillLists();
    void LoadPhoto(const CPlayer& player);
    void SetPhoto(const QImage& bitmap);

    // The framework's data exchange: members to controls and back.
    void ShowValues();
    void ShowAbilityValues();
    bool ReadValues(PlayerFormValues& values);
    bool ReadName(QLineEdit* edit, std::string& name);
    bool ReadNumber(QLineEdit* edit, long long& number);

    const CPlayer* Current() const;
    void ConnectMarking();

    CGameDocument& m_document;
    std::unique_ptr<Ui::PlayerAttributesView> m_ui;
    PlayerFormValues m_values; // the form's members
    PlayerFormValues m_shown;  // as filled; the batting preferences are compared with it
    int m_nPlayer = 0;
    QImage m_bmpPhoto;
    bool m_bFilling = false;
    bool m_bEditing = false; // a step of the form runs
};
