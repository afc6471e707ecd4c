#include "HtmlHelp.h"

#include "CHelpViewer.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>
#include <QPointer>
#include <QUrl>

namespace {

const QString kHelpFile = QStringLiteral("Orbek.chm");
const QString kTopicSeparator = QStringLiteral("::");
const QString kContentsPage = QStringLiteral("/Html/Contents.htm");
const QString kResourceRoot = QStringLiteral(":/help");

// "Orbek.chm::/Html/EditPlayer.htm" -> "/Html/EditPlayer.htm"; empty when the
// file is not ours.
QString PageOf(const QString& request)
{
    const qsizetype separator = request.indexOf(kTopicSeparator);
    const QString file = separator < 0 ? request : request.left(separator);
    if (file.compare(kHelpFile, Qt::CaseInsensitive) != 0)
        return {};
    QString page = separator < 0 ? kContentsPage : request.mid(separator + kTopicSeparator.size());
    if (!page.startsWith('/'))
        page.prepend('/');
    return page;
}

} // namespace

QWidget* OpenHtmlHelp(QWidget* owner, const char* file, unsigned command, quintptr data)
{
    Q_UNUSED(owner);
    Q_UNUSED(data);
    static QPointer<CHelpViewer> viewer;
    if (command != kHelpDisplayTopic || !file)
        return nullptr;
    const QString page = PageOf(QString::fromLatin1(file));
    if (page.isEmpty() || !QFile::exists(kResourceRoot + page))
        return nullptr;
    if (!viewer)
        viewer = new CHelpViewer(QUrl(QStringLiteral("qrc:/help") + kContentsPage));
    viewer->ShowPage(QUrl(QStringLiteral("qrc:/help") + page));
    return viewer;
}

QAbstractButton* AttachHelp(QWidget* window, const char* topic, QDialogButtonBox* buttons)
{
    const auto open = [window, topic] { OpenHtmlHelp(window, topic, kHelpDisplayTopic, 0); };
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), window);
    f1->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(f1, &QShortcut::activated, window, open);
    if (!buttons)
        return nullptr;
    QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
    help->setText(QObject::tr("&Help"));
    help->setAutoDefault(false);
    help->setIcon(QIcon()); // some styles draw one that reads as "close"
    // A help button must not close the dialog (the box's helpRequested does
    // not either).
    QObject::connect(help, &QPushButton::clicked, window, open);
    return help;
}
