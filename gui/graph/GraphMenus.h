#pragma once
// The menu bar of the graph window: every menu and item with its caption, shortcut and
// object name (mniXxx), the check marks of the x-Zoom mode group, and the Help item of
// each menu. Items are found by object name; the window connects the ones whose commands
// exist, and DisableUnconnected greys out the rest.

#include <QHash>
#include <QString>
#include <functional>

#include "graph/GraphHelp.h"
#include "graph/XZoom.h"

class QAction;
class QMenu;
class QMenuBar;

namespace corv {

class GraphMenus {
  public:
    explicit GraphMenus(QMenuBar* bar);

    // The item or submenu action of that object name; null when there is none.
    QAction* Item(const QString& name) const;
    QMenu* Menu(const QString& name) const;

    // Runs `handler` when the item is chosen.
    void Connect(const QString& name, std::function<void()> handler);
    // Connects the Help item of every menu to `show`, with the menu it belongs to.
    void ConnectHelp(const std::function<void(GraphMenu)>& show);
    // Disables every item that has no handler.
    void DisableUnconnected();

    // Sets the check marks of the x-Zoom mode group.
    void ShowChecks(const XZoomChecks& checks);

  private:
    QMenu* AddMenu(QMenuBar* bar, const char* name, const char* title);
    QMenu* AddSubmenu(QMenu* parent, const char* name, const char* title);
    QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                     const char* shortcut = nullptr);
    void BuildFile(QMenuBar* bar);
    void BuildEdit(QMenuBar* bar);
    void BuildView(QMenuBar* bar);
    void BuildXZoom(QMenuBar* bar);
    void BuildYZoom(QMenuBar* bar);
    void BuildBaseline(QMenuBar* bar);
    void BuildProcess(QMenuBar* bar);
    void BuildFilter(QMenuBar* bar);
    void BuildCalculations(QMenuBar* bar);
    void BuildAnalysis(QMenuBar* bar);
    void BuildExport(QMenuBar* bar);
    void BuildHelp(QMenuBar* bar);

    QHash<QString, QAction*> m_items;
    QHash<QString, QMenu*> m_menus;
    QHash<QString, GraphMenu> m_helpItems;
    QHash<QAction*, bool> m_connected;
};

}  // namespace corv
