#include "extras/CreditsTable.h"

namespace {

QString Picture(const char* name) { return QString::fromLatin1(name) + QChar(8); }
QString Heading(const char* text) { return QString::fromUtf8(text) + QChar(9); }
QString Name(const char* text) { return QString::fromUtf8(text) + QChar(12); }

std::vector<QString> BuildCredits()
{
    const QString gap;
    return {
        Picture("SMALLSPLASH"),
        gap,
        gap,
        Heading("The editor"),
        Name("Game file reader and writer"),
        Name("Team tree and player search"),
        Name("Player attributes and photos"),
        Name("Team Properties & statistics"),
        gap,
        gap,
        Heading("Presentation"),
        Name("Splash screen & banners"),
        Name("About box and credits"),
        Name("Artwork drawn with QPainter"),
        gap,
        gap,
        Heading("Built with Qt 6"),
        Name("Qt Widgets"),
        Name("Qt Test"),
        Name("www.qt.io"),
        gap,
        gap,
        Heading("Built with CMake"),
        Name("CMake, CTest and CPack"),
        Name("Ninja"),
        Name("cmake.org"),
        gap,
        gap,
        Heading("Tested with"),
        Name("GoogleTest"),
        Name("Google Benchmark"),
        Name("libFuzzer"),
        gap,
        gap,
        Heading("On the command line"),
        Name("orbek-cli"),
        Name("CLI11"),
        Name("nlohmann-json"),
        Name("{fmt}"),
        gap,
        gap,
        Heading("Runs on"),
        Name("Debian GNU/Linux"),
        Name("GCC and Clang"),
        Name("X11 and Wayland desktops"),
        gap,
        gap,
        gap,
        gap,
        gap,
        gap,
    };
}

} // namespace

const std::vector<QString>& CreditsTable()
{
    static const std::vector<QString> table = BuildCredits();
    return table;
}
