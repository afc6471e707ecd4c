#include "CliApp.h"

#include "Commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <string_view>

namespace {

// The commands, by the family that defines them.
struct CommandFamily
{
    std::vector<std::string_view> names;
    void (*add)(CLI::App&, CommandContext&);
};

const std::vector<CommandFamily>& Families()
{
    static const std::vector<CommandFamily> families = {
        {{"info"}, AddInfoCommand},
        {{"players", "player", "teams", "team"}, AddListCommands},
        {{"set", "move", "team-set"}, AddEditCommands},
        {{"export"}, AddExportCommand},
        {{"import"}, AddImportCommand},
        {{"save"}, AddSaveCommand},
        {{"validate"}, AddValidateCommand},
        {{"diff"}, AddDiffCommand},
        {{"backups"}, AddBackupsCommand},
    };
    return families;
}

// Setting up every command's options is a good part of the start-up of a
// quick command, so a command line that begins with a command's name gets
// only that command's family; anything else (help, --version, a mistake)
// gets them all, so help and error messages list every command.
void AddCommands(CLI::App& app, CommandContext& ctx, const std::vector<std::string>& args)
{
    if (!args.empty()) {
        for (const auto& family : Families()) {
            if (std::find(family.names.begin(), family.names.end(), args.front()) != family.names.end()) {
                family.add(app, ctx);
                return;
            }
        }
    }
    for (const auto& family : Families())
        family.add(app, ctx);
}

} // namespace

std::vector<std::string> CommandNames()
{
    std::vector<std::string> names;
    for (const auto& family : Families())
        names.insert(names.end(), family.names.begin(), family.names.end());
    return names;
}

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CommandContext ctx{out, err};
    CLI::App app{"orbek-cli: inspect and batch-edit the data files (DATABASE.DB, *.CAP) of the game ICC", "orbek-cli"};
    app.set_version_flag("--version", "orbek-cli " ORBEK_VERSION);
    app.require_subcommand(1);
    app.fallthrough(false);
    AddCommands(app, ctx, args);

    // CLI11 wants the arguments last-first.
    std::vector<std::string> reversed(args.rbegin(), args.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp& e) {
        app.exit(e, out, err);
        return ExitCode::kSuccess;
    } catch (const CLI::CallForAllHelp& e) {
        app.exit(e, out, err);
        return ExitCode::kSuccess;
    } catch (const CLI::CallForVersion& e) {
        app.exit(e, out, err);
        return ExitCode::kSuccess;
    } catch (const CLI::ParseError& e) {
        err << "orbek-cli: " << e.what() << "\n";
        err << "Run with --help for more information.\n";
        return ExitCode::kUsage;
    }
    return ctx.exitCode;
}
