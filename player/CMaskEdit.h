#pragma once

#include <QLineEdit>
#include <QString>

// A line edit that the user overwrites character by character along a
// fixed pattern ("00/00/0000"): literal characters of the pattern are typed
// by the control itself, characters the mask does not allow are refused
// (with a beep, or silently for out-of-range day, month, hour or minute
// digits), backspace walks left putting back the text the program last set,
// and Delete and Insert are swallowed so the length never changes.
// Without m_bUseMask it behaves like a plain line edit.
//
// Mask characters: 0 digit (date or time rules), & printable, ? letter or
// space, A letter or digit, L letter, a letter, digit or space, 9 printable
// but not space, # digit, space, k or m. Anything else accepts nothing.
class CMaskEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit CMaskEdit(QWidget* parent = nullptr);
    ~CMaskEdit() override;

    // Sets the text as the program's own: backspace restores from it.
    void SetDefaultText(const QString& text);

    // Decides whether ch may be typed at the caret; may type a literal
    // first and moves the caret past it. Refusals beep except for the
    // digit rules.
    bool CheckChar(QChar ch);
    // Delivers ch as if typed, skipping the checks.
    void SendChar(QChar ch);

    bool m_bUseMask = false;
    bool m_bDateRules = true;
    QString m_strText;
    QString m_strMask;
    QString m_strLiteral;
    QString m_strValid;
    bool m_bTypingLiteral = false;
    QString m_strHours = QStringLiteral("47");
    QString m_strMinutes = QStringLiteral("59");
    QString m_strDefault;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnChar(QChar ch);
    void OverwriteAtCaret(QChar ch);
    void Backspace();
    void TypeLiteralAtCaret();
    bool MaskAccepts(QChar mask, QChar ch) const;
    bool DigitAllowed(int position, QChar digit) const;
    QChar TextAt(int position) const;
};
