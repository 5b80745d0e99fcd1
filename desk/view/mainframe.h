#pragma once
// CMainFrame: the desk program's main window: the member tree on the left,
// the facility header with the command buttons on the right, the menus and
// the status bar whose message pane shows each command's prompt. Every
// command is an action reachable through Command(); commands whose editor
// is not installed stay disabled.

#include "desk/view/deskcommands.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CMainView;
class CMemberTreeView;
class CProgressWindow;
class CVantoraApp;
class CVantoraDoc;
class QAction;
class QPrinter;
class QSplitter;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    static constexpr const char* Title = "Vantora";

    CMainFrame(CVantoraApp& app, CVantoraDoc& doc, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CVantoraDoc& Doc() const { return doc_; }
    CVantoraApp& App() const { return app_; }
    // The action of a command; editors connect its triggered() and enable it.
    QAction* Command(DeskCommand command) const;
    CMemberTreeView* TreeView() const { return tree_; }
    CMainView* HeaderView() const { return view_; }
    // The printer chosen in Print Setup, for the desk's own printing.
    QPrinter& Printer() const { return *printer_; }

    // Asks what report `code` needs and queues it (menus, buttons, editors).
    bool RequestReport(int code);
    // Resets the tree to its root and, with the load-members option on,
    // expands it, which lists every member.
    void StartTree();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void InstallMemberCommands();
    void InstallRecordCommands();
    void OnCommand(DeskCommand command);
    void PrintSetup();
    void StartReportServerCommand();
    void SplitPanes();

    CVantoraApp& app_;
    CVantoraDoc& doc_;
    std::map<DeskCommand, QAction*> actions_;
    QSplitter* splitter_;
    CMemberTreeView* tree_;
    CMainView* view_;
    std::unique_ptr<CProgressWindow> progress_;
    std::unique_ptr<QPrinter> printer_;
    bool split_ = false;
};
