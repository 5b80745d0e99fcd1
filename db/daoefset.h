#pragma once
// CDAOEFSet: the base of every record set of the db library.
//
// A set is a dynaset over one table, or over several tables joined by its
// filter, in one store file (an SQLite database). Opening runs the query once
// and keeps the hidden integer key (`_key`) of every matching row, in order;
// positions, counts, moves and deleted-row detection work on that key list
// and the current row is read by key. Rows added through the set join the end
// of the list. Filters and sorts are written in the original dialect
// ("MemberID = lParam0 AND CheckIn >= datetimeParam0", "CheckIn DESC",
// "[Members].[LastName]", "(Goals\4) mod 2 = 1"); parameter names in them are
// bound as named parameters, never formatted into the SQL text. Text compares
// and sorts without regard to case; rows the sort leaves equal (all rows
// without a sort) come in table order. While the cursor walks forward the
// set reads rows ahead in blocks; a write of this program drops them, and
// opEdit always reads its row afresh.
//
// Locking is pessimistic: opEdit and opAddNew take the store's write lock,
// opUpdate writes the row and releases it; closing, requerying or moving away
// without an update drops the pending change and releases the lock. Every
// database error is caught inside the set, shown through the notice facade
// with the exclamation icon, and the documented fallback value is returned.
// No exception leaves the set.
//
// Writing a table class:
//
//   class CDAOWk : public CDAOEFSet {
//   public:
//       CDAOWk() { m_nFields = 3; }
//       long MemberID = 0;
//       unsigned char ClassIndx = 0;
//       CEFOleDateTime CheckIn;
//       std::string GetDefaultDBName() const override { return GetDBPath() + "members.mdb"; }
//       std::string GetDefaultSQL() const override { return "[Workouts]"; }
//       void DoFieldExchange(CDAOFieldExchange& fx) override {
//           fx.Long("[MemberID]", MemberID);
//           fx.Byte("[ClassIndx]", ClassIndx);
//           fx.DateTime("[CheckIn]", CheckIn);
//           CDAOEFSet::DoFieldExchange(fx); // binds the fifteen parameters
//       }
//       int FindWks(long const& memberId) {
//           lParam0 = memberId;
//           m_strFilter = "MemberID = lParam0";
//           m_strSort = "CheckIn DESC";
//           return OpenSet(true);
//       }
//   };
//
// A joined view returns "[Enrollments],[Members],[Profiles]" from
// GetDefaultSQL, names ambiguous columns as "[Members].[MemberID]" and puts the
// join condition in every filter. A class with parameters of its own binds
// them with fx.Param(name, member) after its columns and before calling the
// base, and raises m_nParams by their number.

#include "util/efoledatetime.h"

#include <cstddef>
#include <fstream>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <vector>

class CText;
class CDAOEFSet;

// Collects the bindings of a set: each column by name and type to a member
// variable, and each query parameter by name. The set calls DoFieldExchange
// once when it opens and then reads and writes the bound members directly.
class CDAOFieldExchange {
public:
    enum class Type { Long, Short, Byte, Text, Double, DateTime };

    // Room for the bindings of the widest record set, so that binding a set
    // does not grow the list step by step.
    CDAOFieldExchange() { bindings_.reserve(64); }

    struct Binding {
        std::string name; // column as written ("[Members].[MemberID]") or parameter name
        Type type;
        void* value; // the bound member, of the C++ type matching `type`
        bool param;
    };

    // Columns: Long, Short and Byte are INTEGER in the store, Text is TEXT,
    // Double and DateTime (the day count) are REAL.
    void Long(std::string column, long& value) {
        add(std::move(column), Type::Long, &value, false);
    }
    void Short(std::string column, short& value) {
        add(std::move(column), Type::Short, &value, false);
    }
    void Byte(std::string column, unsigned char& value) {
        add(std::move(column), Type::Byte, &value, false);
    }
    void Text(std::string column, std::string& value) {
        add(std::move(column), Type::Text, &value, false);
    }
    void Double(std::string column, double& value) {
        add(std::move(column), Type::Double, &value, false);
    }
    void DateTime(std::string column, CEFOleDateTime& value) {
        add(std::move(column), Type::DateTime, &value, false);
    }

    // Query parameters, referred to by name in filters.
    void Param(std::string name, long& value) { add(std::move(name), Type::Long, &value, true); }
    void Param(std::string name, short& value) { add(std::move(name), Type::Short, &value, true); }
    void Param(std::string name, unsigned char& value) {
        add(std::move(name), Type::Byte, &value, true);
    }
    void Param(std::string name, std::string& value) {
        add(std::move(name), Type::Text, &value, true);
    }
    void Param(std::string name, CEFOleDateTime& value) {
        add(std::move(name), Type::DateTime, &value, true);
    }

    const std::vector<Binding>& Bindings() const { return bindings_; }
    int ColumnCount() const;
    int ParamCount() const;

private:
    void add(std::string name, Type type, void* value, bool param) {
        bindings_.push_back(Binding{std::move(name), type, value, param});
    }
    std::vector<Binding> bindings_;
};

class CDAOEFSet {
public:
    // Cursor operations of Op().
    enum op {
        opAddNew = 0,
        opEdit = 1,
        opUpdate = 2,
        opDelete = 3,
        opMoveFirst = 4,
        opMoveNext = 5,
        opMoveLast = 6,
        opNone = 7,
        opRequery = 8,
        opClose = 9
    };

    // Takes the store location and the backup folder from the facility's
    // location (VANTO_DB, VANTO_BACK); an unset variable leaves its path
    // empty. VANTO_DB is reported here ("Error: system environment
    // variable \"VANTO_DB\" is not set"), VANTO_BACK when the backup folder
    // is asked for.
    CDAOEFSet();
    virtual ~CDAOEFSet();
    CDAOEFSet(const CDAOEFSet&) = delete;
    CDAOEFSet& operator=(const CDAOEFSet&) = delete;

    // The fifteen query parameters.
    long lParam0 = 0, lParam1 = 0, lParam2 = 0;
    short sParam0 = 0, sParam1 = 0, sParam2 = 0;
    unsigned char byteParam0 = 0, byteParam1 = 0, byteParam2 = 0;
    std::string strParam0, strParam1, strParam2;
    CEFOleDateTime datetimeParam0, datetimeParam1, datetimeParam2;

    // WHERE condition and ORDER BY list in the original dialect; applied at
    // the next OpenSet or requery.
    std::string m_strFilter;
    std::string m_strSort;
    // Declared counts, checked against the bindings when the set opens (a
    // mismatch is reported and the set stays closed). 0 columns skips the
    // column check.
    int m_nFields = 0;
    int m_nParams = 15;

    // The database folder and the backup folder, each ending in '/', or
    // empty when the variable is unset.
    std::string GetDBPath() const { return m_strDBPath; }
    std::string GetFilePath() const;

    // Per-class hooks: the store file, the table or joined tables, the bindings.
    virtual std::string GetDefaultDBName() const = 0;
    virtual std::string GetDefaultSQL() const = 0;
    // Binds the fifteen parameters; table classes bind their columns first.
    virtual void DoFieldExchange(CDAOFieldExchange& fx);

    // Opens the set (or requeries it when open, applying a new filter, sort
    // or parameter values); with count, returns the number of matching rows
    // and leaves the cursor on the first, else returns 0.
    int OpenSet(bool count);
    // One cursor operation (op values 0..9); nothing happens on a closed set
    // or for other values.
    void Op(int const& operation);
    // Moves to the row at the 0-based position; false when there is none.
    bool MoveSet(int const& position);
    // The number of rows of the set; leaves the cursor on the first.
    int CountSet();
    // A random record id, 0..32767, seeded from the clock's milliseconds.
    long GenerateKey() const;

    virtual int IsEOF();
    // Deletes the current row and moves to the next.
    virtual void DelCurrent();
    // Deletes the row at the position, through DelCurrent.
    virtual void Del(int const& position);
    // Deletes every row of the current result; returns how many.
    virtual int DelAll();
    // Record export: the base writes nothing, recognises nothing, restores nothing.
    virtual void Save(CText* text) const;
    virtual bool Test(std::ifstream& in, char const& delimiter) const;
    virtual int Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                        bool const& flag);

    // State of the cursor.
    bool IsOpen() const;
    bool IsBOF() const;
    // True while the cursor rests on a row deleted through this set or by
    // another program since the set was opened.
    bool IsDeleted() const;
    // Position of the current row in the key list, -1 when there is none.
    long GetAbsolutePosition() const;
    // Rows in the key list (rows deleted by others stay until a requery).
    long GetRecordCount() const;
    // True between opAddNew/opEdit and opUpdate.
    bool IsEditing() const;
    // True when the most recent OpenSet, Op, MoveSet, CountSet, Del,
    // DelCurrent or DelAll reported a database error (a write that did not
    // reach the store, a query that could not run); each of them resets it.
    bool LastOpFailed() const { return m_bLastOpFailed; }
    // Starts a new record with the values the bound members hold now
    // (opAddNew would clear them), for fields parsed before the add.
    void AddNewAsIs();
    // Limits the rows of the next open or requery to the first n (0: no limit).
    void SetMaxRecords(long n);
    // For bulk filling: rows added from now on are not visited again through
    // this set (they do not join its rows), so inside a batch on a server
    // they are sent together with others of the table.
    void SetAppendOnly(bool appendOnly);

    // Helpers for Restore: one delimited field (stops at the delimiter or the
    // end of the line, keeps at most maxLen characters and skips the rest of
    // an over-long field), the last field of a line (up to and including the
    // newline), skipping a line, and whether another record line follows.
    static std::string ReadField(std::istream& in, char const& delimiter, std::size_t maxLen = 29);
    static std::string ReadLastField(std::istream& in, std::size_t maxLen = 29);
    static void SkipLine(std::istream& in);
    static bool HasRecord(std::istream& in);
    // One whole line without its line end (a trailing '\r' is dropped);
    // false when the stream holds no further line.
    static bool ReadLine(std::istream& in, std::string& line);
    // Splits a line at the delimiter into exactly count fields, each cut to
    // maxLen characters; false (fields unspecified) when the line holds
    // another number of fields.
    static bool SplitFields(std::string const& line, char const& delimiter, std::size_t count,
                            std::vector<std::string>& fields, std::size_t maxLen = 29);
    // C library conversions: leading digits, anything else gives 0.
    static long ToLong(std::string const& text);
    static short ToShort(std::string const& text);
    static unsigned char ToByte(std::string const& text);
    static double ToDouble(std::string const& text);
    // "%m/%d/%Y %H:%M:%S" (or a date alone); empty gives null, else invalid.
    static CEFOleDateTime ToDateTime(std::string const& text);

    // What the last Restore of this set did: the records it stored (each
    // whole, and counted only once its commit succeeded), the lines skipped
    // as damaged with the first of their numbers, and whether it stopped
    // before the end because the store could not be opened or refused
    // its records (after one notice).
    struct RestoreSummary {
        int restored = 0;
        int skipped = 0;
        std::vector<long> skippedLines; // the first MaxListedLines, ascending
        bool stopped = false;
        long stoppedAt = 0; // the line it stopped at; 0 before any line
    };
    static constexpr std::size_t MaxListedLines = 10;
    const RestoreSummary& LastRestore() const { return m_restore; }
    // "You have restored %i record(s)." and, when lines were skipped, how
    // many and the first line numbers; when the restore stopped early, at
    // which line and that running it again finishes it.
    static std::string RestoreMessage(RestoreSummary const& summary);
    std::string RestoreMessage() const { return RestoreMessage(m_restore); }

    // Strict conversions for restores: the whole text must be the number
    // (or date-time) and lie in lo..hi; false otherwise, out unchanged.
    static bool ParseLong(std::string const& text, long lo, long hi, long& out);
    static bool ParseShort(std::string const& text, short lo, short hi, short& out);
    static bool ParseByte(std::string const& text, unsigned char lo, unsigned char hi,
                          unsigned char& out);
    // Finite decimal numbers only.
    static bool ParseDouble(std::string const& text, double lo, double hi, double& out);
    // A valid "%m/%d/%Y %H:%M:%S" (or a date alone); empty text is the null
    // date-time when allowEmpty.
    static bool ParseDateTime(std::string const& text, bool allowEmpty, CEFOleDateTime& out);
    // Text of an export file as UTF-8: a line that is not valid UTF-8 is
    // read as Latin-1.
    static void DecodeLine(std::string& line);

    // Messages shown by the set.
    static constexpr const char* MsgNoDB =
        "Error: system environment variable \"VANTO_DB\" is not set";
    static constexpr const char* MsgNoBack =
        "Error: system environment variable \"VANTO_BACK\" is not set";
    static constexpr const char* MsgUpdateWithoutEdit =
        "Error: update without a preceding add or edit";

    class Impl;

protected:
    // An export file name in the backup folder: the pattern with %1 the
    // folder and %2 the current date and time as twelve digits.
    std::string ExportPathFileName(char const* pattern) const;
    // Moves a date range to whole days (from midnight to the last second)
    // and binds it as datetimeParam0 and datetimeParam1; false, after the
    // invalid-date message, when either end is not a valid date.
    bool BindDayRange(CEFOleDateTime& from, CEFOleDateTime& to);

    // Reports a database error the way every set operation does.
    static void ReportError(std::string const& text);

    // The restore routine of every reader. It reads the stream line by line
    // (line ends "\n" or "\r\n", text decoded by DecodeLine, blank lines
    // passed over) and hands each line to `read`, which checks every field
    // of it before writing anything and then writes its record through
    // its sets. A record is stored all or nothing: commits fall between
    // records only, and a record whose write fails is rolled back with
    // what is not committed yet; the restore then stops. Records count when
    // the commit holding them has succeeded. With a kind, the routine keeps
    // the file's identity (kind, size, content hash, member and flag) and
    // the last committed line in the store, inside each commit, so that the
    // same restore run again after an interruption goes on after that line;
    // the record goes when the file has been read to its end.
    enum RestoreLine {
        lineStored,     // the record was written
        lineStoredLast, // written, and the restore ends here
        linePassed,     // a sound line the reader leaves out
        linePassedLast, // left out, and the restore ends here
        lineDamaged,    // a field does not parse or lies outside its range
        lineFailed      // a write failed (reported): the restore stops
    };
    using LineReader = std::function<RestoreLine(std::string const& line)>;
    // The largest measurement a restore accepts (a height, weight, girth,
    // skin fold, temperature or test result); larger ones are damage.
    static constexpr double MaxMeasure = 100000.0;
    int RestoreRecords(std::istream& in, char const* kind, long memberId, int flag,
                       LineReader const& read);
    // The next count fields of a stream (a part of an export line), each
    // decoded as DecodeLine does.
    static std::vector<std::string> ReadRestoreFields(std::istream& in, char const& delimiter,
                                                      std::size_t count);
    // Stores one restored record: edits the current row when edit, else
    // adds one; `take` puts the line's values into the bound members (after
    // the edit has read the stored row into them). 1 when stored.
    int StoreRestored(bool edit, std::function<void()> const& take);
    // Whether a restore can start: the database folder is known and the
    // store file opens (one notice otherwise). Readers ask before making
    // their other sets, each of which would repeat a folder message.
    bool RestoreStoreReady();

private:
    class FailureScope;
    RestoreSummary m_restore;
    std::string m_strDBPath;
    bool m_bLastOpFailed = false;
    bool m_bInOperation = false;
    std::string m_strFilePath;
    std::unique_ptr<Impl> d_;
};
