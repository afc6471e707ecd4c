// backups FILE: the copies the saves of FILE left in the backups folder,
// newest first.
#include "Backups.h"
#include "Commands.h"
#include "JsonOutput.h"
#include "OutputFormat.h"
#include "TextTable.h"

#include <CLI/CLI.hpp>

#include <memory>

namespace {

struct BackupsOptions
{
    std::string file;
    OutputFormat format = OutputFormat::Text;
};

void RunBackups(const BackupsOptions& options, CommandContext& ctx)
{
    const Backups::Settings settings;
    const auto entries = Backups::List(options.file, settings);
    if (options.format == OutputFormat::Json) {
        nlohmann::ordered_json list = nlohmann::ordered_json::array();
        for (const auto& entry : entries)
            list.push_back({{"path", entry.path}, {"time", entry.time}, {"size", entry.size}});
        ctx.out << JsonOutput::Dump(list) << "\n";
        return;
    }
    if (entries.empty()) {
        const std::string folder = Backups::FolderFor(options.file, settings);
        ctx.out << "no backups of " << options.file << " in " << (folder.empty() ? "(no backups folder)" : folder) << "\n";
        return;
    }
    TextTable table({"time", "size", "path"});
    for (const auto& entry : entries) {
        std::string time = entry.time;
        time[10] = ' ';
        table.AddRow({time, std::to_string(entry.size), entry.path});
    }
    table.Print(ctx.out);
}

} // namespace

void AddBackupsCommand(CLI::App& app, CommandContext& ctx)
{
    auto options = std::make_shared<BackupsOptions>();
    CLI::App* command = app.add_subcommand("backups", "List the backups of a game file, newest first");
    command->add_option("FILE", options->file, "game file (DATABASE.DB or *.CAP); it need not exist any more")->required();
    AddFormatOption(*command, options->format, false);
    command->footer("A save that replaces a file copies it first into the backups folder (the first save since the\n"
                    "file was loaded, or a save over another file; --no-backup skips it). The newest "
        + std::to_string(Backups::kDefaultKeep) + " backups of a file are kept.\n"
                    "Folder: $XDG_DATA_HOME/Orbek/backups (~/.local/share/Orbek/backups), on Windows "
                    "%LOCALAPPDATA%\\Orbek\\backups.\n"
                    "JSON: an array of {\"path\", \"time\" (ISO 8601, local time), \"size\" (bytes)}.");
    command->callback([options, &ctx] { RunBackups(*options, ctx); });
}
