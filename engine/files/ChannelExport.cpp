#include "files/ChannelExport.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "AppState.h"
#include "core/Checked.h"
#include "core/NumberFormat.h"
#include "core/ProcessingLog.h"
#include "core/ProgressScope.h"
#include "core/Times.h"
#include "core/UiPort.h"
#include "files/BinaryChannel.h"
#include "files/BinaryHeader.h"
#include "files/BlockTextWriter.h"
#include "files/SafeFileReplace.h"
#include "files/WordTextCache.h"

namespace corv {

namespace fs = std::filesystem;

namespace {

constexpr const char* kExportFailed = " Error. Cannot export to file.";

ExportOutcome Failed(UiPort& ui) {
    ui.Message(kExportFailed);
    return {};
}

// The caption as a column title: trimmed, free of the field separator and line breaks.
std::string ColumnTitle(const ChannelRecord& r, int c, char dlmt) {
    std::string s = r.Caption;
    std::replace_if(
        s.begin(), s.end(), [dlmt](char ch) { return ch == dlmt || ch == '\r' || ch == '\n'; },
        ' ');
    const size_t begin = s.find_first_not_of(' ');
    if (begin == std::string::npos) return "Channel" + std::to_string(c + 1);
    return s.substr(begin, s.find_last_not_of(' ') - begin + 1);
}

// The common index of channel k at relative time t (milliseconds), when k holds a sample
// at exactly that time: the same stored samples the binary export writes.
bool SampleAt(const ChannelStore& store, int k, int64_t t, int32_t& index) {
    const ChannelRecord& r = store.Rec(k);
    if (r.SampRate < 1 || t % r.SampRate != 0) return false;
    const int64_t i = t / r.SampRate;
    if (i < r.CorrSmpDelay || i > r.DataCnt) return false;
    index = static_cast<int32_t>(i);
    return true;
}

// The date and time fields of a row, the separators written as characters so that no
// separator can cut the row short. Rows come in time order, many within one second: the
// text up to the milliseconds is made once per second.
class RowTimeText {
  public:
    RowTimeText(char dateSep, char dlmt) : m_dateSep(dateSep), m_dlmt(dlmt) {}

    void Put(BlockTextWriter& w, double t) {
        if (t > 1e28) {  // no calendar date: as TimeToParts leaves it
            PutParts(w, TimeToParts(t));
            return;
        }
        const int32_t s = Trunc<int32_t>(t / 1000);
        if (!m_valid || s != m_second) {
            const TimeParts p = TimeToParts(t);
            BlockTextWriter prefix(m_prefix, sizeof m_prefix);
            PutParts(prefix, p, false);
            m_prefixLength = prefix.Used();
            m_second = s;
            m_valid = true;
        }
        w.Put(std::string_view(m_prefix, m_prefixLength));
        w.PutPadded(Narrow<uint16_t>(Trunc<int64_t>(t - s * 1000.0)), 3);
    }

  private:
    void PutParts(BlockTextWriter& w, const TimeParts& p, bool withMilliseconds = true) const {
        w.PutPadded(p.day, 2);
        w.Put(m_dateSep);
        w.PutPadded(p.month, 2);
        w.Put(m_dateSep);
        w.PutPadded(p.year, 4);
        w.Put(m_dlmt);
        w.PutPadded(p.hour, 2);
        w.Put(':');
        w.PutPadded(p.minute, 2);
        w.Put(':');
        w.PutPadded(p.second, 2);
        w.Put('.');
        if (withMilliseconds) w.PutPadded(p.millisecond, 3);
    }

    char m_dateSep;
    char m_dlmt;
    bool m_valid = false;
    int32_t m_second = 0;
    char m_prefix[64];
    size_t m_prefixLength = 0;
};

// One column of the table: its channel, and the texts of its raw words when its value
// depends on the word alone.
struct TextColumn {
    int channel = 0;
    std::unique_ptr<WordTextCache> words;
};

// The field of column k at common index j: what GetValue gives, empty where it gives no
// finite value.
void PutValue(BlockTextWriter& w, const ChannelStore& store, TextColumn& column, int32_t j) {
    const int k = column.channel;
    if (column.words) {
        const int64_t p = int64_t{j} - store.Rec(k).CorrSmpDelay;
        if (p < 0) return column.words->Put(w, 0);
        if (const uint16_t* word = store.BankWord(k, static_cast<int32_t>(p)))
            return column.words->Put(w, *word);
        return;  // no block: no value
    }
    int32_t err = 0;
    const double v = store.GetValue(j, k, err);
    if (err == 0 && std::isfinite(v)) w.Put(FormatShortest(v));
}

// A stretch that runs to the end of the recording includes its last sample: exporting the
// entire channel must not drop it.
bool ReachesEnd(const ChannelStore& store, double tEnd) {
    return tEnd >= store.TotalSpan;
}

// Rows first .. end - 1 on channel c's time steps.
struct RowRange {
    int64_t first = 0;
    int64_t end = 0;
};

RowRange TextRows(const ChannelStore& store, int c, int mode, double tStart, double tEnd) {
    const ChannelRecord& r = store.Rec(c);
    RowRange rows;
    if (r.SampRate < 1) return rows;
    rows.first = std::max<int64_t>(Trunc<int64_t>(tStart / r.SampRate), 0);
    rows.end = Trunc<int64_t>(tEnd / r.SampRate);
    if (mode != 1) {
        rows.first = std::max<int64_t>(rows.first, r.CorrSmpDelay);
        rows.end = std::min<int64_t>(rows.end, r.DataCnt);
    }
    if (ReachesEnd(store, tEnd)) ++rows.end;
    return rows;
}

}  // namespace

bool ExportBinaryChannel(AppState& state, UiPort& ui, const fs::path& file, int c, double tStart,
                         double tEnd) {
    return WriteBinaryExport(state, ui, file, c, tStart, tEnd).written;
}

ExportOutcome WriteBinaryExport(AppState& state, UiPort& ui, const fs::path& file, int c,
                                double tStart, double tEnd) {
    ChannelStore& store = state.store;
    const ChannelRecord& r = store.Rec(c);
    ExportOutcome outcome;
    if (r.bApplyPolynom != 0) {
        ui.ShowHelpFile(fs::path(state.folders.HelpFolder) / "cve05.rtf");
        return outcome;
    }
    const bool toEnd = ReachesEnd(store, tEnd);
    tEnd = std::min(tEnd, store.TotalSpan);
    const IndexRange range = TimeRangeToIndexes(store, c, tStart, tEnd);
    const int32_t first = std::max(CheckedSub(range.first, r.CorrSmpDelay), 0);
    int32_t last = std::min(CheckedSub(range.last, r.CorrSmpDelay), r.DataCnt);
    if (toEnd) last = std::min(CheckedAdd(last, 1), CheckedSub(r.DataCnt, r.CorrSmpDelay) + 1);
    // Written beside the target and renamed over it when complete: a full disk never costs
    // the old file, even when it is the channel's own recording.
    SafeFileReplace out(file);
    if (!out.Open()) return Failed(ui);
    if (r.ReadHeader == 'Y' && !out.Write(BinaryHeaderText(state, c, tStart, tEnd)))
        return Failed(ui);
    if (!WriteBinaryBody(state, out, first, last, c) || !out.Commit()) return Failed(ui);
    state.ChannelModified[static_cast<size_t>(c)] = false;
    state.history.MarkSaved(c);
    LogCommand(state,
               "export-bin " + file.string() + " " + std::to_string(c) + " " + LogNumber(tStart) +
                   " " + LogNumber(tEnd),
               false, c);
    outcome.written = true;
    outcome.samples = std::max(int64_t{last} - first, int64_t{0});
    return outcome;
}

bool ExportTextChannel(AppState& state, UiPort& ui, const fs::path& file, int c, int mode,
                       double tStart, double tEnd) {
    return WriteTextExport(state, ui, file, c, mode, tStart, tEnd).written;
}

ExportOutcome WriteTextExport(AppState& state, UiPort& ui, const fs::path& file, int c, int mode,
                              double tStart, double tEnd) {
    const ChannelStore& store = state.store;
    const char dlmt = state.settings.OutDlmt;
    const char dateSep = state.settings.DateSep;
    std::vector<TextColumn> columns;
    for (int k = 0; k < kChannelCount; ++k) {
        if (mode == 1 ? !store.ChannelPresent[static_cast<size_t>(k)] : k != c) continue;
        TextColumn& column = columns.emplace_back();
        column.channel = k;
        if (store.Rec(k).Derivation != 1) column.words = std::make_unique<WordTextCache>(store, k);
    }

    SafeFileReplace out(file);
    if (!out.Open()) return Failed(ui);
    std::string header = std::string("Date") + dlmt + "Time";
    for (const TextColumn& column : columns)
        header += dlmt + ColumnTitle(store.Rec(column.channel), column.channel, dlmt);
    header += "\r\n";
    if (!out.Write(header)) return Failed(ui);

    BlockTextWriter w(out);
    RowTimeText rowTime(dateSep, dlmt);
    const int32_t step = store.Rec(c).SampRate;
    const RowRange rows = TextRows(store, c, mode, tStart, std::min(tEnd, store.TotalSpan));
    ProgressScope progress(ui, "Exporting " + file.string(), rows.end - rows.first);
    for (int64_t i = rows.first; i < rows.end; ++i) {
        if (!progress.Report(i - rows.first)) {
            // The partial table is the temporary file, removed with `out`; an old file stays.
            ExportOutcome cancelled;
            cancelled.cancelled = true;
            return cancelled;
        }
        if (!w.Room()) return Failed(ui);
        const int64_t t = i * step;
        rowTime.Put(w, store.OriginTime + static_cast<double>(t));
        for (TextColumn& column : columns) {
            w.Put(dlmt);
            int32_t j = 0;
            // A sample that had no value in the file stays an empty field.
            if (SampleAt(store, column.channel, t, j) && !store.InGap(j, column.channel))
                PutValue(w, store, column, j);
        }
        w.Put("\r\n");
    }
    if (!w.Flush() || !out.Commit()) return Failed(ui);
    LogCommand(state,
               "export-text " + file.string() + " " + std::to_string(mode) + " " +
                   std::to_string(c) + " " + LogNumber(tStart) + " " + LogNumber(tEnd),
               false, c);
    ExportOutcome outcome;
    outcome.written = true;
    outcome.samples = std::max<int64_t>(rows.end - rows.first, 0);
    return outcome;
}

}  // namespace corv
