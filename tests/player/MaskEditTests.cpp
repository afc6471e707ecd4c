// The masked date field: what may be typed where, the literals typed for
// the user, backspace putting back the shown date, and the date text.
#include "ScriptedMessages.h"

#include "player/CDateEdit.h"
#include "player/CTimeEdit.h"

#include <QtTest>

namespace {

CDate Date(int year, int month, int day)
{
    return CDate{year, month, day, true};
}

void Type(QWidget* edit, const char* keys)
{
    for (const char* key = keys; *key; ++key)
        QTest::keyClick(edit, *key);
}

} // namespace

class MaskEditTests : public QObject
{
    Q_OBJECT

private slots:
    void typingOverwritesDigitsAndSkipsTheSlash();
    void firstDayDigitAboveThreeIsDroppedSilentlyAndNonDigitsBeep();
    void secondDayDigitFollowsAFirstDigitOfThree();
    void secondMonthDigitFollowsAFirstDigitOfOne();
    void firstMonthDigitIsZeroOrOne();
    void typingAtASlashTypesTheSlashFirst();
    void typingBeyondTheLastPositionBeeps();
    void backspacePutsBackTheShownCharacters();
    void backspaceWithASelectionBeepsAndDeletesNothing();
    void backspaceAtTheStartBeeps();
    void deleteAndInsertKeysChangeNothing();
    void arrowKeysMoveTheCaretFreely();
    void noDateShowsAnEmptyFieldThatStillFollowsThePattern();
    void eachMaskCharacterAcceptsItsClass_data();
    void eachMaskCharacterAcceptsItsClass();
    void timeFieldLimitsHoursAndMinutes();
    void withoutTheMaskTheFieldIsAPlainEdit();
    void formatDateByLength();
    void parseDateReadsDayMonthYearOnly_data();
    void parseDateReadsDayMonthYearOnly();
    void getDateReadsWhatTheFieldShows();

private:
    ScriptedMessages m_messages;
};

void MaskEditTests::typingOverwritesDigitsAndSkipsTheSlash()
{
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    edit.setCursorPosition(0);
    Type(&edit, "12");
    QCOMPARE(edit.text(), QStringLiteral("12/03/1970"));
    QCOMPARE(edit.cursorPosition(), 3);
    QCOMPARE(m_messages.m_nBeeps, 0);
}

void MaskEditTests::firstDayDigitAboveThreeIsDroppedSilentlyAndNonDigitsBeep()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(0);
    Type(&edit, "4");
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(edit.cursorPosition(), 0);
    QCOMPARE(m_messages.m_nBeeps, 0);
    Type(&edit, "x");
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(m_messages.m_nBeeps, 1);
    Type(&edit, " ");
    QCOMPARE(m_messages.m_nBeeps, 2);
}

void MaskEditTests::secondDayDigitFollowsAFirstDigitOfThree()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 30));
    edit.setCursorPosition(1);
    Type(&edit, "2");
    QCOMPARE(edit.text(), QStringLiteral("30/03/1970"));
    QCOMPARE(edit.cursorPosition(), 1);
    QCOMPARE(m_messages.m_nBeeps, 0);
    Type(&edit, "1");
    QCOMPARE(edit.text(), QStringLiteral("31/03/1970"));

    // Any second digit when the first is below 3.
    edit.SetDate(Date(1970, 3, 20));
    edit.setCursorPosition(1);
    Type(&edit, "9");
    QCOMPARE(edit.text(), QStringLiteral("29/03/1970"));
}

void MaskEditTests::secondMonthDigitFollowsAFirstDigitOfOne()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 10, 5));
    edit.setCursorPosition(4);
    Type(&edit, "5");
    QCOMPARE(edit.text(), QStringLiteral("05/10/1970"));
    QCOMPARE(m_messages.m_nBeeps, 0);
    Type(&edit, "2");
    QCOMPARE(edit.text(), QStringLiteral("05/12/1970"));
    QCOMPARE(edit.cursorPosition(), 6); // the second slash was typed too
}

void MaskEditTests::firstMonthDigitIsZeroOrOne()
{
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(3);
    Type(&edit, "2");
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    Type(&edit, "1");
    QCOMPARE(edit.text(), QStringLiteral("05/13/1970"));
    QCOMPARE(edit.cursorPosition(), 4);
}

void MaskEditTests::typingAtASlashTypesTheSlashFirst()
{
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(2);
    Type(&edit, "1");
    QCOMPARE(edit.text(), QStringLiteral("05/13/1970"));
    QCOMPARE(edit.cursorPosition(), 4);
}

void MaskEditTests::typingBeyondTheLastPositionBeeps()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(10);
    Type(&edit, "1");
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(m_messages.m_nBeeps, 1);
}

void MaskEditTests::backspacePutsBackTheShownCharacters()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(3);
    Type(&edit, "1");
    QCOMPARE(edit.text(), QStringLiteral("05/13/1970"));
    QCOMPARE(edit.cursorPosition(), 4);

    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(edit.cursorPosition(), 3);

    // Just after the slash: the slash is written again, the caret stops on it.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(edit.cursorPosition(), 2);
    QCOMPARE(edit.text().size(), 10);
    QCOMPARE(m_messages.m_nBeeps, 0);
}

void MaskEditTests::backspaceWithASelectionBeepsAndDeletesNothing()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setSelection(0, 5);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(m_messages.m_nBeeps, 1);
}

void MaskEditTests::backspaceAtTheStartBeeps()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(m_messages.m_nBeeps, 1);
}

void MaskEditTests::deleteAndInsertKeysChangeNothing()
{
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_Delete);
    QTest::keyClick(&edit, Qt::Key_Delete, Qt::ShiftModifier);
    QTest::keyClick(&edit, Qt::Key_Insert, Qt::ShiftModifier);
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
}

void MaskEditTests::arrowKeysMoveTheCaretFreely()
{
    CDateEdit edit;
    edit.SetDate(Date(1970, 3, 5));
    edit.setCursorPosition(0);
    QTest::keyClick(&edit, Qt::Key_End);
    QCOMPARE(edit.cursorPosition(), 10);
    QTest::keyClick(&edit, Qt::Key_Left);
    QTest::keyClick(&edit, Qt::Key_Left);
    QCOMPARE(edit.cursorPosition(), 8);
    QTest::keyClick(&edit, Qt::Key_Home);
    QCOMPARE(edit.cursorPosition(), 0);
}

void MaskEditTests::noDateShowsAnEmptyFieldThatStillFollowsThePattern()
{
    m_messages.Clear();
    CDateEdit edit;
    edit.SetDate(CDate{});
    QCOMPARE(edit.text(), QString());
    Type(&edit, "05031970");
    QCOMPARE(edit.text(), QStringLiteral("05/03/1970"));
    QCOMPARE(edit.GetDate(), Date(1970, 3, 5));

    // Nothing of the typing is recorded, so the second-digit rules stay off
    // until the field is set again.
    edit.SetDate(CDate{});
    Type(&edit, "35");
    QCOMPARE(edit.text(), QStringLiteral("35/"));
    // And backspace has nothing to put back.
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("35/"));
    QCOMPARE(m_messages.m_nBeeps, 1);
}

void MaskEditTests::eachMaskCharacterAcceptsItsClass_data()
{
    QTest::addColumn<QString>("mask");
    QTest::addColumn<QString>("accepted");
    QTest::addColumn<QString>("refused");
    QTest::newRow("& any printable") << "&" << "a Z9~!" << "";
    QTest::newRow("? letter or space") << "?" << "aZ " << "5-";
    QTest::newRow("A letter or digit") << "A" << "aZ5" << " -";
    QTest::newRow("L letter") << "L" << "aZ" << "5 ";
    QTest::newRow("a letter, digit or space") << "a" << "aZ5 " << "-_";
    QTest::newRow("9 printable but space") << "9" << "a5-~" << " ";
    QTest::newRow("# digit, space, k, m") << "#" << "5 km" << "aKM";
    QTest::newRow("other accepts nothing") << "x" << "" << "ax5 ";
}

void MaskEditTests::eachMaskCharacterAcceptsItsClass()
{
    QFETCH(QString, mask);
    QFETCH(QString, accepted);
    QFETCH(QString, refused);
    CMaskEdit edit;
    edit.m_bUseMask = true;
    edit.m_strMask = mask;
    for (const QChar ch : accepted) {
        m_messages.Clear();
        edit.SetDefaultText(QStringLiteral("_"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, ch.toLatin1());
        QCOMPARE(edit.text(), QString(ch));
        QCOMPARE(m_messages.m_nBeeps, 0);
    }
    for (const QChar ch : refused) {
        m_messages.Clear();
        edit.SetDefaultText(QStringLiteral("_"));
        edit.setCursorPosition(0);
        QTest::keyClick(&edit, ch.toLatin1());
        QCOMPARE(edit.text(), QStringLiteral("_"));
        QCOMPARE(m_messages.m_nBeeps, 1);
    }
}

void MaskEditTests::timeFieldLimitsHoursAndMinutes()
{
    m_messages.Clear();
    CTimeEdit edit;
    edit.SetDefaultText(QStringLiteral("12:30"));
    edit.setCursorPosition(0);
    Type(&edit, "5"); // hours at most 47
    QCOMPARE(edit.text(), QStringLiteral("12:30"));
    Type(&edit, "48"); // 4 then 8 > 7
    QCOMPARE(edit.text(), QStringLiteral("42:30"));
    QCOMPARE(edit.cursorPosition(), 1);
    Type(&edit, "7");
    QCOMPARE(edit.text(), QStringLiteral("47:30"));
    QCOMPARE(edit.cursorPosition(), 3);
    Type(&edit, "6"); // minutes at most 59
    QCOMPARE(edit.text(), QStringLiteral("47:30"));
    Type(&edit, "59");
    QCOMPARE(edit.text(), QStringLiteral("47:59"));
    QCOMPARE(m_messages.m_nBeeps, 0);
}

void MaskEditTests::withoutTheMaskTheFieldIsAPlainEdit()
{
    m_messages.Clear();
    CMaskEdit edit;
    edit.setText(QStringLiteral("ab"));
    edit.setCursorPosition(1);
    Type(&edit, "xyz");
    QCOMPARE(edit.text(), QStringLiteral("axyzb"));
    QTest::keyClick(&edit, Qt::Key_Delete);
    QCOMPARE(edit.text(), QStringLiteral("axyz"));
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QCOMPARE(edit.text(), QStringLiteral("axy"));
    QCOMPARE(m_messages.m_nBeeps, 0);
}

void MaskEditTests::formatDateByLength()
{
    const CDate date = Date(1970, 3, 5);
    QCOMPARE(FormatDate(date, 10), QStringLiteral("05/03/1970"));
    QCOMPARE(FormatDate(date, 0), QStringLiteral("05/03/1970"));
    QCOMPARE(FormatDate(date, 8), QStringLiteral("05/03/70"));
    QCOMPARE(FormatDate(date, 5), QStringLiteral("00:00"));
    QCOMPARE(FormatDate(Date(812, 11, 23), 10), QStringLiteral("23/11/0812"));
    QCOMPARE(FormatDate(CDate{}, 10), QString());
}

void MaskEditTests::parseDateReadsDayMonthYearOnly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::newRow("shown form") << "31/12/1999" << true << 1999 << 12 << 31;
    QTest::newRow("short day and month") << "1/2/1970" << true << 1970 << 2 << 1;
    QTest::newRow("blanks around") << " 05/03/1970 " << true << 1970 << 3 << 5;
    QTest::newRow("leap day of a leap year") << "29/02/1996" << true << 1996 << 2 << 29;
    QTest::newRow("lowest year") << "01/01/0100" << true << 100 << 1 << 1;
    QTest::newRow("highest year") << "31/12/9999" << true << 9999 << 12 << 31;
    QTest::newRow("empty") << "" << false << 0 << 0 << 0;
    QTest::newRow("no such day") << "31/02/1970" << false << 0 << 0 << 0;
    QTest::newRow("2000 has no leap day in the game") << "29/02/2000" << false << 0 << 0 << 0;
    QTest::newRow("month first is not read") << "12/31/1999" << false << 0 << 0 << 0;
    QTest::newRow("year below 100") << "01/01/0099" << false << 0 << 0 << 0;
    QTest::newRow("half typed") << "05/03/19" << false << 0 << 0 << 0;
    QTest::newRow("other separators") << "05-03-1970" << false << 0 << 0 << 0;
    QTest::newRow("with a time") << "05/03/1970 12:00" << false << 0 << 0 << 0;
    QTest::newRow("letters") << "ab/cd/efgh" << false << 0 << 0 << 0;
}

void MaskEditTests::parseDateReadsDayMonthYearOnly()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const CDate date = ParseDate(text);
    QCOMPARE(date.valid, valid);
    if (valid) {
        QFETCH(int, year);
        QFETCH(int, month);
        QFETCH(int, day);
        QCOMPARE(date, Date(year, month, day));
    }
}

void MaskEditTests::getDateReadsWhatTheFieldShows()
{
    CDateEdit edit;
    for (const CDate& date : {Date(1970, 1, 1), Date(1996, 2, 29), Date(1865, 7, 18), Date(2001, 12, 31)}) {
        edit.SetDate(date);
        QCOMPARE(edit.GetDate(), date);
    }
}

QTEST_MAIN(MaskEditTests)
#include "MaskEditTests.moc"
