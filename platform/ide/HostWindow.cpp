#include "platform/ide/HostWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDockWidget>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QStatusBar>
#include <QUndoStack>

#include "contracts/MessageBox.h"
#include "platform/ide/EditCommands.h"
#include "platform/ide/OutlineModel.h"
#include "platform/ide/OutlineView.h"
#include "platform/ide/OutputWindow.h"
#include "platform/ide/PluginHost.h"
#include "platform/outline/HostState.h"
#include "platform/outline/Loader.h"
#include "platform/outline/Outline.h"

namespace zv::ide {

namespace {

const char* const kOutlineMime = "application/x-zavora-outline";

QSettings HostSettings() { return QSettings("Morrowbit", "ZavoraHost"); }

// The F11 family as the Zavora menu lists it. No shortcut is bound: the
// plug-in reads these keys itself, and desktops often take Ctrl+Alt+F11.
struct KeyCommand {
    const char* text;
    const char* key;
    int modifiers;
};
const KeyCommand kKeyCommands[] = {
    {"Show References", "F11", 0},
    {"Go to Declaration", "Shift+F11", Qt::ShiftModifier},
    {"Expand or Collapse the Explorer", "Alt+F11", Qt::AltModifier},
    {"Parse", "Ctrl+F11", Qt::ControlModifier},
    {"Rename...", "Ctrl+Alt+F11", Qt::ControlModifier | Qt::AltModifier},
    {"Delete Unreferenced Symbols", "Ctrl+Alt+Shift+F11", Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier},
};

// Keywords offered by Change Kind: the common declarations and statements.
const QStringList kKinds = {"Number:", "String:", "Long String:", "Date/Time:", "Boolean:", "Window Handle:",
                            "Sql Handle:", "File Handle:", "Receive Number:", "Receive String:",
                            "Receive Boolean:", "Call", "Set", "If", "Else If", "While", "Return", "!"};

} // namespace

HostWindow::HostWindow(QWidget* parent)
    : QMainWindow(parent), m_model(new OutlineModel(this)), m_view(new OutlineView(m_model, this)),
      m_output(new OutputWindow(this)), m_undo(new QUndoStack(this)), m_pluginState(new QLabel(this))
{
    setObjectName("ZavoraHost");
    setCentralWidget(m_view);
    auto* outputDock = new QDockWidget("Output", this);
    outputDock->setObjectName("Output");
    outputDock->setWidget(m_output);
    outputDock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
    addDockWidget(Qt::BottomDockWidgetArea, outputDock);
    resizeDocks({outputDock}, {130}, Qt::Vertical);
    statusBar()->addPermanentWidget(m_pluginState);
    m_view->onLineEdited = [this](HITEM hItem, const std::string& line) {
        m_undo->push(new LineCommand(hItem, line));
    };
    connect(m_undo, &QUndoStack::cleanChanged, this, [this] { updateTitle(); });
    // Changes the explorer makes (a rename, a refactoring, a deletion) are no
    // commands of the editor's, but they must be saved all the same. The
    // editor's earlier commands hold lines as they were before that change:
    // undoing one would bring an old name back and break the program, so the
    // undo history starts afresh.
    m_listener = zv::host::HostState::Get().Listen([this](zv::host::HostChange what, HITEM hItem) {
        using zv::host::HostChange;
        const bool edit = what == HostChange::Text || what == HostChange::Inserted ||
                          what == HostChange::Removed || what == HostChange::Moved;
        if (!edit || IsApplyingCommand() || zv::outline::Outline::SerialOf(hItem) != CurrentOutline()) return;
        if (m_undo->count() > 0) {
            m_undo->clear();
            statusBar()->showMessage("The explorer changed the program: undo starts from here", 6000);
        }
        if (!m_changedOutside) {
            m_changedOutside = true;
            updateTitle();
        }
    });
    buildMenus();
    resize(1100, 760);
    updateTitle();
    // The plug-in waits for this to find the host's main window.
    zv::host::HostState::Get().windowOfApp = reinterpret_cast<std::uintptr_t>(static_cast<QWidget*>(this));
    m_model->setOutline(CurrentOutline());
}

HostWindow::~HostWindow()
{
    auto& host = zv::host::HostState::Get();
    host.Unlisten(m_listener);
    if (host.windowOfApp == reinterpret_cast<std::uintptr_t>(static_cast<QWidget*>(this))) host.windowOfApp = 0;
}

QStringList HostWindow::libraryPath() { return HostSettings().value("LibraryPath").toStringList(); }

void HostWindow::setLibraryPath(const QStringList& folders)
{
    HostSettings().setValue("LibraryPath", folders);
}

void HostWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->addAction("&Open...", QKeySequence::Open, this, [this] {
        const QString path = QFileDialog::getOpenFileName(this, "Open SAL Program", QFileInfo(m_path).path(),
                                                          "SAL outlines (*.apt *.app *.apl);;All files (*)");
        if (!path.isEmpty()) openFile(path);
    });
    m_recentMenu = file->addMenu("Open &Recent");
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] { updateRecentMenu(); });
    file->addAction("&Save", QKeySequence::Save, this, [this] { save(); });
    file->addAction("Save &As...", QKeySequence::SaveAs, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, "Save SAL Program As", m_path);
        if (!path.isEmpty()) saveAs(path);
    });
    file->addSeparator();
    file->addAction("&Library Folders...", this, [this] { editLibraryPath(); });
    file->addSeparator();
    file->addAction("&Quit", QKeySequence::Quit, this, [this] { close(); });

    QMenu* edit = menuBar()->addMenu("&Edit");
    QAction* undo = m_undo->createUndoAction(this, "&Undo");
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_undo->createRedoAction(this, "&Redo");
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence::Redo});
    edit->addAction(undo);
    edit->addAction(redo);
    edit->addSeparator();
    edit->addAction("Cu&t", QKeySequence::Cut, this, [this] { cutSelected(); });
    edit->addAction("&Copy", QKeySequence::Copy, this, [this] { copySelected(); });
    edit->addAction("&Paste", QKeySequence::Paste, this, [this] { paste(); });
    edit->addAction("&Delete", QKeySequence::Delete, this, [this] { deleteSelected(); });
    edit->addSeparator();
    edit->addAction("&Insert Item", QKeySequence(Qt::Key_Insert), this, [this] {
        if (insertItem("")) m_view->edit(m_view->currentIndex());
    });
    edit->addAction("&Edit Line", QKeySequence(Qt::Key_F2), this, [this] { m_view->edit(m_view->currentIndex()); });
    edit->addAction("Change &Kind...", QKeySequence(Qt::CTRL | Qt::Key_K), this, [this] {
        bool ok = false;
        const QString kind = QInputDialog::getItem(this, "Change Kind", "New keyword:", kKinds, 0, true, &ok);
        if (ok && !kind.isEmpty()) changeKind(kind.toStdString());
    });
    edit->addAction("Move &Up", QKeySequence(Qt::CTRL | Qt::Key_Up), this, [this] { moveCurrent(-1); });
    edit->addAction("Move Do&wn", QKeySequence(Qt::CTRL | Qt::Key_Down), this, [this] { moveCurrent(1); });
    edit->addSeparator();
    edit->addAction("Toggle &Breakpoint", QKeySequence(Qt::Key_F9), this, [this] { toggleBreakpoint(); });

    m_zavoraMenu = menuBar()->addMenu("&Zavora");
    for (const KeyCommand& command : kKeyCommands) {
        // The key after a tab is shown as the entry's key, without binding it.
        QAction* action = m_zavoraMenu->addAction(QString(command.text) + "\t" + command.key);
        const int modifiers = command.modifiers;
        connect(action, &QAction::triggered, this, [this, modifiers] { sendKey(modifiers); });
        action->setData(QString(command.key));
    }
    m_zavoraMenu->addSeparator();
    QAction* autoMode = m_zavoraMenu->addAction("&Auto Mode");
    autoMode->setCheckable(true);
    autoMode->setData(QString("AutoMode"));
    connect(autoMode, &QAction::triggered, this, [this] {
        if (m_plugin) m_plugin->command("AutoMode");
        updateZavoraMenu();
    });
    QAction* accessors = m_zavoraMenu->addAction("&Change to Accessors...", this, [this] { chooseAccessors(); });
    accessors->setData(QString("Refactoring"));
    QAction* inlineTemp = m_zavoraMenu->addAction("&Inline Temp", this, [this] { this->inlineTemp(); });
    inlineTemp->setData(QString("Refactoring"));
    connect(m_zavoraMenu, &QMenu::aboutToShow, this, [this] { updateZavoraMenu(); });
    updateZavoraMenu();
}

void HostWindow::updateZavoraMenu()
{
    const bool loaded = m_plugin && m_plugin->isLoaded();
    for (QAction* action : m_zavoraMenu->actions()) {
        const QString key = action->data().toString();
        if (key.isEmpty()) continue;
        if (key.endsWith("F11")) {
            // Parsing needs an outline; the rest needs the plug-in only.
            action->setEnabled(loaded && (key != "Ctrl+F11" || CurrentOutline() != 0));
        } else if (key == "Refactoring") {
            action->setEnabled(loaded && m_plugin->hasRefactorings() && CurrentOutline() != 0);
        } else {
            const int state = loaded ? m_plugin->commandState(key.toStdString().c_str()) : 0;
            action->setEnabled(state & 1);
            if (action->isCheckable()) action->setChecked(state & 2);
        }
    }
}

void HostWindow::updateRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = HostSettings().value("RecentFiles").toStringList();
    for (const QString& path : recent)
        m_recentMenu->addAction(path, this, [this, path] { openFile(path); });
    m_recentMenu->setEnabled(!recent.isEmpty());
}

void HostWindow::updateTitle()
{
    setWindowTitle((m_path.isEmpty() ? QString("Zavora") : "Zavora - " + QFileInfo(m_path).fileName()) + "[*]");
    setWindowModified(isModified());
}

void HostWindow::setPlugin(PluginHost* plugin)
{
    m_plugin = plugin;
    if (!plugin || !plugin->isLoaded()) {
        const QString why = plugin ? plugin->problem() : QString("the Zavora explorer is missing");
        m_pluginState->setText(why.left(1).toUpper() + why.mid(1) + "; the outline can still be edited");
    } else {
        m_pluginState->setText("Zavora loaded");
    }
    updateZavoraMenu();
}

void HostWindow::sendKey(int modifiers)
{
    // A window that went away (a progress window, the menu) may have left
    // none active; the key belongs to the editor.
    if (QApplication::activeWindow() != this) {
        activateWindow();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != this) {
        m_view->setFocus();
        target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    }
    if (!target) target = this;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_F11, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_F11, Qt::KeyboardModifiers(modifiers));
    QApplication::sendEvent(target, &release);
}

bool HostWindow::isModified() const { return m_changedOutside || !m_undo->isClean(); }

bool HostWindow::askToSave()
{
    if (!isModified()) return true;
    const int answer = ZvMessageBox(this, "Save the changes to " + QFileInfo(m_path).fileName().toStdString() + "?",
                                    "Zavora", ZvMB_YESNOCANCEL, ZvMB_ICONQUESTION);
    if (answer == ZvIDCANCEL) return false;
    return answer != ZvIDYES || save();
}

bool HostWindow::openFile(const QString& path)
{
    if (!askToSave()) return false;
    auto& searchPath = zv::outline::LibrarySearchPath();
    const QStringList folders = libraryPath();
    for (const QString& folder : folders)
        if (std::find(searchPath.begin(), searchPath.end(), folder.toStdString()) == searchPath.end())
            searchPath.push_back(folder.toStdString());
    std::string error;
    const HOUTLINE hOutline = zv::host::OpenOutline(path.toStdString(), &error);
    if (!hOutline) {
        ZvMessageBox(this, "Cannot open " + path.toStdString() + ":\n" + error, "Zavora", ZvMB_OK, ZvMB_ICONSTOP);
        return false;
    }
    m_undo->clear();
    setSaved(path);
    QSettings settings = HostSettings();
    QStringList recent = settings.value("RecentFiles").toStringList();
    recent.removeAll(m_path);
    recent.prepend(m_path);
    settings.setValue("RecentFiles", recent.mid(0, 8));
    const QModelIndex root = m_model->index(0, 0);
    m_view->expand(root);
    m_view->setCurrentIndex(root);
    statusBar()->showMessage("Opened " + m_path, 4000);
    return true;
}

void HostWindow::setSaved(const QString& path)
{
    m_path = QFileInfo(path).absoluteFilePath();
    m_changedOutside = false;
    updateTitle();
}

bool HostWindow::save() { return m_path.isEmpty() ? false : saveAs(m_path); }

bool HostWindow::saveAs(const QString& path)
{
    std::string error;
    if (!zv::host::SaveOutline(CurrentOutline(), path.toStdString(), &error)) {
        ZvMessageBox(this, "Cannot save " + path.toStdString() + ":\n" + error, "Zavora", ZvMB_OK, ZvMB_ICONSTOP);
        return false;
    }
    m_undo->setClean();
    setSaved(path);
    statusBar()->showMessage("Saved " + m_path, 4000);
    return true;
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    if (askToSave()) event->accept();
    else event->ignore();
}

std::vector<HITEM> HostWindow::selectedItems() const
{
    std::vector<HITEM> items;
    for (const QModelIndex& index : m_view->selectionModel()->selectedRows())
        if (const HITEM h = m_model->itemAt(index)) items.push_back(h);
    if (items.empty() && m_view->currentItem()) items.push_back(m_view->currentItem());
    return items;
}

bool HostWindow::insertItem(const std::string& line)
{
    const HITEM current = m_view->currentItem();
    if (!current) return false;
    CGItem item(CurrentOutline(), current);
    CGItem parent;
    // Under the root a new item goes first; elsewhere after the current one.
    const bool root = !item.GetParentItem(parent);
    const HITEM hParent = root ? current : parent.GetItem();
    if (CGItem(CurrentOutline(), hParent).IsReadOnly()) return false;
    return push(new InsertCommand(hParent, root ? 0 : current, line, false));
}

bool HostWindow::deleteSelected()
{
    std::vector<HITEM> items;
    for (HITEM h : selectedItems())
        if (!CGItem(CurrentOutline(), h).IsReadOnly() && h != CGApplication(CurrentOutline()).GetItem())
            items.push_back(h);
    if (items.empty()) return false;
    return push(new DeleteCommand(items, "Delete"));
}

bool HostWindow::copySelected()
{
    const std::vector<HITEM> items = selectedItems();
    if (items.empty()) return false;
    const std::string text = zv::host::CopyItems(items);
    auto* mime = new QMimeData;
    mime->setData(kOutlineMime, QByteArray::fromStdString(text));
    mime->setText(QString::fromStdString(text));
    QApplication::clipboard()->setMimeData(mime);
    return true;
}

bool HostWindow::cutSelected()
{
    if (!copySelected()) return false;
    std::vector<HITEM> items;
    for (HITEM h : selectedItems())
        if (!CGItem(CurrentOutline(), h).IsReadOnly()) items.push_back(h);
    if (items.empty()) return false;
    return push(new DeleteCommand(items, "Cut"));
}

bool HostWindow::paste()
{
    const QMimeData* mime = QApplication::clipboard()->mimeData();
    if (!mime) return false;
    const std::string text = mime->hasFormat(kOutlineMime) ? mime->data(kOutlineMime).toStdString()
                                                           : mime->text().toStdString();
    const HITEM current = m_view->currentItem();
    if (!current || text.empty()) return false;
    CGItem parent;
    const bool root = !CGItem(CurrentOutline(), current).GetParentItem(parent);
    const HITEM hParent = root ? current : parent.GetItem();
    // Plain text pastes as one new line.
    if (text.rfind(".head ", 0) != 0)
        return push(new InsertCommand(hParent, root ? 0 : current, text.substr(0, text.find('\n')), false));
    if (!push(new InsertCommand(hParent, root ? 0 : current, text, true))) {
        statusBar()->showMessage("Nothing pasted: the clipboard holds no outline items that fit here", 5000);
        return false;
    }
    return true;
}

bool HostWindow::push(QUndoCommand* command)
{
    // A command that changed nothing made itself obsolete and is gone.
    m_undo->push(command);
    return m_undo->index() > 0 && m_undo->command(m_undo->index() - 1) == command;
}

bool HostWindow::changeKind(const std::string& keyword)
{
    const HITEM current = m_view->currentItem();
    return current && !CGItem(CurrentOutline(), current).IsReadOnly() && push(new LineCommand(current, keyword, true));
}

bool HostWindow::moveCurrent(int delta)
{
    const HITEM current = m_view->currentItem();
    return current && push(new MoveCommand(current, delta));
}

bool HostWindow::editLine(const std::string& line)
{
    const HITEM current = m_view->currentItem();
    return current && !CGItem(CurrentOutline(), current).IsReadOnly() && push(new LineCommand(current, line));
}

bool HostWindow::toggleBreakpoint()
{
    const HITEM current = m_view->currentItem();
    if (!current) return false;
    const bool on = zv::host::HostState::Get().breakpoints.count(current) == 0;
    SetBreak(CurrentOutline(), current, on);
    return true;
}

bool HostWindow::inlineTemp() { return m_plugin && m_plugin->inlineTemp(); }

bool HostWindow::changeToAccessor(HITEM getter, HITEM setter)
{
    return m_plugin && m_plugin->changeToAccessor(getter, setter);
}

void HostWindow::chooseAccessors()
{
    // The program's own functions, by their name paths.
    QStringList names;
    std::vector<HITEM> functions;
    std::vector<HITEM> stack{CGApplication(CurrentOutline()).GetItem()};
    while (!stack.empty()) {
        const CGItem item(CurrentOutline(), stack.back());
        stack.pop_back();
        if (item.IsReadOnly()) continue;
        if (item.GetItemType() == ItemType::Function) {
            CGItem scratch;
            names << QString::fromStdString(GetNamePrefix(CurrentOutline(), item.GetItem(), scratch));
            functions.push_back(item.GetItem());
        }
        for (HITEM c = item.GetFirstChild(); c; c = CGItem(CurrentOutline(), c).GetNextSibling()) stack.push_back(c);
    }
    if (functions.empty()) return;
    bool ok = false;
    const QString getter = QInputDialog::getItem(this, "Change to Accessors", "Getter function:", names, 0, false, &ok);
    if (!ok) return;
    const QString setter = QInputDialog::getItem(this, "Change to Accessors", "Setter function:", names, 0, false, &ok);
    if (!ok) return;
    changeToAccessor(functions[static_cast<std::size_t>(names.indexOf(getter))],
                     functions[static_cast<std::size_t>(names.indexOf(setter))]);
}

void HostWindow::editLibraryPath()
{
    bool ok = false;
    const QString text = QInputDialog::getMultiLineText(
        this, "Library Folders", "Folders searched for included libraries, one a line:", libraryPath().join('\n'),
        &ok);
    if (!ok) return;
    QStringList folders;
    for (const QString& line : text.split('\n'))
        if (!line.trimmed().isEmpty()) folders << line.trimmed();
    setLibraryPath(folders);
}

} // namespace zv::ide
