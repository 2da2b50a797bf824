#include "files/ExportPlan.h"

#include <filesystem>
#include <system_error>

#include "AppState.h"
#include "core/ProcessingLog.h"
#include "core/UiPort.h"
#include "files/ChannelExport.h"
#include "files/FileNameExtension.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kExportFailed = " Error. Cannot export to file.";
constexpr const char* kAlreadyExists = " already exists. Overwrite ? ";

// "name.000", "name.001", "name.002": one file per channel.
std::string ChannelFileName(const std::string& name, int c) {
    return ReplaceExtension(name, ".00" + std::to_string(c));
}

bool FileExists(const std::string& name) {
    std::error_code ec;
    return fs::exists(fs::path(name), ec);
}

bool BlankName(const std::string& name) {
    return name.find_first_not_of(' ') == std::string::npos;
}

}  // namespace

ExportPlan PlanExport(const AppState& state, const ExportRequest& request) {
    ExportPlan plan;
    if (request.section == kExportEntireChannel) {
        plan.tEnd = state.store.TotalSpan;
    } else {
        plan.tStart = state.view.LeftCursor;
        plan.tEnd = state.view.RightCursor;
    }
    const int active = state.ActiveChannel;
    if (request.channel == kExportSeparateFiles) {
        for (int c = 0; c < kChannelCount; ++c)
            if (state.store.ChannelPresent[static_cast<size_t>(c)])
                plan.jobs.push_back({c, 0, ChannelFileName(request.fileName, c)});
    } else if (request.channel == kExportAllIntoOneFile && request.format == ExportFormat::Text) {
        plan.jobs.push_back({active, 1, request.fileName});
    } else {
        plan.jobs.push_back({active, 0, request.fileName});
    }
    return plan;
}

bool ConfirmOverwrite(UiPort& ui, const ExportPlan& plan) {
    for (const ExportJob& job : plan.jobs) {
        if (!FileExists(job.file)) continue;
        if (ui.Ask(job.file + kAlreadyExists, Buttons::OkCancel) != Answer::Ok) return false;
    }
    return true;
}

std::string DefaultExportName(const AppState& state) {
    const int c = state.ActiveChannel;
    const std::string& input = state.store.Rec(c).NameIn;
    if (!FileExists(input)) return state.settings.NameOutFile[static_cast<size_t>(c)];
    return ReplaceExtension(input, ".ex" + std::to_string(c + 1));
}

bool RunExport(AppState& state, UiPort& ui, const ExportRequest& request) {
    const int channel =
        request.format == ExportFormat::Binary && request.channel == kExportAllIntoOneFile
            ? kExportActiveChannel
            : request.channel;
    state.exportChoices = {request.section, channel, request.saveLog};
    if (BlankName(request.fileName)) {
        ui.Message(kExportFailed);
        return false;
    }
    const ExportPlan plan = PlanExport(state, request);
    if (!ConfirmOverwrite(ui, plan)) return false;
    std::string report;
    std::vector<fs::path> written;
    for (const ExportJob& job : plan.jobs) {
        const fs::path file(job.file);
        const ExportOutcome done =
            request.format == ExportFormat::Binary
                ? WriteBinaryExport(state, ui, file, job.channel, plan.tStart, plan.tEnd)
                : WriteTextExport(state, ui, file, job.channel, job.mode, plan.tStart, plan.tEnd);
        if (done.cancelled) return true;  // the partial file is gone; nothing to report
        if (!done.written) continue;      // its failure was shown
        report += "\r\n" + std::to_string(done.samples) + " samples to " + job.file;
        written.push_back(file);
    }
    // After all files, so every log names every file of this export.
    if (request.saveLog)
        for (const fs::path& file : written)
            if (!SaveProcessingLog(state, LogFileBeside(file)))
                ui.Message(" Cannot write the processing log " + LogFileBeside(file).string(),
                           BoxKind::Warning);
    // The user learns where the data went.
    if (!report.empty()) ui.Message("Exported" + report);
    return true;
}

int BinaryChannelButton(int rememberedChoice) {
    return rememberedChoice == kExportSeparateFiles ? 1 : 0;
}

int ChannelChoiceOfBinaryButton(int button) {
    return button == 1 ? kExportSeparateFiles : kExportActiveChannel;
}

}  // namespace corv
