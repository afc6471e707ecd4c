// import FILE CSV [-o OUT]: a batch of player edits from CSV, all or
// nothing; the format and its rules are the core's (PlayersCsv).
#include "ChangeReport.h"
#include "Commands.h"
#include "FileIO.h"
#include "GameSession.h"
#include "PlayersCsv.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <memory>
#include <sstream>

namespace {

struct ImportOptions
{
    std::string file;
    std::string csv;
    std::string output;
    bool quiet = false;
};

bool ReadText(const std::string& path, std::string& text)
{
    std::ifstream file(FileIO::PathFromUtf8(path), std::ios::binary);
    if (!file)
        return false;
    std::ostringstream buffer;
    buffer << file.rdbuf();
    text = buffer.str();
    return !file.bad();
}

void RunImport(const ImportOptions& options, CommandContext& ctx)
{
    CGame game;
    if (!GameSession::Load(game, options.file, ctx))
        return;
    const std::string nothing = "; nothing was written";
    std::string text;
    if (!ReadText(options.csv, text))
        return ctx.Fail("Cannot read \"" + options.csv + "\"" + nothing);
    const PlayersCsv::ImportPlan plan = PlayersCsv::Plan(game, text);
    if (!plan.ok())
        return ctx.Fail(options.csv + ": " + plan.errors.front().message + nothing);

    GameEdit change(game);
    if (GameStatus status = PlayersCsv::Apply(change, plan); !status)
        return ctx.Fail(options.csv + ": " + status.message() + nothing);
    const GameUndoRecord record = GameSession::CommitChanges(change, "Import " + options.csv);

    // --quiet: the lines of the changed fields go nowhere, the summary still shows.
    std::ostream nowhere(nullptr);
    CommandContext saving{options.quiet ? nowhere : ctx.out, ctx.err};
    saving.noBackup = ctx.noBackup;
    const bool saved = GameSession::SaveChanges(game, record, options.file, options.output, saving);
    ctx.exitCode = saving.exitCode;
    if (saved)
        ctx.out << ChangeReport::Summary(record) << "\n";
}

} // namespace

void AddImportCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<ImportOptions>();
    CLI::App* command = app.add_subcommand("import",
        "Edit players from CSV (a header naming id and player keys; one row per player), all or nothing");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP)")->required();
    command->add_option("CSV", options->csv, "CSV file, UTF-8")->required();
    AddSaveAsOption(*command, options->output, ctx);
    command->add_flag("-q,--quiet", options->quiet, "print only the summary line, not each changed field");
    command->footer("Ends with a summary: \"N players changed, M fields\" (M counts every changed field printed,\n"
                    "the squads of the teams that moved players joined or left included).");
    command->callback([options, &ctx] { RunImport(*options, ctx); });
}
