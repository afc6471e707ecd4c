#pragma once

#include "gamedata/PlayerBatch.h"

#include <QDialog>

#include <cstdint>
#include <string>

class CGame;
class QComboBox;
class QSpinBox;

// "Set Field": which field of the selected players changes, how and to
// what. "Field:" lists the fields the players table sets at once; "Value:"
// is a list of the form's words for a field of named values (origin, type,
// bowling, arm, bats) and a number box otherwise; "Operation:" offers
// "Set to", and for numbers also "Add", "Subtract" and "Multiply by %".
// The dialog checks no range: the batch refuses what a player cannot take
// and names him, so nothing is clamped here.
//
// Object names: comboField, comboOperation, spinValue, comboValue.
class CSetFieldDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CSetFieldDlg(const CGame& game, QWidget* parent = nullptr);

    // The choice, read after OK.
    std::string FieldKey() const;  // a PlayerFields key ("salary")
    QString FieldLabel() const;    // as listed ("Salary")
    PlayerBatch::Operation ChosenOperation() const;
    std::int32_t Value() const;    // the number, or the stored value of the word chosen

private:
    void ShowField();

    const CGame& m_game;
    QComboBox* m_field = nullptr;
    QComboBox* m_operation = nullptr;
    QSpinBox* m_number = nullptr;
    QComboBox* m_word = nullptr;
    bool m_bNamed = false; // the value is chosen among words
};
