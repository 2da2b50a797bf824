#include "settings/Defaults.h"

#include <cstdlib>

#include "core/AnalysisKind.h"
#include "settings/RecentFiles.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

// 1 January 1982 00:00:00.
constexpr double kDefaultStartTime = 31622400000.0;
constexpr int kCaptionWidth = 18;

const std::array<ColourEntry, kColourCount> kDefaultColours = {{
    {7, "Background"},
    {0, "Foreground"},
    {16711680, "F4/F5 cursor"},
    {16711935, "Window border F1/F2"},
    {10, "Jump-distance line"},
    {4, "Dashed horiz. lines"},
    {16776960, "Cross cursor"},
    {0, "Active curve"},
    {8421504, "Inactive curves"},
    {8, "Background text bar"},
    {15, "Foreground text bar"},
    {255, "Marked curve section"},
    {255, "Dawn marker"},
    {16711680, "Dusk Marker"},
    {0, "PCX-colors"},
    {15, "Linear Regr."},
    {15, "Tags"},
}};

std::string PadTo(std::string s, size_t width) {
    if (s.size() < width) s.append(width - s.size(), ' ');
    return s;
}

// The flip analysis shows both extra cursor pairs in every strip.
uint8_t DefaultCursorMask(int kind) {
    return kind == 15 ? 3 : 1;
}

ChannelRecord DefaultChannel() {
    ChannelRecord r;
    r.NameIn = "c:\\";
    r.SampRate = 1000;
    r.StartTime = kDefaultStartTime;
    r.Max = 65535;
    r.UsrCoeffA = 1;
    r.CoeffA = 1;
    r.HighRng = 65535;
    r.WndSze = 1;
    r.CursorMask = 1;
    r.KindEqu = 'M';
    r.AutoScale = 'Y';
    r.ReadHeader = 'Y';
    r.InDelimiter = '\t';
    r.a1 = 1;
    return r;
}

void SetChannelDefaults(AppState& state) {
    for (size_t c = 0; c < kChannelCount; ++c) {
        state.store.Channel[c] = DefaultChannel();
        state.store.ChannelPresent[c] = true;
        state.store.ChannelComment[c] = " ";
        state.settings.NameOutFile[c] = "c:\\";
        state.ChannelModified[c] = false;
    }
}

void SetGlobalDefaults(Settings& s) {
    s.ColourTable = kDefaultColours;
    s.StartCoordLon = 40;
    s.StartCoordLat = 40;
    s.EndCoordLon = 0;
    s.EndCoordLat = 0;
    s.GraphFont = 0;
    s.GraphFontSize = 0;
    s.FrequSensibility = 1.2;
    s.Beak = BeakParams{};
    s.CommSampInterval = 1;
    s.StatisticsFileName = "events.txt";
    s.BreathFileName.clear();
    s.FeedFileName.clear();
    s.OutDlmt = '\t';
    s.DateSep = '.';
    s.AltNullmbar = 1013.2;
    for (auto& channelLines : s.SubsidLines) channelLines.fill(SubsidLine{});
}

void SetRunDefaults(AppState& state) {
    state.startRef = StartRef{};
    state.histograms.fill(HistogramRecord{});
    for (auto& counts : state.histogramCounts) counts.fill(0);
    state.sectionBuffers.fill(SectionBuffer{});
    state.selectedSectionBuffer = -1;
    state.logarithmicDisplay = false;
}

void SetFolders(Folders& folders, const fs::path& executable) {
    const fs::path program = ProgramFolderOf(executable);
    folders.ProgramFolder = program.string();
    folders.HelpFolder = (program / "help" / "").string();
    folders.AutoSetupFolder = folders.ProgramFolder;
    // An installed program (bin/ beside share/corvandell/) finds its help under share/ and
    // keeps the automatic setup file in the user's own folder: bin/ is not the user's.
    std::error_code ec;
    const fs::path shared = program / ".." / "share" / "corvandell" / "help";
    if (!fs::is_directory(program / "help", ec) && fs::is_directory(shared, ec)) {
        folders.HelpFolder = (fs::weakly_canonical(shared, ec) / "").string();
        folders.AutoSetupFolder = UserSettingsFolder().string();
    }
    folders.SetupPath = "C:\\";
}

void ApplyKindDefaults(AppState& state, int kind) {
    const auto captions = DefaultCaptions(kind);
    for (size_t c = 0; c < kChannelCount; ++c) {
        state.store.Channel[c].Caption = captions[c];
        state.store.Channel[c].CursorMask = DefaultCursorMask(kind);
    }
}

}  // namespace

void SetDefaults(AppState& state, const fs::path& executable) {
    SetChannelDefaults(state);
    SetGlobalDefaults(state.settings);
    SetRunDefaults(state);
    SetFolders(state.folders, executable);
    ApplyKindDefaults(state, kAnalysisKind);
}

fs::path ProgramFolderOf(const fs::path& executable) {
    return executable.parent_path();
}

fs::path AutoSetupPath(const AppState& state) {
    return fs::path(state.folders.AutoSetupFolder) / kAutoSetupName;
}

fs::path RecentFilesPath(const AppState& state) {
    return fs::path(state.folders.AutoSetupFolder) / kRecentFilesName;
}

fs::path UserSettingsFolder() {
#ifdef _WIN32
    const char* base = std::getenv("APPDATA");
    if (base && *base) return fs::path(base) / "Corvandell";
#else
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && *config == '/') return fs::path(config) / "corvandell";
    const char* home = std::getenv("HOME");
    if (home && *home) return fs::path(home) / ".config" / "corvandell";
#endif
    return fs::temp_directory_path() / "corvandell";
}

std::string MainDialogCaption(int kind) {
    switch (kind) {
        case 1:
            return "Corvandell Light Analysis, Main Dialog";
        case 2:
            return "Corvandell Dive Analysis, Main Dialog";
        case 10:
            return "Corvandell pH Analysis, Main Dialog";
        case 13:
            return "Corvandell Beak, Main Dialog";
        case 15:
            return "Corvandell Flip Analysis, Main Dialog";
        case 16:
            return "Corvandell Route6 Analysis, Main Dialog";
        case 17:
            return "Corvandell Route12 Analysis, Main Dialog";
        case 18:
            return "Corvandell Create-Speed Analysis, Main Dialog";
        default:
            return "Corvandell, Main Dialog";
    }
}

std::array<std::string, kChannelCount> DefaultCaptions(int kind) {
    switch (kind) {
        case 1:
            return {PadTo("Light", 12), PadTo("File2", 12), PadTo("File3", 12)};
        case 2:
            return {"Depth Channel", "Temp. Channel", "Aux. Channel"};
        case 6:
            return {PadTo("Light", 12), PadTo("Depth", 12), PadTo("Temp.", 12)};
        case 10:
            return {"pH", "Temperature", "Channel 3"};
        case 14:
            return {"Depth Channel ", "Temp. Channel ", "3rd Channel   "};
        case 15:
            return {"Flip Channel", "Depth Channel", "Aux. Channel"};
        default:
            return {PadTo("Channel1", kCaptionWidth), PadTo("Channel2", kCaptionWidth),
                    PadTo("Channel3", kCaptionWidth)};
    }
}

}  // namespace corv
