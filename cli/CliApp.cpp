#include "CliApp.h"

#include "Commands.h"

#include <CLI/CLI.hpp>

#include <algorithm>

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    CommandContext ctx{out, err};
    CLI::App app{"orbek-cli: inspect and batch-edit the data files (DATABASE.DB, *.CAP) of the game ICC", "orbek-cli"};
    app.set_version_flag("--version", kVersionText);
    app.require_subcommand(1);
    app.fallthrough(false);

    AddInfoCommand(app, ctx);
    AddListCommands(app, ctx);
    AddEditCommands(app, ctx);
    AddExportCommand(app, ctx);
    AddImportCommand(app, ctx);
    AddSaveCommand(app, ctx);
    AddValidateCommand(app, ctx);
    AddDiffCommand(app, ctx);

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
