#pragma once

namespace CLI {
class App;
}

// The --format option of the commands that print records.
enum class OutputFormat { Text, Json, Csv };

// Adds "--format text|json|csv" (default text) bound to format, which must
// outlive the parse. Commands that have no CSV form pass allowCsv = false.
void AddFormatOption(CLI::App& command, OutputFormat& format, bool allowCsv = true);
