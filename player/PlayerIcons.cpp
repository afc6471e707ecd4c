#include "PlayerIcons.h"

#include <array>

// Outside any namespace, as Qt's resource registration requires; the
// editor is a static library, so its resources are registered by name.
static void InitPlayerResources()
{
    Q_INIT_RESOURCE(player);
}

namespace {

std::array<QIcon, kPlayerIconCount> LoadIcons()
{
    InitPlayerResources();
    std::array<QIcon, kPlayerIconCount> icons;
    for (int i = 0; i < kPlayerIconCount; ++i)
        icons[static_cast<std::size_t>(i)] = QIcon(QStringLiteral(":/player/player16_%1.png").arg(i));
    return icons;
}

} // namespace

QIcon PlayerIcon16(int imageIndex)
{
    static const std::array<QIcon, kPlayerIconCount> icons = LoadIcons();
    if (imageIndex < 0 || imageIndex >= kPlayerIconCount)
        return {};
    return icons[static_cast<std::size_t>(imageIndex)];
}
