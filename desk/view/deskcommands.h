#pragma once
// The desk program's commands: every menu item with its text, accelerator,
// status-bar prompt and tool tip. The frame builds one action per command;
// editors find theirs through CMainFrame::Command, connect it and enable it.

#include <QString>

#include <vector>

enum class DeskCommand {
    // File
    PrintSetup,
    BackupMembers,
    BackupWorkouts,
    BackupEvaluations,
    BackupBodyComps,
    ArchiveMembers,
    ArchiveWorkouts,
    ArchiveEvaluations,
    ArchiveBodyComps,
    RestoreMembers,
    RestoreWorkouts,
    RestoreEvaluations,
    RestoreBodyComps,
    StartReportServer,
    CompactDatabase,
    Exit,
    // Options
    OptionReportServer,
    OptionLoadMembers,
    OptionAutoBackup,
    // Members
    AddMember,
    EditMember,
    DeleteMember,
    FindMembers,
    ReportMemberProfile,
    ReportMemberCount,
    ReportEmergencyContacts,
    ReportMembershipStatus,
    ReportRoster,
    // Workouts
    AddWorkout,
    EditWorkouts,
    DeleteAllWorkouts,
    FindWorkouts,
    ReportDailyWorkouts,
    ReportWorkoutSummaries,
    ReportMemberWorkouts,
    ReportClassWorkouts,
    ReportUnknownWorkouts,
    // Evaluations
    AddEvaluation,
    EditEvaluations,
    DeleteAllEvaluations,
    ReportTestResults,
    ReportEvalComparison,
    // Body compositions
    AddBodyComp,
    EditBodyComps,
    DeleteAllBodyComps,
    ReportBodyCompInterp,
    ReportBodyCompComparison,
    // Help
    About,
    // Right-pane button without a menu item
    QuickStatistics
};

struct CDeskCommandInfo {
    DeskCommand id;
    const char* menu;       // "&File", or "&File/&Backup" for a submenu; null: no menu item
    const char* text;       // "&Add...\tCtrl+M": the accelerator after the tab
    const char* prompt;     // status-bar prompt
    const char* toolTip;    // short tip
    int report = -1;        // the report code it requests, or -1
    bool builtHere = false; // enabled by the frame; others wait for their editor
};

// Every command, in menu order.
const std::vector<CDeskCommandInfo>& DeskCommands();
const CDeskCommandInfo& DeskCommandInfo(DeskCommand id);
