#include <iostream>

#include "Cli.h"
#include "Json.h"
#include "core/Errors.h"
#include "files/TextSniffer.h"
#include "settings/FormatFields.h"

namespace corv::cli {

// Prints the guessed layout of a text data file as one JSON object: the settings the
// channel page needs (Header, Column count, Separator) and the column names.
int SniffCommand(CliContext& ctx) {
    if (ctx.args.size() != 1) {
        ctx.err << "corvandell-cli: usage: sniff FILE\n";
        return kExitUsage;
    }
    std::optional<std::vector<std::string>> lines;
    try {
        lines = ReadFirstLines(ctx.args[0], kSniffLines);
    } catch (const IoError& e) {
        ctx.err << "corvandell-cli: " << e.what() << "\n";
        return kExitFailed;
    }
    if (!lines) {
        ctx.err << "corvandell-cli: cannot open " << ctx.args[0] << "\n";
        return kExitFailed;
    }
    const TextLayout layout = SniffLines(*lines);
    std::string names = "[";
    for (size_t i = 0; i < layout.columnNames.size(); ++i)
        names += (i ? "," : "") + JsonString(layout.columnNames[i]);
    ctx.out << JsonObject()
                   .Add("command", "sniff")
                   .Add("file", ctx.args[0])
                   .Add("separator", SeparatorText(layout.separator))
                   .Add("decimalComma", layout.decimalComma)
                   .Add("headerLines", layout.headerLines)
                   .Add("columns", layout.columnCount)
                   .AddRaw("columnNames", names + "]")
                   .Str()
            << "\n";
    return kExitOk;
}

}  // namespace corv::cli
