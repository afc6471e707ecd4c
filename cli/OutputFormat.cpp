#include "OutputFormat.h"

#include <CLI/CLI.hpp>

void AddFormatOption(CLI::App& command, OutputFormat& format, bool allowCsv)
{
    std::vector<std::string> names{"text", "json"};
    if (allowCsv)
        names.emplace_back("csv");
    command
        .add_option_function<std::string>(
            "--format",
            [&format](const std::string& name) {
                format = name == "json" ? OutputFormat::Json : name == "csv" ? OutputFormat::Csv : OutputFormat::Text;
            },
            allowCsv ? "output format: text (a readable table, the default), json or csv"
                     : "output format: text (a readable table, the default) or json")
        ->check(CLI::IsMember(names, CLI::ignore_case))
        ->type_name(allowCsv ? "text|json|csv" : "text|json");
}
