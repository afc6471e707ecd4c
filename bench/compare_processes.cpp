// compare_processes: the whole-process comparisons of scripts/bench.sh, in
// one run on the same files, printed with their targets.
//
//   compare_processes --cli ORBEK_CLI --rename RENAME_ALL_TEAMS
//                     --inputs DIR --work DIR [--runs N]
//
// For each comparison and each run, our process and the reference run back
// to back (in alternating order) on the same file; the figure is the median
// of the per-run ratios. Peak memory is the largest resident set of our
// process over all runs, against 2 x the file size + 30 MB.
// Exit status 0 when every target is met, 1 otherwise.
#include "ProcessRun.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

using Command = std::function<std::vector<std::string>(const fs::path& in, const fs::path& out)>;

struct Comparison
{
    std::string label;
    std::string input;
    double target = 0; // largest acceptable ratio
    Command ours;
    Command reference;
};

struct Outcome
{
    double oursSeconds = 0, referenceSeconds = 0, ratio = 0;
    long peakKiB = 0;
    bool failed = false;
};

Outcome Measure(const Comparison& comparison, const fs::path& in, const fs::path& out, int runs)
{
    std::vector<double> ours, reference, ratios;
    Outcome outcome;
    // One run of each first, unmeasured, so both start with the file cached.
    for (int run = -1; run < runs; ++run) {
        ProcessRun a, b;
        auto runOurs = [&] {
            fs::remove(out);
            a = RunProcess(comparison.ours(in, out));
        };
        auto runReference = [&] {
            fs::remove(out);
            b = RunProcess(comparison.reference(in, out));
        };
        if (run % 2) {
            runOurs();
            runReference();
        } else {
            runReference();
            runOurs();
        }
        outcome.failed |= !a.succeeded || !b.succeeded;
        if (run < 0)
            continue;
        ours.push_back(a.seconds);
        reference.push_back(b.seconds);
        ratios.push_back(a.seconds / b.seconds);
        outcome.peakKiB = std::max(outcome.peakKiB, a.peakKiB);
    }
    fs::remove(out);
    outcome.oursSeconds = Median(ours);
    outcome.referenceSeconds = Median(reference);
    outcome.ratio = Median(ratios);
    return outcome;
}

std::map<std::string, std::string> Options(int argc, char** argv)
{
    std::map<std::string, std::string> options{{"--runs", "7"}};
    for (int i = 1; i + 1 < argc; i += 2)
        options[argv[i]] = argv[i + 1];
    return options;
}

} // namespace

int main(int argc, char** argv)
{
    auto options = Options(argc, argv);
    for (const char* required : {"--cli", "--rename", "--inputs", "--work"}) {
        if (!options.count(required)) {
            std::fprintf(stderr, "usage: compare_processes --cli PATH --rename PATH --inputs DIR --work DIR [--runs N]\n");
            return 2;
        }
    }
    const std::string cli = options["--cli"];
    const std::string rename = options["--rename"];
    const fs::path inputs = options["--inputs"];
    const fs::path work = options["--work"];
    const int runs = std::stoi(options["--runs"]);
    fs::create_directories(work);

    const Command flushedCopy = [](const fs::path& in, const fs::path& out) {
        return std::vector<std::string>{"dd", "if=" + in.string(), "of=" + out.string(), "bs=1M", "conv=fsync", "status=none"};
    };
    const Command save = [&](const fs::path& in, const fs::path& out) {
        // dd keeps no copy of the file it overwrites; neither does this save.
        return std::vector<std::string>{cli, "save", in.string(), "-o", out.string(), "--no-backup"};
    };
    const Command info = [&](const fs::path& in, const fs::path&) { return std::vector<std::string>{cli, "info", in.string()}; };
    const Command cat = [](const fs::path& in, const fs::path&) { return std::vector<std::string>{"cat", in.string()}; };
    const Command renameAll = [&](const fs::path& in, const fs::path& out) {
        return std::vector<std::string>{rename, in.string(), "-o", out.string()};
    };

    const std::vector<Comparison> comparisons = {
        {"save   vs dd conv=fsync", "demo-3000.db", 1.25, save, flushedCopy},
        {"save   vs dd conv=fsync", "max-65535.db", 1.25, save, flushedCopy},
        {"info   vs cat", "demo-3000.db", 3.0, info, cat},
        {"info   vs cat", "max-65535.db", 3.0, info, cat},
        {"rename vs dd conv=fsync", "rest-10000-names.db", 1.5, renameAll, flushedCopy},
        {"rename vs dd conv=fsync", "max-65535.db", 1.5, renameAll, flushedCopy},
    };

    std::printf("%d runs each; times are medians, the ratio is the median of the per-run ratios\n\n", runs);
    std::printf("%-24s %-20s %8s %9s %9s %7s %7s %8s %8s  %s\n", "comparison", "file", "MB", "ours ms", "ref ms",
                "ratio", "target", "peak MB", "limit MB", "result");
    bool allMet = true;
    for (const auto& comparison : comparisons) {
        const fs::path in = inputs / comparison.input;
        const double megabytes = static_cast<double>(fs::file_size(in)) / 1e6;
        const Outcome outcome = Measure(comparison, in, work / "out.db", runs);
        const double peakMB = static_cast<double>(outcome.peakKiB) * 1024 / 1e6;
        const double limitMB = 2 * megabytes + 30;
        const bool met = !outcome.failed && outcome.ratio <= comparison.target && peakMB <= limitMB;
        allMet &= met;
        std::printf("%-24s %-20s %8.1f %9.1f %9.1f %7.2f %7.2f %8.1f %8.1f  %s\n", comparison.label.c_str(),
                    comparison.input.c_str(), megabytes, outcome.oursSeconds * 1000, outcome.referenceSeconds * 1000,
                    outcome.ratio, comparison.target, peakMB, limitMB,
                    outcome.failed ? "FAILED TO RUN" : met ? "ok" : "MISSED");
        std::fflush(stdout);
    }
    return allMet ? 0 : 1;
}
