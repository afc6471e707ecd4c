// The form's own widgets: the date field's typing rules and text, and the
// player's photo: loading a bitmap, its path, the photo dialog's info lines.
#include "GuiTestSupport.h"

#include "player/CBmpDialog.h"
#include "player/CDateEdit.h"
#include "player/LoadBitmapFile.h"
#include "player/PhotoPath.h"
#include "player/PlayerPhoto.h"

#include <QDir>
#include <QLabel>
#include <QtTest>

using guitest::FileBytes;
using guitest::WriteBitmap;

namespace {

constexpr CDate k5March1970{1970, 3, 5, true};

// Keys as characters; control characters stand for Backspace, Delete, Shift+Delete, Shift+Insert, Left, End.
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
        default: QTest::keyClick(edit, *key);
        }
    }
}

struct KeyCase
{
    const char* name;
    CDate date; // shown in the field
    int cursor, selectionLength;
    const char* keys;
    const char* text;
    int cursorAfter, beeps; // -1: not checked
};
const KeyCase kKeyCases[] = {
    {"digits overwrite and the slash is skipped", k5March1970, 0, 0, "12", "12/03/1970", 3, 0},
    {"a first day digit above 3 is dropped silently", k5March1970, 0, 0, "4", "05/03/1970", 0, 0},
    {"what is no digit beeps", k5March1970, 0, 0, "x ", "05/03/1970", 0, 2},
    {"after a 3 the day's second digit is 0 or 1", {1970, 3, 30, true}, 1, 0, "21", "31/03/1970", 3, 0},
    {"after a 1 the month's second digit is 0..2", {1970, 10, 5, true}, 4, 0, "52", "05/12/1970", 6, 0},
    {"the month's first digit is 0 or 1", k5March1970, 3, 0, "21", "05/13/1970", 4, 0},
    {"typing at a slash types the slash first", k5March1970, 2, 0, "1", "05/13/1970", 4, 0},
    {"typing beyond the end beeps", k5March1970, 10, 0, "1", "05/03/1970", 10, 1},
    {"backspace puts back the shown digit, then the slash", k5March1970, 3, 0, "1\b\b", "05/03/1970", 2, 0},
    {"backspace with a selection beeps", k5March1970, 0, 5, "\b", "05/03/1970", -1, 1},
    {"backspace at the start beeps", k5March1970, 0, 0, "\b", "05/03/1970", 0, 1},
    {"Delete and Insert change nothing", k5March1970, 0, 0, "\x7f\x01\x02", "05/03/1970", -1, -1},
    {"End and Left move the caret", k5March1970, 0, 0, "\x04\x03\x03", "05/03/1970", 8, 0},
    {"no date: an empty field typed by the pattern", CDate{}, 0, 0, "05031970", "05/03/1970", 10, 0},
    // Typing into an empty field records nothing: no second-digit rule,
    // and backspace has nothing to put back.
    {"no date: nothing to check against or put back", CDate{}, 0, 0, "35\b", "35/", -1, 1},
};

QString WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// The four info lines under the preview.
QStringList InfoLines(const QDialog& dialog)
{
    QStringList lines;
    for (const char* name : {"labelWidth", "labelHeight", "labelColors", "labelSize"}) {
        const auto* label = dialog.findChild<QLabel*>(QString::fromLatin1(name));
        lines << (label ? label->text() : QStringLiteral("<missing %1>").arg(QString::fromLatin1(name)));
    }
    return lines;
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

} // namespace

class FormWidgetsTests : public QObject
{
    Q_OBJECT

private slots:
    void init() { CBmpDialog::SetShowPreviewSetting(true); }

    void keysFollowTheDateRules_data()
    {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < std::size(kKeyCases); ++i)
            QTest::newRow(kKeyCases[i].name) << int(i);
    }

    void keysFollowTheDateRules()
    {
        QFETCH(int, index);
        const KeyCase& c = kKeyCases[std::size_t(index)];
        m_messages.Clear();
        CDateEdit edit;
        edit.SetDate(c.date);
        if (c.selectionLength)
            edit.setSelection(c.cursor, c.selectionLength);
        else
            edit.setCursorPosition(c.cursor);
        Press(&edit, c.keys);
        QCOMPARE(edit.text(), QString::fromLatin1(c.text));
        if (c.cursorAfter >= 0)
            QCOMPARE(edit.cursorPosition(), c.cursorAfter);
        if (c.beeps >= 0)
            QCOMPARE(m_messages.beeps, c.beeps);
    }

    void parseDateReadsDayMonthYearOnly()
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

    void loadsAWindowsBitmapRefusesWhatIsNotOneAndKeepsAPhotoChosenAsItsOwnNewPhoto()
    {
        QTemporaryDir dir;
        const QString good = WriteBitmap(dir.filePath("good.bmp"));
        QImage image;
        QVERIFY(LoadBitmapFile(good, image));
        QCOMPARE(image.size(), QSize(60, 70));
        QCOMPARE(QColor(image.pixel(5, 5)), QColor(200, 40, 40));

        QByteArray noMagic = FileBytes(good);
        noMagic[0] = 'X';
        const QString png = dir.filePath("picture.png");
        QVERIFY(QImage(8, 8, QImage::Format_RGB32).save(png, "PNG"));
        for (const QString& path : {dir.filePath("missing.bmp"), png,
                 WriteBytes(dir.filePath("nomagic.bmp"), noMagic),
                 WriteBytes(dir.filePath("truncated.bmp"), FileBytes(good).left(30)),
                 WriteBytes(dir.filePath("empty.bmp"), QByteArray())}) {
            QImage refused(4, 4, QImage::Format_RGB32);
            QVERIFY2(!LoadBitmapFile(path, refused), qPrintable(path));
            QVERIFY2(refused.isNull(), qPrintable(path));
        }
        // Chosen as the new photo of its own player, the photo file stays as it is.
        const QByteArray bytes = FileBytes(good);
        m_messages.answers.push_back(IMessageService::Answer::Yes); // "replace it?": the file is there already
        QImage photo;
        QVERIFY(PlayerPhoto::Install(nullptr, good, good, QStringLiteral("Smith JA"), photo));
        QCOMPARE(FileBytes(good), bytes);
        QCOMPARE(photo.size(), QSize(60, 70));
    }

    void photoPathJoinsGameFolderPhotoFolderAndDisplayNameMatchingExistingNamesInAnyCase()
    {
        QTemporaryDir dir;
        const QString folder = dir.path();
        QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
        QCOMPARE(PlayerPhotoPath(folder, "").path, Native(folder + QStringLiteral("/GFX/PHOTOS/.BMP"))); // no family name
        QVERIFY(PlayerPhotoPath(folder, "M\xFCller J\xC9").path.endsWith(QStringLiteral("M\u00FCller J\u00C9.BMP")));
        QVERIFY(!PlayerPhotoPath(QString(), "Smith JA").ok() && PlayerPhotoPath(QString(), "Smith JA").path.isEmpty());
        // Names that could reach outside the photo folder, or that no file can have.
        for (const char* name : {"../../evil JA", "Smith/Jones JA", "..\\Smith JA", "C:Smith JA", "Smith? JA", "Smith\tJA",
                 "CON ", "nul.txt J"}) {
            const PhotoPath photo = PlayerPhotoPath(folder, name);
            QVERIFY2(!photo.ok() && photo.path.isEmpty() && photo.error.contains(QStringLiteral("cannot hold")), name);
        }
        // Existing names match without regard to case, but the exact spelling is preferred.
        QVERIFY(QDir(folder).mkpath(QStringLiteral("gfx/Photos")));
        QVERIFY(!WriteBytes(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp"), "x").isEmpty());
        QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/gfx/Photos/SMITH ja.bmp")));
        QCOMPARE(PlayerPhotoPath(folder, "Jones B").path, Native(folder + QStringLiteral("/gfx/Photos/Jones B.BMP")));
        if (QFileInfo::exists(folder + QStringLiteral("/GFX")))
            QSKIP("the file system ignores case");
        QVERIFY(QDir(folder).mkpath(QStringLiteral("GFX/PHOTOS")));
        QCOMPARE(PlayerPhotoPath(folder, "Smith JA").path, Native(folder + QStringLiteral("/GFX/PHOTOS/Smith JA.BMP")));
    }

    void infoLinesDescribeTheSelectedBitmapOrNothing()
    {
        QTemporaryDir dir;
        CBmpDialog dialog(true, QString(), QString(), nullptr);
        dialog.OnSelectionChanged(WriteBitmap(dir.filePath("wide.bmp"), 200, 100));
        QCOMPARE(dialog.PreviewBitmap().size(), QSize(200, 100));
        // 54 header bytes and 100 rows of 600 bytes.
        QCOMPARE(InfoLines(dialog), (QStringList{QStringLiteral("Width: 200 pixels"), QStringLiteral("Height: 100 pixels"),
                                        QStringLiteral("Colors: 16 millions"), QStringLiteral("Size: 58 Kb")}));
        // A file of 1,500 bytes (a small bitmap padded at its end).
        const QString padded = WriteBitmap(dir.filePath("padded.bmp"), 10, 10);
        QVERIFY(WriteBytes(padded, FileBytes(padded).leftJustified(1500, '\0')) == padded);
        dialog.OnSelectionChanged(padded);
        QCOMPARE(InfoLines(dialog).at(3), QStringLiteral("Size: 1 Kb"));
        dialog.OnSelectionChanged(WriteBytes(dir.filePath("text.bmp"), "no picture here"));
        QVERIFY(dialog.PreviewBitmap().isNull());
        QCOMPARE(InfoLines(dialog), QStringList(4, QString()));
    }

private:
    ScriptedMessageService m_messages;
};

QTEST_MAIN(FormWidgetsTests)
#include "FormWidgetsTests.moc"
