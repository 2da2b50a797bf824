#include "graph/GraphMenus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "core/Checked.h"

namespace corv {

GraphMenus::GraphMenus(QMenuBar* bar) {
    BuildFile(bar);
    BuildEdit(bar);
    BuildView(bar);
    BuildXZoom(bar);
    BuildYZoom(bar);
    BuildBaseline(bar);
    BuildProcess(bar);
    BuildFilter(bar);
    BuildCalculations(bar);
    BuildAnalysis(bar);
    BuildExport(bar);
    BuildHelp(bar);
}

QMenu* GraphMenus::AddMenu(QMenuBar* bar, const char* name, const char* title) {
    QMenu* m = bar->addMenu(QString::fromLatin1(title));
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    m_menus.insert(m->objectName(), m);
    m_items.insert(m->objectName(), m->menuAction());
    return m;
}

QMenu* GraphMenus::AddSubmenu(QMenu* parent, const char* name, const char* title) {
    QMenu* m = parent->addMenu(QString::fromLatin1(title));
    m->setObjectName(QString::fromLatin1(name));
    m->menuAction()->setObjectName(QString::fromLatin1(name));
    m_menus.insert(m->objectName(), m);
    m_items.insert(m->objectName(), m->menuAction());
    return m;
}

QAction* GraphMenus::AddItem(QMenu* menu, const char* name, const char* caption,
                             const char* shortcut) {
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(QString::fromLatin1(name));
    if (shortcut) a->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    m_items.insert(a->objectName(), a);
    m_connected.insert(a, false);
    return a;
}

QAction* GraphMenus::Item(const QString& name) const {
    return m_items.value(name, nullptr);
}

QMenu* GraphMenus::Menu(const QString& name) const {
    return m_menus.value(name, nullptr);
}

void GraphMenus::Connect(const QString& name, std::function<void()> handler) {
    QAction* a = Item(name);
    if (a == nullptr || !m_connected.contains(a))
        throw RangeError("No menu item " + name.toStdString());
    QObject::connect(a, &QAction::triggered, a, [h = std::move(handler)] { h(); });
    m_connected[a] = true;
}

void GraphMenus::ConnectHelp(const std::function<void(GraphMenu)>& show) {
    for (auto it = m_helpItems.cbegin(); it != m_helpItems.cend(); ++it) {
        const GraphMenu menu = it.value();
        Connect(it.key(), [show, menu] { show(menu); });
    }
}

void GraphMenus::DisableUnconnected() {
    for (auto it = m_connected.cbegin(); it != m_connected.cend(); ++it)
        if (!it.value()) it.key()->setEnabled(false);
}

void GraphMenus::ShowChecks(const XZoomChecks& c) {
    const std::pair<const char*, bool> marks[] = {
        {"mniLeftBorder", c.leftBorder},   {"mniRightBorder", c.rightBorder},
        {"mniBothBorders", c.bothBorders}, {"mniLeftCursor", c.leftCursor},
        {"mniRightCursor", c.rightCursor}, {"mniBothCursors", c.bothCursors},
    };
    for (const auto& [name, on] : marks) Item(QString::fromLatin1(name))->setChecked(on);
}

void GraphMenus::BuildFile(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniFile", "&File");
    AddItem(m, "mniSaveSettings", "&Save Settings ...");
    AddItem(m, "mniResultFile", "&Result file ...");
    AddItem(m, "mniSavePicture", "Save &picture ...");
    AddItem(m, "mniSaveLog", "Save processing &log\u2026");
    AddItem(m, "mniExit", "&Exit");
    m->addSeparator();
    AddItem(m, "mniFileHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniFileHelp"), GraphMenu::File);
}

void GraphMenus::BuildView(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniView", "&View");
    AddItem(m, "mniWinSize", "&WinSize ...");
    AddItem(m, "mniStyle", "&Style ...");
    AddItem(m, "mniGrid", "&Grid ...");
    AddItem(m, "mniSubsidLine", "Subsidiary &line ...");
    AddItem(m, "mniRefreshTotal", "&Refresh total window");
    m->addSeparator();
    AddItem(m, "mniViewHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniViewHelp"), GraphMenu::View);
}

void GraphMenus::BuildXZoom(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mnixZoom", "&x-Zoom");
    const char* const group[][3] = {
        {"mniLeftBorder", "Left Border", "F1"},   {"mniRightBorder", "Right Border", "F2"},
        {"mniBothBorders", "Both Borders", "F3"}, {"mniLeftCursor", "Left Cursor ", "F4"},
        {"mniRightCursor", "Right Cursor", "F5"}, {"mniBothCursors", "Both Cursors", "F6"},
    };
    for (const auto& item : group) AddItem(m, item[0], item[1], item[2])->setCheckable(true);
    m->addSeparator();
    AddItem(m, "mniBordAndCursors", "Bord. and Cursors", "Shift+F3");
    AddItem(m, "mniCursIntoBorders", "Curs. into Borders", "Ctrl+F6");
    AddItem(m, "mniBordToCurs", "Bord. to Curs.", "Ctrl+F3");
    m->addSeparator();
    AddItem(m, "mniLeftBCursor", "Left B. Cursor", "F8");
    AddItem(m, "mniRightBCursor", "Right B. Cursor", "F9");
    AddItem(m, "mniBothBCursor", "Both B. Cursor", "F10");
    AddItem(m, "mniBCursInBorders", "B. Curs. in Borders", "Ctrl+F10");
    AddItem(m, "mniShCurInBordes", "Sh-Cur. in Bordes", "Shift+F10");
    m->addSeparator();
    AddItem(m, "mniMoveLeft", "Move left (Left arrow)");
    AddItem(m, "mnixZoomHelp", "Help");
    m_helpItems.insert(QStringLiteral("mnixZoomHelp"), GraphMenu::XZoom);
    ShowChecks(XZoomChecks{});
}

void GraphMenus::BuildYZoom(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniyZoom", "&y-Zoom");
    AddItem(m, "mniNumericalYZoom", "&Numerical ...");
    AddItem(m, "mniZoomIn", "Zoom &In (^PgUp)");
    AddItem(m, "mniZoomOut", "Zoom &out (^PgDn)");
    AddItem(m, "mniShiftUp", "Shift &Up (Up)");
    AddItem(m, "mniShiftDown", "Shift &Down (Dn)");
    AddItem(m, "mniFitToData", "&Fit to data", "F");
    m->addSeparator();
    AddItem(m, "mniyZoomHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniyZoomHelp"), GraphMenu::YZoom);
}

void GraphMenus::BuildBaseline(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniBaseline", "&Baseline");
    AddItem(m, "mniMeanF4F5", "Mean F4..F5", "M");
    AddItem(m, "mniMeanF4plusF5", "Mean F4+F5", "N");
    AddItem(m, "mniAtF4", "At F4", "4");
    AddItem(m, "mniAtF5", "At F5", "5");
    AddItem(m, "mniNumericalBaseline", "Numerical ...");
    AddItem(m, "mniIncrement", "Increment", "Ctrl+U");
    AddItem(m, "mniDecrement", "Decrement", "Ctrl+D");
    m->addSeparator();
    AddItem(m, "mniBaselineHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniBaselineHelp"), GraphMenu::Baseline);
}

// Undo and Redo of the data-changing commands; the captions name the step.
void GraphMenus::BuildEdit(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniEdit", "&Edit");
    AddItem(m, "mniUndo", "&Undo", "Ctrl+Z");
    QAction* redo = AddItem(m, "mniRedo", "&Redo", "Ctrl+Y");
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    m->addSeparator();
    AddItem(m, "mniCopyPicture", "Copy &picture", "Ctrl+C");
}

void GraphMenus::BuildProcess(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniProcess", "&Process");
    AddItem(m, "mniMultiply", "&Multiply ...");
    AddItem(m, "mniAdd", "&Add ...");
    AddItem(m, "mniDivide", "&Divide ...");
    AddItem(m, "mniSetConstant", "&Set constant ...", "S");
    AddItem(m, "mniDeletePoints", "Dele&te points ..");
    AddItem(m, "mniInsertPoints", "&Insert points ...");
    m->addSeparator();
    QMenu* bi = AddSubmenu(m, "mniBiChannel", "&Bi-Channel");
    AddItem(bi, "mniBiAdd", "&Add");
    AddItem(bi, "mniBiSubtract", "&Subtract");
    AddItem(bi, "mniBiAbs", "A&bs");
    bi->addSeparator();
    AddItem(bi, "mniBiChannelHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniBiChannelHelp"), GraphMenu::BiChannel);
    AddItem(m, "mniAddRamp", "Add ra&mp ...");
    AddItem(m, "mniIntegrate", "Inte&grate");
    AddItem(m, "mniDifferentiate", "Differentiate");
    AddItem(m, "mniDiffCompass", "Diff. c&ompass");
    AddItem(m, "mniPolynom", "&Polynom ...");
    m->addSeparator();
    AddItem(m, "mniReduce", "&Reduce ...");
    AddItem(m, "mniExpand", "&Expand ...");
    AddItem(m, "mniDoublePoints", "Double points");
    m->addSeparator();
    QMenu* sections = AddSubmenu(m, "mniSections", "Se&ctions");
    AddItem(sections, "mniSecStore", "&Store");
    AddItem(sections, "mniSecOverwrite", "Over&write");
    AddItem(sections, "mniSecInsert", "Insert");
    AddItem(sections, "mniSecOverlay", "Overlay");
    m->addSeparator();
    AddItem(m, "mniProcessHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniProcessHelp"), GraphMenu::Process);
}

void GraphMenus::BuildFilter(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniFilter", "Fil&ter");
    m->setToolTipsVisible(true);
    QMenu* smooth = AddSubmenu(m, "mniSmooth", "&Smooth");
    AddItem(smooth, "mniSmooth121", "1-&2-1");
    AddItem(smooth, "mniSmooth1241", "1-2-&4-10-...");
    AddItem(smooth, "mniSmooth11232", "1-1-2-&3-2...");
    AddItem(smooth, "mniSmooth1111", "&1-1-1-1");
    smooth->addSeparator();
    AddItem(smooth, "mniSmoothHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniSmoothHelp"), GraphMenu::Smooth);
    AddItem(m, "mniPeakElim", "&Peak elinination ...");
    AddItem(m, "mniDelNegative", "&Del. < 0")->setToolTip(QStringLiteral("All y(t)<0 -> y(t)=0"));
    AddItem(m, "mniRunningMean", "&Running mean ...");
    m->addSeparator();
    AddItem(m, "mniFilterHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniFilterHelp"), GraphMenu::Filter);
}

void GraphMenus::BuildCalculations(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniCalc", "&Calculations");
    m->setToolTipsVisible(true);
    AddItem(m, "mniStatistic", "&Statistics")
        ->setToolTip(QStringLiteral("min, max, mean, lin. regr.,..."));
    AddItem(m, "mniHistogram", "Histo&gram");
    AddItem(m, "mniPlotChnlChnl", "&Plot chnl-chnl");
    AddItem(m, "mniCountEvents", "&Count Events");
    QMenu* frequency = AddSubmenu(m, "mniFrequency", "&Frequency");
    AddItem(frequency, "mniCalcFrequ", "&Calc. Frequ.");
    AddItem(frequency, "mniDisposeTags", "&Dispose tags");
    AddItem(frequency, "mniShowResult", "&Show result");
    AddItem(m, "mniSynchronize", "S&ynronisize");
    m->addSeparator();
    AddItem(m, "mniCalcHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniCalcHelp"), GraphMenu::Calculations);
}

void GraphMenus::BuildAnalysis(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniAnalysis", "&Analysis");
    m->setToolTipsVisible(true);
    AddItem(m, "mniParameters", "&Parameters ...");
    AddItem(m, "mniSearchNext", "&Search next", "Q");
    AddItem(m, "mniWriteResults", "&Write results", "W")
        ->setToolTip(QStringLiteral("Analize, export results, search next"));
    AddItem(m, "mniAnalyseAll", "Analyse &all")
        ->setToolTip(QStringLiteral("Write results from here to the end of the recording"));
    AddItem(m, "mniComment", "&Comment ...");
    AddItem(m, "mniFindBouts", "&Find Bouts");
    // An item of other analysis kinds; this one does not show it.
    AddItem(m, "mniFillSpeedChnl", "FillSpeedChnl")->setVisible(false);
    m->addSeparator();
    AddItem(m, "mniAnalysisHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniAnalysisHelp"), GraphMenu::Analysis);
}

void GraphMenus::BuildExport(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniExport", "&Export");
    m->menuAction()->setToolTip(QStringLiteral("Store channels in files"));
    AddItem(m, "mniExportText", "&Text file ...");
    AddItem(m, "mniExportBinary", "&Binary file ...");
    m->addSeparator();
    AddItem(m, "mniExportHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniExportHelp"), GraphMenu::Export);
}

void GraphMenus::BuildHelp(QMenuBar* bar) {
    QMenu* m = AddMenu(bar, "mniHelp", "&Help");
    AddItem(m, "mniInfo", "&Info");
    AddItem(m, "mniHelpHelp", "&Help");
    m_helpItems.insert(QStringLiteral("mniHelpHelp"), GraphMenu::Help);
}

}  // namespace corv
