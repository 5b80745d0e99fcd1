#include "desk/view/deskcommands.h"

#include <stdexcept>

namespace {

using D = DeskCommand;

const std::vector<CDeskCommandInfo> Commands = {
    {D::PrintSetup, "&File", "&Print Setup...", "Change the printer and printing options",
     "Print Setup", -1, true},
    {D::BackupMembers, "&File/&Backup", "&Members...", "Copy members to a backup file",
     "Backup Members"},
    {D::BackupWorkouts, "&File/&Backup", "&Workouts...", "Copy workouts to a backup file",
     "Backup Workouts"},
    {D::BackupEvaluations, "&File/&Backup", "&Evaluations...", "Copy evaluations to a backup file",
     "Backup Evaluations"},
    {D::BackupBodyComps, "&File/&Backup", "&Body Compositions...",
     "Copy body compositions to a backup file", "Backup Body Compositions"},
    {D::ArchiveMembers, "&File/&Archive", "&Members...", "Copy then delete members from database",
     "Archive Members"},
    {D::ArchiveWorkouts, "&File/&Archive", "&Workouts...",
     "Copy then delete workouts from database", "Archive Workouts"},
    {D::ArchiveEvaluations, "&File/&Archive", "&Evaluations...",
     "Copy then delete evaluations from database", "Archive Evaluations"},
    {D::ArchiveBodyComps, "&File/&Archive", "&Body Compositions...",
     "Copy then delete body compositions from database", "Archive Body Compositions"},
    {D::RestoreMembers, "&File/&Restore", "&Members...",
     "Copy members from a backup or archive file into database", "Restore Members"},
    {D::RestoreWorkouts, "&File/&Restore", "&Workouts...",
     "Copy workouts from a backup or archive file into database", "Restore Workouts"},
    {D::RestoreEvaluations, "&File/&Restore", "&Evaluations...",
     "Copy evaluations from a backup or archive file into database", "Restore Evaluations"},
    {D::RestoreBodyComps, "&File/&Restore", "&Body Compositions...",
     "Copy body compositions from a backup or archive file into database",
     "Restore Body Compositions"},
    {D::StartReportServer, "&File", "&Start Report Server",
     "Start the program that prints requested reports on this PC", "Start Report Server", -1, true},
    {D::CompactDatabase, "&File", "&Compact and Repair Database...",
     "Reduce database size, enhance database performance, and fix database inconsistencies",
     "Compact and Repair Database"},
    {D::Exit, "&File", "E&xit", "Quit the application", "Exit", -1, true},

    {D::OptionReportServer, "&Options", "&Start Report Server at Start-Up",
     "When starting Vantora, automatically start the report server",
     "&Start Report Server at Start-Up", -1, true},
    {D::OptionLoadMembers, "&Options", "&Load Members at Start-Up",
     "When starting Vantora, automatically list all members", "&Load Members at Start-Up", -1,
     true},
    {D::OptionAutoBackup, "&Options", "&Auto Backup at Exit",
     "When exiting Vantora, automatically back up all data", "&Auto Backup at Exit", -1, true},

    {D::AddMember, "&Members", "&Add...\tCtrl+M", "Enter new member", "Add"},
    {D::EditMember, "&Members", "&Edit...\tCtrl+Alt+M", "Change the data of one member", "Edit"},
    {D::DeleteMember, "&Members", "&Delete...",
     "Delete one member with all of the member's records", "Delete"},
    {D::FindMembers, "&Members", "&Find...", "Find and list members by search criteria", "Find"},
    {D::ReportMemberProfile, "&Members/&Reports", "Member &Profile...",
     "Generate profile of one member", "Member Profile", 0, true},
    {D::ReportMemberCount, "&Members/&Reports", "Member &Count",
     "Generate count of members by status and class", "Member Count", 1, true},
    {D::ReportEmergencyContacts, "&Members/&Reports", "Member &Emergency Contacts...",
     "Generate list of members' emergency contacts", "Member Emergency Contacts", 2, true},
    {D::ReportMembershipStatus, "&Members/&Reports", "Membership &Status...",
     "Generate list of members with their enrollment and expiration dates", "Membership Status", 3,
     true},
    {D::ReportRoster, "&Members/&Reports", "Cate&gory/Course/Section &Roster...",
     "Generate list of members enrolled in a category, course, or section",
     "Category/Course/Section Roster", 4, true},

    {D::AddWorkout, "&Workouts", "&Add...\tCtrl+W", "Enter new workout", "Add"},
    {D::EditWorkouts, "&Workouts", "&Edit/Delete...\tCtrl+Alt+W",
     "List the workouts of one member to change or delete them", "Edit/Delete"},
    {D::DeleteAllWorkouts, "&Workouts", "&Delete All...", "Delete workouts from database",
     "Delete All"},
    {D::FindWorkouts, "&Workouts", "&Find...", "Find and list workouts by search criteria", "Find"},
    {D::ReportDailyWorkouts, "&Workouts/&Reports", "&Daily Workouts...",
     "Generate list of the workouts of one day", "Daily Workouts", 5, true},
    {D::ReportWorkoutSummaries, "&Workouts/&Reports", "Workout &Summaries...",
     "Generate summaries of members' workouts", "Workout Summaries", 6, true},
    {D::ReportMemberWorkouts, "&Workouts/&Reports", "&Member Workouts...",
     "Generate list of the workouts of one member", "Member Workouts", 7, true},
    {D::ReportClassWorkouts, "&Workouts/&Reports", "&Category/Course/Section Workouts...",
     "Generate summaries of the workouts of a category, course, or section",
     "Category/Course/Section Workouts", 8, true},
    {D::ReportUnknownWorkouts, "&Workouts/&Reports", "Category \"&Unknown\" Workouts",
     "Generate list of workouts that are not associated with any category, course, or section",
     "Category \"Unknown\" Workouts", 13, true},

    {D::AddEvaluation, "&Evaluations", "&Add...\tCtrl+E", "Enter new evaluation", "Add"},
    {D::EditEvaluations, "&Evaluations", "&Edit/Delete...\tCtrl+Alt+E",
     "List the evaluations of one member to change or delete them", "Edit/Delete"},
    {D::DeleteAllEvaluations, "&Evaluations", "&Delete All...", "Delete evaluations from database",
     "Delete All"},
    {D::ReportTestResults, "&Evaluations/&Reports", "Test Results &Interpretation...",
     "Generate interpretation of one member's latest evaluation", "Test Results Interpretation", 9,
     true},
    {D::ReportEvalComparison, "&Evaluations/&Reports", "Evaluation &Comparison...",
     "Generate comparison of two of one member's evaluations", "Evaluation Comparison", 10, true},

    {D::AddBodyComp, "&Body Compositions", "&Add...\tCtrl+B", "Enter new body composition", "Add"},
    {D::EditBodyComps, "&Body Compositions", "&Edit/Delete...\tCtrl+Alt+B",
     "List the body compositions of one member to change or delete them", "Edit/Delete"},
    {D::DeleteAllBodyComps, "&Body Compositions", "&Delete All...",
     "Delete body compositions from database", "Delete All"},
    {D::ReportBodyCompInterp, "&Body Compositions/&Reports", "Body Composition &Interpretation...",
     "Generate interpretation of one member's latest body composition",
     "Body Composition Interpretation", 11, true},
    {D::ReportBodyCompComparison, "&Body Compositions/&Reports", "Body Composition &Comparison...",
     "Generate comparison of two of one member's body compositions", "Body Composition Comparison",
     12, true},

    {D::About, "&Help", "&About Vantora",
     "Display program information, version number and copyright", "About", -1, true},
    {D::QuickStatistics, nullptr, "Quick Statistics",
     "Show counts of members, workouts, evaluations and body compositions", "Quick Statistics"},
};

} // namespace

const std::vector<CDeskCommandInfo>& DeskCommands() {
    return Commands;
}

const CDeskCommandInfo& DeskCommandInfo(DeskCommand id) {
    for (const CDeskCommandInfo& info : Commands)
        if (info.id == id)
            return info;
    throw std::logic_error("unknown desk command");
}
