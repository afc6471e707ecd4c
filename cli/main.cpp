#include "CliApp.h"

#include <iostream>

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>
#endif

namespace {

// The arguments in UTF-8, the encoding the core takes file names in. On
// Windows the narrow argv is in the system's code page and loses every
// character outside it, so they come from the wide command line instead.
std::vector<std::string> Arguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
    std::vector<std::string> args;
#ifdef _WIN32
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide && i < count; ++i) {
        const auto utf8 = std::filesystem::path(wide[i]).u8string();
        args.emplace_back(utf8.begin(), utf8.end());
    }
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
#endif
    return args;
}

// On Windows the output is the same bytes as elsewhere: no CR before each
// LF (CSV and JSON on standard output match the files written with -o), and
// a console shows the UTF-8 text as such.
void UseUtf8Output()
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
#endif
}

} // namespace

int main(int argc, char** argv)
{
    UseUtf8Output();
    return RunCli(Arguments(argc, argv), std::cout, std::cerr);
}
