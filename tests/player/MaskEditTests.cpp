// The masked fields: what may be typed where, the literals typed for the
// user, backspace putting back the shown text, and the date text.
#include "ScriptedMessageService.h"

#include "player/CDateEdit.h"
#include "player/CTimeEdit.h"

#include <QtTest>

namespace {

constexpr CDate k5March1970{1970, 3, 5, true};

// Keys as characters; control characters stand for Backspace, Delete, Shift+Delete, Shift+Insert, Left, End, Home.
void Press(QWidget* edit, const char* keys)
{
    for (const char* key = keys; *key; ++key) {
        switch (*key) {
        case '\b': QTest::keyClick(edit, Qt::Key_Backspace); break;
        case '\x7f': QTest::keyClick(edit, Qt::Key_Delete); break;
        case '\x01': QTest::keyClick(edit, Qt::Key_Delete, Qt::ShiftModifier); break;
        case '\x02': QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier); break;
        case '\x03': QTest::keyClick(edit, Qt::Key_Left); break;
        case '\x04': QTest::keyClick(edit, Qt::Key_End); break;
        case '\x05': QTest::keyClick(edit, Qt::Key_Home); break;
        default: QTest::keyClick(edit, *key);
        }
    }
}

enum Field { Date, Time, Plain };
struct KeyCase
{
    const char* name;
    Field field;
    CDate date;        // shown in a date field
    const char* start; // the default text of a time field, the text of a plain one
    int cursor, selectionLength;
    const char* keys;
    const char* text;
    int cursorAfter, beeps; // -1: not checked
};
const KeyCase kKeyCases[] = {
    {"digits overwrite and the slash is skipped", Date, k5March1970, "", 0, 0, "12", "12/03/1970", 3, 0},
    {"a first day digit above 3 is dropped silently", Date, k5March1970, "", 0, 0, "4", "05/03/1970", 0, 0},
    {"what is no digit beeps", Date, k5March1970, "", 0, 0, "x ", "05/03/1970", 0, 2},
    {"after a 3 the day's second digit is 0 or 1", Date, {1970, 3, 30, true}, "", 1, 0, "21", "31/03/1970", 3, 0},
    {"below 3 any second day digit", Date, {1970, 3, 20, true}, "", 1, 0, "9", "29/03/1970", 3, 0},
    {"after a 1 the month's second digit is 0..2", Date, {1970, 10, 5, true}, "", 4, 0, "52", "05/12/1970", 6, 0},
    {"the month's first digit is 0 or 1", Date, k5March1970, "", 3, 0, "21", "05/13/1970", 4, 0},
    {"typing at a slash types the slash first", Date, k5March1970, "", 2, 0, "1", "05/13/1970", 4, 0},
    {"typing beyond the end beeps", Date, k5March1970, "", 10, 0, "1", "05/03/1970", 10, 1},
    {"backspace puts back the shown digit, then the slash", Date, k5March1970, "", 3, 0, "1\b\b", "05/03/1970", 2, 0},
    {"backspace with a selection beeps", Date, k5March1970, "", 0, 5, "\b", "05/03/1970", -1, 1},
    {"backspace at the start beeps", Date, k5March1970, "", 0, 0, "\b", "05/03/1970", 0, 1},
    {"Delete and Insert change nothing", Date, k5March1970, "", 0, 0, "\x7f\x01\x02", "05/03/1970", -1, -1},
    {"Delete on a selection changes nothing", Date, k5March1970, "", 0, 10, "\x7f", "05/03/1970", -1, -1},
    {"End and Left move the caret", Date, k5March1970, "", 0, 0, "\x04\x03\x03", "05/03/1970", 8, 0},
    {"Home moves the caret", Date, k5March1970, "", 5, 0, "\x05", "05/03/1970", 0, 0},
    {"no date: an empty field typed by the pattern", Date, CDate{}, "", 0, 0, "05031970", "05/03/1970", 10, 0},
    // Typing into an empty field records nothing: no second-digit rule,
    // and backspace has nothing to put back.
    {"no date: nothing to check against or put back", Date, CDate{}, "", 0, 0, "35\b", "35/", -1, 1},
    {"hours at most 47, minutes at most 59", Time, {}, "12:30", 0, 0, "5487659", "47:59", 5, 0},
    {"without the mask a plain edit", Plain, {}, "ab", 1, 0, "xyz\x7f\b", "axy", 3, 0},
};

} // namespace

class MaskEditTests : public QObject
{
    Q_OBJECT

private slots:
    void keysFollowTheMaskRules_data();
    void keysFollowTheMaskRules();
    void eachMaskCharacterAcceptsItsClass();
    void formatDateByLengthAndReadBack();
    void parseDateReadsDayMonthYearOnly();

private:
    ScriptedMessageService m_messages;
};

void MaskEditTests::keysFollowTheMaskRules_data()
{
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < std::size(kKeyCases); ++i)
        QTest::newRow(kKeyCases[i].name) << int(i);
}

void MaskEditTests::keysFollowTheMaskRules()
{
    QFETCH(int, index);
    const KeyCase& c = kKeyCases[std::size_t(index)];
    m_messages.Clear();
    CDateEdit date;
    CTimeEdit time;
    CMaskEdit plain;
    CMaskEdit* edit = c.field == Date ? &date : c.field == Time ? static_cast<CMaskEdit*>(&time) : &plain;
    if (c.field == Date)
        date.SetDate(c.date);
    else if (c.field == Time)
        time.SetDefaultText(QString::fromLatin1(c.start));
    else
        plain.setText(QString::fromLatin1(c.start));
    if (c.selectionLength)
        edit->setSelection(c.cursor, c.selectionLength);
    else
        edit->setCursorPosition(c.cursor);
    Press(edit, c.keys);
    QCOMPARE(edit->text(), QString::fromLatin1(c.text));
    if (c.cursorAfter >= 0)
        QCOMPARE(edit->cursorPosition(), c.cursorAfter);
    if (c.beeps >= 0)
        QCOMPARE(m_messages.beeps, c.beeps);
}

void MaskEditTests::eachMaskCharacterAcceptsItsClass()
{
    const std::tuple<char, const char*, const char*> classes[] = {{'&', "a Z9~!", ""}, // any printable
        {'?', "aZ ", "5-"}, {'A', "aZ5", " -"}, {'L', "aZ", "5 "}, {'a', "aZ5 ", "-_"}, {'9', "a5-~", " "},
        {'#', "5 km", "aKM"}, {'x', "", "ax5 "}}; // another character accepts nothing
    CMaskEdit edit;
    edit.m_bUseMask = true;
    for (const auto& [mask, accepted, refused] : classes) {
        edit.m_strMask = QString(QChar::fromLatin1(mask));
        for (const char* typed : {accepted, refused}) {
            for (const char* ch = typed; *ch; ++ch) {
                m_messages.Clear();
                edit.SetDefaultText(QStringLiteral("_"));
                edit.setCursorPosition(0);
                QTest::keyClick(&edit, *ch);
                const bool accept = typed == accepted;
                QVERIFY2(edit.text() == (accept ? QString(QChar::fromLatin1(*ch)) : QStringLiteral("_")), ch);
                QCOMPARE(m_messages.beeps, accept ? 0 : 1);
            }
        }
    }
}

void MaskEditTests::formatDateByLengthAndReadBack()
{
    const std::tuple<CDate, int, const char*> formats[] = {{k5March1970, 10, "05/03/1970"}, {k5March1970, 0, "05/03/1970"},
        {k5March1970, 8, "05/03/70"}, {k5March1970, 5, "00:00"}, {{812, 11, 23, true}, 10, "23/11/0812"}, {{}, 10, ""}};
    for (const auto& [date, length, text] : formats)
        QCOMPARE(FormatDate(date, length), QString::fromLatin1(text));
    CDateEdit edit;
    for (const CDate& date : {CDate{1996, 2, 29, true}, CDate{1865, 7, 18, true}, CDate{2001, 12, 31, true}}) {
        edit.SetDate(date);
        QCOMPARE(edit.GetDate(), date);
    }
}

void MaskEditTests::parseDateReadsDayMonthYearOnly()
{
    const CDate none{};
    // The calendar itself is the core's (tests/core/RecordCodingTests.cpp).
    const std::pair<const char*, CDate> cases[] = {{"31/12/1999", {1999, 12, 31, true}}, {"1/2/1970", {1970, 2, 1, true}},
        {" 05/03/1970 ", k5March1970}, {"", none}, {"29/02/2000", none}, {"12/31/1999", none},
        {"05/03/19", none} /* no century added */, {"05-03-1970", none}, {"05/03/1970 12:00", none}, {"ab/cd/efgh", none}};
    for (const auto& [text, date] : cases) {
        const CDate parsed = ParseDate(QString::fromLatin1(text));
        QVERIFY2(parsed.valid == date.valid && (!date.valid || parsed == date), text);
    }
}

QTEST_MAIN(MaskEditTests)
#include "MaskEditTests.moc"
