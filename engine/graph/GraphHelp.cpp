#include "graph/GraphHelp.h"

#include "core/AnalysisKind.h"

namespace corv {

namespace {

std::string AnalysisHelpFile(int kind) {
    switch (kind) {
        case 1:
            return "mniAnLight.rtf";
        case 2:
            return "mniAnalysis.rtf";
        case 10:
            return "mnipHg.rtf";
        case 13:
            return "mniAnaBeak.rtf";
        case 15:
            return "mniFlip.rtf";
        case 16:
            return "mniAnRout6.rtf";
        case 17:
            return "mniAnRout14.rtf";
        default:
            return {};
    }
}

}  // namespace

std::string MenuHelpFile(GraphMenu menu, int analysisKind) {
    switch (menu) {
        case GraphMenu::File:
            return "mniFile.rtf";
        case GraphMenu::View:
            return "mniView.rtf";
        case GraphMenu::XZoom:
            return "\\mnixZoom.rtf";
        case GraphMenu::YZoom:
            return "mniyZoom.rtf";
        case GraphMenu::Baseline:
            return "mniBaseline.rtf";
        case GraphMenu::Analysis:
            return AnalysisHelpFile(analysisKind);
        case GraphMenu::Export:
            return "mniExport.rtf";
        case GraphMenu::Process:
            return "mniProcess.rtf";
        case GraphMenu::BiChannel:
            return "mniBiChannel.rtf";
        case GraphMenu::Filter:
            return "mniFilter.rtf";
        case GraphMenu::Smooth:
            return "mniSmooth.rtf";
        case GraphMenu::Calculations:
            return "mniCalc.rtf";
        case GraphMenu::Help:
            return "mniHelp.rtf";
    }
    return {};
}

std::string InfoText(int analysisKind) {
    return "Corvandell " + AnalysisKindName(analysisKind) + "\r\n\r\nCapacity kB 39600";
}

}  // namespace corv
