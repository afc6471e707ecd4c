// make_bench_inputs <folder>: writes the benchmark's game files (see
// BenchInputs.h) into folder; files already there are kept.
#include "BenchInputs.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bench_inputs <folder>\n");
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (const auto& input : benchinputs::All()) {
            const auto path = benchinputs::Write(input, argv[1]);
            std::printf("%s: %ju bytes\n", path.string().c_str(), static_cast<std::uintmax_t>(std::filesystem::file_size(path)));
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_bench_inputs: %s\n", e.what());
        return 1;
    }
    return 0;
}
