// validate FILE: the file's structure, the invariants of the model and the
// career figures, by GameCheck. Problems fail the command; warnings do so
// only with --strict.
#include "Commands.h"
#include "GameCheck.h"
#include "JsonOutput.h"
#include "OutputFormat.h"

#include <CLI/CLI.hpp>

#include <filesystem>
#include <memory>

namespace {

struct ValidateOptions
{
    std::string file;
    OutputFormat format = OutputFormat::Text;
    bool strict = false;
};

void RunValidate(const ValidateOptions& options, CommandContext& ctx)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.file, error))
        return ctx.Fail("Cannot open \"" + options.file + "\": it is not a readable file.");
    std::vector<std::string> problems, warnings;
    for (const auto& finding : GameCheck::CheckFile(options.file))
        (finding.severity == GameCheck::Severity::Warning ? warnings : problems).push_back(GameCheck::Line(finding));

    if (options.format == OutputFormat::Json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::object();
        json["file"] = options.file;
        json["problems"] = problems;
        json["warnings"] = warnings;
        ctx.out << JsonOutput::Dump(json) << "\n";
    } else {
        for (const auto& problem : problems)
            ctx.out << problem << "\n";
        for (const auto& warning : warnings)
            ctx.out << "warning: " << warning << "\n";
        if (problems.empty()) {
            ctx.out << options.file << ": no problems found";
            if (!warnings.empty())
                ctx.out << ", " << warnings.size() << (warnings.size() == 1 ? " warning" : " warnings");
            ctx.out << "\n";
        }
    }
    if (!problems.empty() || (options.strict && !warnings.empty()))
        ctx.exitCode = ExitCode::kFailed;
}

} // namespace

void AddValidateCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<ValidateOptions>();
    CLI::App* command = app.add_subcommand("validate",
        "Check a game file's structure, invariants and career figures; exit 1 when a problem is found");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    AddFormatOption(*command, options->format, false);
    command->add_flag("--strict", options->strict, "exit 1 for warnings too");
    command->footer("Problems break what the editor and the game rely on. Warnings point out career figures that\n"
                    "contradict each other (more not outs than innings, ...) and contracts the player form does not\n"
                    "offer; the file loads and saves with them as it is. Text output starts each warning with\n"
                    "\"warning: \"; JSON lists them in \"warnings\", apart from \"problems\".");
    command->callback([options, &ctx] { RunValidate(*options, ctx); });
}
