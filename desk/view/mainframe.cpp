#include "desk/view/mainframe.h"

#include "desk/core/deskapplication.h"
#include "desk/core/deskdocument.h"
#include "desk/core/reportrequest.h"
#include "desk/view/aboutdialog.h"
#include "desk/view/backupcommands.h"
#include "desk/view/facilityheaderview.h"
#include "desk/view/membercommands.h"
#include "desk/view/membertreeview.h"
#include "desk/view/progresswindow.h"
#include "desk/view/recordcommands.h"
#include "desk/view/reportrequestdialogs.h"
#include "util/notice.h"

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStatusBar>

CMainFrame::CMainFrame(CVantoraApp& app, CVantoraDoc& doc, QWidget* parent)
    : QMainWindow(parent), app_(app), doc_(doc), splitter_(new QSplitter(Qt::Horizontal, this)),
      tree_(new CMemberTreeView(doc.Tree(), splitter_)), view_(new CMainView(doc, splitter_)),
      progress_(std::make_unique<CProgressWindow>(this)),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setWindowTitle(QString::fromLatin1(Title));
    setObjectName(QStringLiteral("mainFrame"));
    setGeometry(75, 75, 700, 550);
    splitter_->addWidget(tree_);
    splitter_->addWidget(view_);
    splitter_->setChildrenCollapsible(false);
    setCentralWidget(splitter_);
    statusBar()->showMessage(QStringLiteral("Ready"));
    doc_.SetProgress(progress_.get());
    CreateActions();
    CreateMenus();
    InstallMemberCommands();
    InstallRecordCommands();
    CBackupCommands::Install(*this);
    for (DeskCommand command : CMainView::ButtonCommands())
        view_->Bind(command, Command(command));
    SplitPanes();
}

// The Members menu's add, edit, delete and find, and the tree's double-click
// on a member's profile and Delete key on a member.
void CMainFrame::InstallMemberCommands() {
    auto* members = new CMemberCommands(doc_, this);
    const std::pair<DeskCommand, void (CMemberCommands::*)()> commands[] = {
        {DeskCommand::AddMember, &CMemberCommands::AddMember},
        {DeskCommand::EditMember, &CMemberCommands::EditMemberCommand},
        {DeskCommand::DeleteMember, &CMemberCommands::DeleteMemberCommand},
        {DeskCommand::FindMembers, &CMemberCommands::FindMembers}};
    for (const auto& [command, slot] : commands) {
        Command(command)->setEnabled(true);
        connect(Command(command), &QAction::triggered, members, slot);
    }
    connect(tree_, &CMemberTreeView::recordOpened, members, &CMemberCommands::OpenTreeRecord);
    connect(tree_, &CMemberTreeView::recordDeleteRequested, members,
            &CMemberCommands::DeleteTreeRecord);
}

// The Workouts, Evaluations and Body Compositions menus' add, edit/delete
// and find, Quick Statistics, and the tree's double-click and Delete key on
// workout, evaluation and body-composition leaves.
void CMainFrame::InstallRecordCommands() {
    auto* records = new CRecordCommands(doc_, this);
    const std::pair<DeskCommand, void (CRecordCommands::*)()> commands[] = {
        {DeskCommand::AddWorkout, &CRecordCommands::AddWorkout},
        {DeskCommand::EditWorkouts, &CRecordCommands::EditWorkouts},
        {DeskCommand::FindWorkouts, &CRecordCommands::FindWorkouts},
        {DeskCommand::AddEvaluation, &CRecordCommands::AddEvaluation},
        {DeskCommand::EditEvaluations, &CRecordCommands::EditEvaluations},
        {DeskCommand::AddBodyComp, &CRecordCommands::AddBodyComp},
        {DeskCommand::EditBodyComps, &CRecordCommands::EditBodyComps},
        {DeskCommand::QuickStatistics, &CRecordCommands::QuickStatistics}};
    for (const auto& [command, slot] : commands) {
        Command(command)->setEnabled(true);
        connect(Command(command), &QAction::triggered, records, slot);
    }
    connect(tree_, &CMemberTreeView::recordOpened, records, &CRecordCommands::OpenTreeRecord);
    connect(tree_, &CMemberTreeView::recordDeleteRequested, records,
            &CRecordCommands::DeleteTreeRecord);
}

CMainFrame::~CMainFrame() {
    doc_.SetProgress(nullptr);
}

QAction* CMainFrame::Command(DeskCommand command) const {
    auto it = actions_.find(command);
    return it == actions_.end() ? nullptr : it->second;
}

void CMainFrame::CreateActions() {
    for (const CDeskCommandInfo& info : DeskCommands()) {
        QString text = QString::fromLatin1(info.text);
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        auto* action = new QAction(tab < 0 ? text : text.left(tab), this);
        if (tab >= 0)
            action->setShortcut(QKeySequence(text.mid(tab + 1)));
        action->setStatusTip(QString::fromLatin1(info.prompt));
        action->setToolTip(QString::fromLatin1(info.toolTip).remove(QLatin1Char('&')));
        action->setEnabled(info.builtHere);
        actions_[info.id] = action;
        if (info.builtHere)
            connect(action, &QAction::triggered, this, [this, id = info.id] { OnCommand(id); });
    }
    const std::pair<DeskCommand, int CVantoraApp::*> options[] = {
        {DeskCommand::OptionReportServer, &CVantoraApp::reportServer},
        {DeskCommand::OptionLoadMembers, &CVantoraApp::loadMembers},
        {DeskCommand::OptionAutoBackup, &CVantoraApp::autoBackup}};
    for (const auto& [command, option] : options) {
        QAction* action = Command(command);
        action->setCheckable(true);
        action->setChecked(app_.*option != 0);
    }
}

void CMainFrame::CreateMenus() {
    std::map<QString, QMenu*> menus;
    auto menuFor = [&](const QString& path) {
        QMenu*& menu = menus[path];
        if (menu == nullptr) {
            const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
            menu = slash < 0 ? menuBar()->addMenu(path)
                             : menus[path.left(slash)]->addMenu(path.mid(slash + 1));
        }
        return menu;
    };
    for (const CDeskCommandInfo& info : DeskCommands()) {
        if (info.menu == nullptr)
            continue;
        const QString path = QString::fromLatin1(info.menu);
        // A submenu's parent exists before it.
        if (path.contains(QLatin1Char('/')))
            menuFor(path.left(path.indexOf(QLatin1Char('/'))));
        QMenu* menu = menuFor(path);
        if (info.id == DeskCommand::StartReportServer || info.id == DeskCommand::Exit ||
            info.id == DeskCommand::CompactDatabase)
            menu->addSeparator();
        menu->addAction(Command(info.id));
    }
}

void CMainFrame::OnCommand(DeskCommand command) {
    const CDeskCommandInfo& info = DeskCommandInfo(command);
    if (info.report >= 0) {
        RequestReport(info.report);
        return;
    }
    switch (command) {
    case DeskCommand::PrintSetup:
        PrintSetup();
        break;
    case DeskCommand::StartReportServer:
        StartReportServerCommand();
        break;
    case DeskCommand::Exit:
        close();
        break;
    case DeskCommand::OptionReportServer:
        CVantoraApp::Toggle(app_.reportServer);
        Command(command)->setChecked(app_.reportServer != 0);
        break;
    case DeskCommand::OptionLoadMembers:
        CVantoraApp::Toggle(app_.loadMembers);
        Command(command)->setChecked(app_.loadMembers != 0);
        break;
    case DeskCommand::OptionAutoBackup:
        CVantoraApp::Toggle(app_.autoBackup);
        Command(command)->setChecked(app_.autoBackup != 0);
        break;
    case DeskCommand::About: {
        CAboutDlg about(this);
        about.exec();
        break;
    }
    default:
        break;
    }
}

bool CMainFrame::RequestReport(int code) {
    CDeskReportDialogs dialogs(this);
    CReportRequest request(doc_, dialogs);
    return request.RequestReport(code);
}

void CMainFrame::PrintSetup() {
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    // The choice is kept for later printing; nothing is printed now.
    for (auto* box : dialog.findChildren<QDialogButtonBox*>())
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("OK"));
    dialog.exec();
}

void CMainFrame::StartReportServerCommand() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool started = app_.StartReportServer();
    QApplication::restoreOverrideCursor();
    vantora::notice::show(started ? "Report Server is running on this PC."
                                  : CVantoraApp::MsgReportServerFailed);
}

void CMainFrame::StartTree() {
    doc_.Tree().ResetTree();
    if (app_.loadMembers != 0)
        tree_->expand(doc_.Tree().RootIndex());
}

void CMainFrame::SplitPanes() {
    const int w = splitter_->width();
    splitter_->setSizes({w / 3, 2 * (w / 3)});
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The panes are split once, as the window first appears; the user may
    // move the bar afterwards.
    if (!split_) {
        split_ = true;
        SplitPanes();
    }
}
