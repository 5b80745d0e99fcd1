#pragma once
// CStoreCompaction: compacting the four store files. The report server is
// asked to quit and the check-ins and report requests are cleared; then each
// store, in turn, is checkpointed into its main file and closed, the
// previous ".old" copy is removed, the file moves to ".old" with any side
// files, and a compacted copy is written under the store's own name. The
// ".old" file stays a complete store. While another program still has any of
// the stores open, nothing is changed and the user is told why. Stores on a
// database server are the server's to keep: there nothing is changed, and
// the user is told so.

#include <string>
#include <vector>

class CVantoraApp;
class CVantoraDoc;

class CStoreCompaction {
public:
    // Without an app (tests) no report server is stopped.
    CStoreCompaction(CVantoraDoc& doc, CVantoraApp* app) : doc_(doc), app_(app) {}

    // The File menu item; true when the stores were compacted and the
    // program is to exit now.
    bool CompactDatabase();
    // The work after the question: false, after an "Error: ..." message and
    // with nothing changed, when another program has a store open.
    bool CompactStores();

    // The four store files in the order they are compacted: check-ins,
    // report requests, center, members.
    std::vector<std::string> StoreFiles() const;
    // The previous copy of a store: ".mdb" replaced by ".old".
    static std::string OldName(const std::string& path);

    static constexpr const char* MsgQuestion =
        "You have selected to compact your database. Before proceeding,\nensure that:\n\n\t1. "
        "There are no members checked into your facility;\n\n\t2. There are no reports pending "
        "to be printed; and\n\n\t3. All other Vantora software, including VantoraTouch\n\trunning "
        "on all check-in stations and any Report Server running on\n\tanother computer, is "
        "stopped.\n\nProceeding without complying with these pre-requisites could\nresult in "
        "loss or corruption of data.";
    static constexpr const char* MsgDone =
        "Database compaction is complete. When you click \"OK,\"\nVantora will exit, and you will "
        "need to manually\nrestart the Vantora software to continue operations.";
    static constexpr const char* MsgInUse =
        "Error: another program still has the database file \"%1\" open.\nStop VantoraTouch on "
        "every check-in station, every Report Server and every other\nVantora program, then "
        "compact again. Nothing was changed.";
    static constexpr const char* MsgOnServer =
        "The stores are on the database server %1, which keeps its tables compact itself.\n"
        "Nothing was changed.";
    static constexpr const char* MsgFailed =
        "Error: the database file \"%1\" could not be compacted: %2\nThe file was left as it was.";

private:
    // True, after MsgOnServer, when the stores are on a server.
    static bool OnServer();
    // Whether no other program has the store open; leaves the store
    // checkpointed into its main file, without side files.
    static bool TakeOver(const std::string& path, int waitMs, std::string& why);
    // Compacts one store; false after a message when it was left as it was.
    static bool CompactOne(const std::string& path);

    CVantoraDoc& doc_;
    CVantoraApp* app_;
};
