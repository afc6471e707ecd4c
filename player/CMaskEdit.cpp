#include "CMaskEdit.h"

#include "services/MessageService.h"

#include <QKeyEvent>

namespace {

constexpr char16_t kBackspace = 8;

// Printable as the mask understands it: the ASCII codes space to tilde.
bool IsPrintable(QChar ch)
{
    return ch.unicode() >= 0x20 && ch.unicode() <= 0x7E;
}
bool IsDigit(QChar ch)
{
    return ch >= u'0' && ch <= u'9';
}
bool IsLetter(QChar ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
}
// The character at a position, or a null character beyond the text.
QChar CharAt(const QString& text, int position)
{
    return position >= 0 && position < text.size() ? text[position] : QChar();
}

} // namespace

CMaskEdit::CMaskEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

CMaskEdit::~CMaskEdit() = default;

void CMaskEdit::SetDefaultText(const QString& text)
{
    m_strDefault = text;
    m_strText = text;
    setText(text);
}

void CMaskEdit::keyPressEvent(QKeyEvent* event)
{
    if (m_bUseMask && (event->key() == Qt::Key_Delete || event->key() == Qt::Key_Insert)) {
        event->accept();
        return;
    }

    QChar ch;
    if (event->key() == Qt::Key_Backspace)
        ch = QChar(kBackspace);
    else if (event->text().size() == 1)
        ch = event->text().front();
    else {
        // Keys without a character (arrows, Home, End...) move the caret freely.
        QLineEdit::keyPressEvent(event);
        return;
    }

    if (!m_bUseMask) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Characters beyond ASCII fit no mask position; letting the edit insert
    // them would shift the pattern.
    if (ch.unicode() > 0x7E && ch.isPrint()) {
        Messages().Beep();
        return;
    }
    if (!CheckChar(ch))
        return;

    if (IsPrintable(ch))
        OverwriteAtCaret(ch);
    else if (ch == QChar(kBackspace)) {
        Backspace();
        return; // the edit's own backspace never runs, and no literal follows it
    } else
        QLineEdit::keyPressEvent(event);
    TypeLiteralAtCaret();
}

bool CMaskEdit::CheckChar(QChar ch)
{
    if (!m_bUseMask || !IsPrintable(ch))
        return true;

    if (hasSelectedText())
        setCursorPosition(selectionStart());
    int position = cursorPosition();
    if (position >= m_strMask.size()) {
        Messages().Beep();
        return false;
    }
    if (!m_strLiteral.isEmpty() && position < m_strLiteral.size() && m_strLiteral[position] != u'_') {
        SendChar(m_strLiteral[position]);
        position = cursorPosition();
    }
    if (m_strValid.contains(ch))
        return true;
    if (position >= m_strMask.size()) {
        Messages().Beep();
        return false;
    }
    const QChar mask = m_strMask[position];
    if (!MaskAccepts(mask, ch)) {
        Messages().Beep();
        return false;
    }
    // Impossible day, month, hour or minute digits are dropped without a sound.
    return mask != u'0' || DigitAllowed(position, ch);
}

void CMaskEdit::SendChar(QChar ch)
{
    m_bTypingLiteral = true;
    OnChar(ch);
    m_bTypingLiteral = false;
}

void CMaskEdit::OnChar(QChar ch)
{
    if (!m_bTypingLiteral && !CheckChar(ch))
        return;
    if (m_bUseMask && IsPrintable(ch))
        OverwriteAtCaret(ch);
}

void CMaskEdit::OverwriteAtCaret(QChar ch)
{
    const int position = hasSelectedText() ? selectionStart() : cursorPosition();
    if (position < text().size())
        setSelection(position, 1);
    else
        setCursorPosition(position);
    if (position < m_strText.size())
        m_strText[position] = ch;
    insert(QString(ch));
}

void CMaskEdit::Backspace()
{
    const int position = cursorPosition();
    if (hasSelectedText() || position < 1 || position > m_strText.size()) {
        Messages().Beep();
        return;
    }
    cursorBackward(false);
    if (!m_strDefault.isEmpty() && position - 1 < m_strDefault.size()) {
        SendChar(m_strDefault[position - 1]);
        cursorBackward(false);
    }
}

void CMaskEdit::TypeLiteralAtCaret()
{
    if (m_strLiteral.isEmpty())
        return;
    const int position = cursorPosition();
    if (position < m_strLiteral.size() && m_strLiteral[position] != u'_')
        SendChar(m_strLiteral[position]);
}

bool CMaskEdit::MaskAccepts(QChar mask, QChar ch) const
{
    switch (mask.unicode()) {
    case u'0': return IsDigit(ch);
    case u'&': return IsPrintable(ch);
    case u'?': return IsLetter(ch) || ch == u' ';
    case u'A': return IsLetter(ch) || IsDigit(ch);
    case u'L': return IsLetter(ch);
    case u'a': return IsLetter(ch) || IsDigit(ch) || ch == u' ';
    case u'9': return IsPrintable(ch) && ch != u' ';
    case u'#': return IsDigit(ch) || ch == u' ' || ch == u'k' || ch == u'm';
    default: return false;
    }
}

bool CMaskEdit::DigitAllowed(int position, QChar digit) const
{
    if (m_bDateRules) {
        switch (position) {
        case 0: return digit <= u'3';
        case 1: return TextAt(0) != u'3' || digit <= u'1';
        case 3: return digit <= u'1';
        case 4: return TextAt(3) != u'1' || digit <= u'2';
        default: return true;
        }
    }
    const QChar hours0 = CharAt(m_strHours, 0), hours1 = CharAt(m_strHours, 1);
    const QChar minutes0 = CharAt(m_strMinutes, 0), minutes1 = CharAt(m_strMinutes, 1);
    switch (position) {
    case 0: return digit <= hours0;
    case 1: return TextAt(0) != hours0 || digit <= hours1;
    case 3: return digit <= minutes0;
    case 4: return TextAt(3) != minutes0 || digit <= minutes1;
    default: return true;
    }
}

QChar CMaskEdit::TextAt(int position) const
{
    return CharAt(m_strText, position);
}
