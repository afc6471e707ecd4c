#include "extras/UrlOpener.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;

UrlOpenerFunction& InstalledOpener()
{
    static UrlOpenerFunction opener;
    return opener;
}

} // namespace

int OpenUrlWithDesktop(const QString& address, int /*showCommand*/)
{
    const QString trimmed = address.trimmed();
    if (trimmed.isEmpty())
        return kFileNotFound;
    const QUrl url = QUrl::fromUserInput(trimmed);
    if (!url.isValid())
        return kFileNotFound;
    // The desktop handler already falls back through every program that
    // registered for the scheme, so there is no second route to try.
    return QDesktopServices::openUrl(url) ? kUrlOpened : kNoAssociation;
}

int OpenUrlThroughOpener(const QString& address, int showCommand)
{
    const UrlOpenerFunction& opener = InstalledOpener();
    return opener ? opener(address, showCommand) : OpenUrlWithDesktop(address, showCommand);
}

void SetUrlOpener(UrlOpenerFunction opener)
{
    InstalledOpener() = std::move(opener);
}
