#pragma once
// CVantoraApp: the desk program's start and exit without its windows: the
// three per-user options, the refusals that keep the program from starting,
// and the two companion programs it starts and stops, the report server
// (repserve) and the backup utility (vantobk).

#include <QString>

#include <string>

class QSettings;

class CVantoraApp {
public:
    static constexpr const char* Title = "Vantora";
    static constexpr const char* ReportServerTitle = "Report Server";
    static constexpr const char* BackupUtilityTitle = "Backup Utility";
    static constexpr const char* ReportServerProgram = "repserve";
    static constexpr const char* BackupUtilityProgram = "vantobk";

    // The options, 0 (off) or non-zero (on), with their built-in defaults.
    int reportServer = 1; // start the report server at start-up
    int loadMembers = 0;  // load every member into the tree at start-up
    int autoBackup = 0;   // start the backup utility at exit

    // Reads the options from the user's settings (organisation "Brisamo",
    // application "Vantora", group "settings"); a stored -1, or none, keeps
    // the built-in default.
    void ReadOptions();
    void ReadOptions(QSettings& settings);
    // Writes the three options (at exit).
    void WriteOptions() const;
    void WriteOptions(QSettings& settings) const;
    // Options menu: 0 becomes 1, anything else 0.
    static void Toggle(int& option) { option = option == 0 ? 1 : 0; }

    // Whether the store folders are named and the four store files are
    // there (on a database server: the four stores open); false after one
    // message naming the first missing variable or file, or why the server
    // refused (every record set would otherwise complain on its own).
    static bool CheckFolders();

    // Starts the report server unless it runs; false when it could not start.
    bool StartReportServer() const;
    // Asks a running report server to quit.
    void StopReportServer() const;
    // With the auto-backup option on, starts the backup utility unless it
    // runs; false, after its message, when it could not start.
    bool StartBackupUtility() const;
    // The end of the program: backup utility, report server asked to quit,
    // options written.
    void ExitInstance() const;

    // Where a companion is looked for first (the desk program's folder by
    // default); then the search path.
    void SetProgramFolder(const QString& folder) { programFolder_ = folder; }
    // The companion's executable, or empty when neither place has it.
    QString FindProgram(const char* name) const;

    static constexpr const char* MsgReportServerFailed =
        "Error: the report server application failed to initialize on this PC.";
    static constexpr const char* MsgBackupFailed =
        "Error: the Vantora backup utility failed to initialize on this PC.";

private:
    bool StartCompanion(const char* title, const char* program) const;

    QString programFolder_;
};
