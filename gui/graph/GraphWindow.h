#pragma once
// The graph window (form TForm3, "Corvandell - graph window"): the overview strip with its
// time scale, one strip with a y-scale per channel, the main time scale, the read-outs and
// the menus. It opens maximised with a crosshair cursor and sees every key before its
// controls. Every command ends by naming redraw jobs in RedrawFlags and running them
// (RedrawPending); the images keep their pictures between commands.

#include <QImage>
#include <QMainWindow>
#include <QSize>
#include <cstdint>
#include <functional>
#include <memory>

#include "analysis/DimsEditing.h"
#include "graph/ChanImage.h"
#include "graph/MouseHandling.h"
#include "graph/StripLayout.h"
#include "graph/XZoom.h"

class QLabel;
class QMenu;
class QTableWidget;

namespace corv {

struct AppState;
class UiPort;
class GraphMenus;
class GraphReadouts;
class StripWidgets;
enum class GraphMenu;

class GraphWindow : public QMainWindow {
    Q_OBJECT
  public:
    // Lays out, builds and draws the window for the loaded channels on a screen of
    // `screen` pixels; it is not shown yet. Null, after a message, when no present channel
    // has a strip. The window deletes itself when it closes.
    static GraphWindow* Open(AppState& state, UiPort& ui, QSize screen, QWidget* parent);
    ~GraphWindow() override;

    // Adds jobs to RedrawFlags and runs all pending jobs.
    void Redraw(uint32_t flags);
    // Runs the jobs pending in RedrawFlags.
    void RedrawPending();
    // The outline moves to channel c's strip and c becomes the active channel.
    void ChangeActiveChannel(int c);
    // View > "&Refresh total window" and a double click on the overview strip.
    void RefreshOverview();
    // Lays the strips out again from the height weights and draws them afresh.
    void RebuildStrips();
    // Lays every part out for the client area's size and the device pixel ratio and draws
    // it afresh; the window does this whenever its client area changes size.
    void Relayout();
    // Draws at `ratio` device pixels per window pixel instead of the screen's (0: the
    // screen's), for pictures at another scale.
    void SetPixelRatio(double ratio);

    GraphMenus& Menus() const { return *m_menus; }
    GraphReadouts& Readouts() const { return *m_readouts; }
    StripWidgets& Images() const { return *m_images; }
    const GraphLayout& Layout() const { return m_layout; }
    QMenu* DimsPopup() const { return m_dimsPopup; }

    // The handlers of the images.
    void ImgMouseDn(TChanImage* image, MouseButton button, int x, int y);
    void ImgMouseUp(TChanImage* image, MouseButton button, int x, int y);
    void ImgDblClick(TChanImage* image);
    void ImgTimeDown(TChanImage* image, int x);
    void ImgScaleYDown(TChanImage* image, int y);
    // Moves over an image: a grabbed mark follows a held button, the middle button pans,
    // and the status bar shows the sample under the pointer.
    void ImgMouseMove(TChanImage* image, Qt::MouseButtons buttons, int x, int y);
    // The wheel: pans, with Ctrl zooms time around the pointer, with Shift zooms the value
    // axis of the strip under the pointer.
    void ImgWheel(TChanImage* image, int x, int y, double notches, Qt::KeyboardModifiers mods);
    // The status bar's key mode and step, and the cursor differences panel.
    void ShowStatus();
    // The strips with their y-scales and the main time scale as they are shown, at the
    // device pixel ratio.
    QImage Picture() const;
    // File > "Save picture ...": PNG, or SVG with vector curves, by the name's extension.
    bool SavePicture(const QString& file);
    // File > "Save processing log…" after its file dialog: writes the log; false (the
    // user told) when the file cannot be written.
    bool SaveLog(const QString& file);
    // Edit > "Copy picture": the picture on the clipboard.
    void CopyPicture();
    // The key handler; false when the key is left to the menus.
    bool FormKeyDown(int qtKey, Qt::KeyboardModifiers modifiers);

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    GraphWindow(AppState& state, UiPort& ui, const GraphLayout& layout, QWidget* parent);

    void CreateStrips();
    void BuildPanels();
    double PixelRatio() const;
    void AssignImageHandlers();
    void InitialDraw();
    void WireMenus();
    void WireFileAndViewMenus();
    void WireZoomAndBaselineMenus();
    void WireOtherMenus();
    void WirePictureMenus();
    void WireCalcMenus();  // gui/calc/CalcCommands.cpp
    void EnableTagItems();
    void WireProcessingIIMenus();
    // Redraws every strip, y-scale and the overview after a change to channel data.
    void RedrawAfterChannelChange();
    void ShowMenuHelp(GraphMenu menu);
    // The Analysis menu and the dims popup (GraphAnalysis.cpp).
    void WireAnalysisMenu();
    void SearchNextClick();
    void WriteResultsClick();
    void AnalyseAllClick();
    void ShowResults();
    void DimsPopupCommand(DimsEdit edit);
    void MoveDimEnd(const DimMove& move);
    // Draws every strip, scale and mark afresh.
    void RedrawEverything();
    // Runs a menu command, under the hourglass unless it opens a dialog; its redraw jobs
    // run afterwards. An exception is shown and ends the command.
    void RunCommand(const std::function<uint32_t()>& command, bool busy = true);
    void ChooseXZoom(XZoomItem item);
    void SaveSettings();
    void SaveChannelOnClose(int c);
    int ImageIndex(const TChanImage* image) const;
    Canvas* ActiveStrip();

    AppState& m_state;
    UiPort& m_ui;
    GraphLayout m_layout;
    QWidget* m_client;
    std::unique_ptr<StripWidgets> m_images;
    std::unique_ptr<GraphReadouts> m_readouts;
    std::unique_ptr<GraphMenus> m_menus;
    QMenu* m_dimsPopup = nullptr;
    int m_popupDim = -1;  // the dim under the right click, and the sample index there
    int32_t m_popupIndex = 0;
    XZoomChecks m_checks;
    double m_ratioOverride = 0;
    int m_panLastX = -1;  // the middle button's last x while it pans, -1: not panning
    QLabel* m_statusMode = nullptr;
    QLabel* m_statusStep = nullptr;
    QLabel* m_statusPointer = nullptr;
    QTableWidget* m_deltas = nullptr;
    QSize m_laidOutFor;  // the client size of the current layout
};

}  // namespace corv
