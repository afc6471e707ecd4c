// validate FILE: the file's structure and the invariants of the model.
#include "Commands.h"
#include "GameValidator.h"
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
};

void RunValidate(const ValidateOptions& options, CommandContext& ctx)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(options.file, error))
        return ctx.Fail("Cannot open \"" + options.file + "\": it is not a readable file.");
    const auto problems = GameValidator::Check(options.file);
    if (options.format == OutputFormat::Json) {
        nlohmann::ordered_json json = nlohmann::ordered_json::object();
        json["file"] = options.file;
        json["problems"] = problems;
        ctx.out << JsonOutput::Dump(json) << "\n";
    } else {
        for (const auto& problem : problems)
            ctx.out << problem << "\n";
        if (problems.empty())
            ctx.out << options.file << ": no problems found\n";
    }
    if (!problems.empty())
        ctx.exitCode = ExitCode::kFailed;
}

} // namespace

void AddValidateCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<ValidateOptions>();
    CLI::App* command = app.add_subcommand("validate", "Check a game file's structure and invariants; exit 1 when a problem is found");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    AddFormatOption(*command, options->format, false);
    command->callback([options, &ctx] { RunValidate(*options, ctx); });
}
