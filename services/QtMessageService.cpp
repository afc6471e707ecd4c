#include "QtMessageService.h"

#include "AppTitle.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace {

QMessageBox::Icon ToQtIcon(IMessageService::Icon icon)
{
    switch (icon) {
    case IMessageService::Icon::Information: return QMessageBox::Information;
    case IMessageService::Icon::Question: return QMessageBox::Question;
    case IMessageService::Icon::Warning: return QMessageBox::Warning;
    case IMessageService::Icon::Error: return QMessageBox::Critical;
    case IMessageService::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(IMessageService::Buttons buttons)
{
    switch (buttons) {
    case IMessageService::Buttons::YesNo:
    case IMessageService::Buttons::YesNoEscapeCancels: return QMessageBox::Yes | QMessageBox::No;
    case IMessageService::Buttons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case IMessageService::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case IMessageService::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

// Game folders come from Windows, where *.CAP also matches "save1.cap".
QString BothCases(const QString& patterns)
{
    QStringList out;
    for (const QString& pattern : patterns.split(' ', Qt::SkipEmptyParts)) {
        out << pattern;
        for (const QString& variant : {pattern.toLower(), pattern.toUpper()})
            if (!out.contains(variant))
                out << variant;
    }
    return out.join(' ');
}

} // namespace

QString CQtMessageService::ToQtFilter(const QString& filter)
{
    QStringList entries;
    if (filter.contains('|')) {
        const QStringList parts = filter.split('|', Qt::SkipEmptyParts);
        for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
            QString label = parts[i];
            QString patterns = QString(parts[i + 1]).replace(';', ' ');
            // Windows's *.* is every file; here it would miss names without a dot.
            if (patterns.trimmed() == QLatin1String("*.*"))
                patterns = QStringLiteral("*");
            // The label shows the patterns already; Qt reads them from the brackets.
            label.replace(QRegularExpression(QStringLiteral("\\([^)]*\\)\\s*$")), QString());
            entries << QStringLiteral("%1 (%2)").arg(label.trimmed(), BothCases(patterns));
        }
    } else {
        for (const QString& entry : filter.split(QStringLiteral(";;"), Qt::SkipEmptyParts)) {
            const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("^(.*)\\(([^)]*)\\)\\s*$")).match(entry);
            entries << (match.hasMatch() ? QStringLiteral("%1(%2)").arg(match.captured(1), BothCases(match.captured(2))) : entry);
        }
    }
    return entries.join(QStringLiteral(";;"));
}

IMessageService::Answer CQtMessageService::ShowMessage(QWidget* parent, const QString& text, Buttons buttons, Icon icon)
{
    QMessageBox box(ToQtIcon(icon), QString::fromLatin1(kAppTitle), text, ToQtButtons(buttons), parent);
    if (buttons == Buttons::YesNoEscapeCancels) {
        // A Cancel nobody sees takes Escape and the title bar's close.
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        cancel->hide();
        box.setEscapeButton(cancel);
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: break;
    }
    // Closed by its title bar: the safe answer.
    return EscapeAnswer(buttons);
}

QString CQtMessageService::GetOpenFileName(QWidget* parent, const QString& caption, const QString& folder,
    const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, ToQtFilter(filter));
}

QString CQtMessageService::GetSaveFileName(QWidget* parent, const QString& caption, const QString& path,
    const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, caption, path, ToQtFilter(filter), nullptr,
        QFileDialog::DontConfirmOverwrite);
}

QString CQtMessageService::GetExistingDirectory(QWidget* parent, const QString& caption, const QString& folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void CQtMessageService::Beep()
{
    QApplication::beep();
}
