#pragma once
// The host application's main window: the outline editor in the middle, the
// output window below, File, Edit and Zavora menus, and the plug-in's state
// in the status bar. The plug-in finds this window through the kit
// (GetWindowOfApp) and docks its explorer on the left.
#include <QMainWindow>
#include <QStringList>
#include <string>
#include <vector>

#include "contracts/OutlineKit.h"

class QLabel;
class QMenu;
class QUndoCommand;
class QUndoStack;

namespace zv::ide {

class OutlineModel;
class OutlineView;
class OutputWindow;
class PluginHost;

class HostWindow : public QMainWindow {
public:
    explicit HostWindow(QWidget* parent = nullptr);
    ~HostWindow() override;

    // Opens a program with its libraries; on failure the current outline
    // stays, the reason goes to a message box and the output window.
    bool openFile(const QString& path);
    bool save();
    bool saveAs(const QString& path);
    bool isModified() const;
    QString filePath() const { return m_path; }

    // The plug-in's state: its commands in the Zavora menu, or the reason it is missing.
    void setPlugin(PluginHost* plugin);
    // F11 with the modifiers (Qt::KeyboardModifiers), as if pressed in the editor.
    void sendKey(int modifiers);

    // The Edit menu's operations, on the current item of the editor.
    bool insertItem(const std::string& line);
    bool deleteSelected();
    bool copySelected();
    bool cutSelected();
    bool paste();
    bool changeKind(const std::string& keyword);
    bool moveCurrent(int delta);
    bool toggleBreakpoint();
    bool editLine(const std::string& line);

    OutlineView* outlineView() const { return m_view; }
    OutputWindow* outputWindow() const { return m_output; }
    QUndoStack* undoStack() const { return m_undo; }
    QMenu* zavoraMenu() const { return m_zavoraMenu; }

    // Library folders searched after the including file's folder.
    static QStringList libraryPath();
    static void setLibraryPath(const QStringList& folders);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Pushes an edit; false when it changed nothing (and is gone).
    bool push(QUndoCommand* command);
    void buildMenus();
    void updateZavoraMenu();
    void updateRecentMenu();
    void updateTitle();
    // The outline is now the file's content as it stands on disk.
    void setSaved(const QString& path);
    bool askToSave();
    std::vector<HITEM> selectedItems() const;
    void editLibraryPath();

    OutlineModel* m_model;
    OutlineView* m_view;
    OutputWindow* m_output;
    QUndoStack* m_undo;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_zavoraMenu = nullptr;
    QLabel* m_pluginState;
    PluginHost* m_plugin = nullptr;
    QString m_path;
    int m_listener = 0;
    bool m_changedOutside = false;  // the outline was changed by others since it was opened or saved
};

} // namespace zv::ide
