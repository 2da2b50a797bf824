#pragma once
// What the OK button of an export dialog does: the stretch from the section choice, one
// file per channel where each channel gets its own file, the overwrite question for files
// that exist, and the text or binary export routine for each file.

#include <string>
#include <vector>

namespace corv {

struct AppState;
class UiPort;

enum class ExportFormat { Text, Binary };

// The section and channel choices, numbered as the text dialog shows them.
enum ExportSectionChoice : int { kExportSelectedSection = 0, kExportEntireChannel = 1 };
enum ExportChannelChoice : int {
    kExportActiveChannel = 0,
    kExportAllIntoOneFile = 1,  // text only
    kExportSeparateFiles = 2,
};

struct ExportRequest {
    ExportFormat format = ExportFormat::Text;
    int section = kExportSelectedSection;
    int channel = kExportActiveChannel;
    std::string fileName;
    bool saveLog = false;  // "Save processing log": "<name>.log.txt" beside each file
};

// One call of an export routine. Mode 1 (text only) puts all present channels into the file.
struct ExportJob {
    int channel = 0;
    int mode = 0;
    std::string file;
};

struct ExportPlan {
    double tStart = 0;  // ms after OriginTime
    double tEnd = 0;
    std::vector<ExportJob> jobs;
};

// The stretch and the files of a request: the F4..F5 section or 0..TotalSpan; the active
// channel into the named file, or every present channel c into the name with the
// extension ".00" followed by c.
[[nodiscard]] ExportPlan PlanExport(const AppState& state, const ExportRequest& request);

// Asks " already exists. Overwrite ? " for every planned file that exists; false as soon
// as one is not answered OK, so that nothing is written.
[[nodiscard]] bool ConfirmOverwrite(UiPort& ui, const ExportPlan& plan);

// The name an export dialog offers: the active channel's input file with the extension
// ".ex" followed by its channel number (1..3); the derived output name when the channel has
// no input file (a channel created empty).
[[nodiscard]] std::string DefaultExportName(const AppState& state);

// The dialog's OK: remembers the choices, plans, asks, and exports every file, then says
// where it wrote and how many samples ("Exported" and a line per file). With saveLog, each
// written file gets the processing log (its own export lines included) beside it. A cancel in the
// progress report ends the export without a word. Returns false when the dialog should
// stay open (no file name, or an overwrite refused).
bool RunExport(AppState& state, UiPort& ui, const ExportRequest& request);

// The binary dialog offers only "active channel" (0) and "separate files" (1); these map
// its buttons to the remembered choice and back.
[[nodiscard]] int BinaryChannelButton(int rememberedChoice);
[[nodiscard]] int ChannelChoiceOfBinaryButton(int button);

}  // namespace corv
