#pragma once
// The tables of the four store files: every column with its name, kind and
// order as the record sets exchange them, the indexes behind their filters,
// and the creation and checking of a store file.
//
// Each table starts with a hidden key column `_key` (INTEGER PRIMARY KEY
// AUTOINCREMENT): it gives table order and lets a record set find its rows
// again; keys are never reused, so a deleted row's key never names a new row.
// Long, Short and Byte columns are stored as INTEGER, Text as TEXT, Double
// and DateTime (the day count of CEFOleDateTime) as REAL.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class QSqlDatabase;

namespace vantora::db::schema {

enum class Store { Members, Center, ChkIn, Reports };
// Store files, or the tables of a database on a PostgreSQL server.
enum class Engine { File, Server };
enum class Kind { Long, Short, Byte, Text, Double, DateTime };

struct Column {
    std::string_view name;
    Kind kind;
    // Text columns: the most characters (not bytes) the column holds; 0 for
    // the other kinds.
    int size = 0;
};

struct Index {
    std::string_view name;
    std::string_view columns; // comma-separated, in index order
};

struct Table {
    std::string_view name;
    Store store;
    std::span<const Column> columns; // the record sets' order, without `_key`
    std::span<const Index> indexes;
};

// Schema version written into each store (PRAGMA user_version); a later
// release that changes a table raises it and upgrades older files in place.
inline constexpr int version = 1;
// Marks a file as one of this system's stores (PRAGMA application_id).
inline constexpr int applicationId = 0x56544E41;
inline constexpr std::string_view keyColumn = "_key";
// On a server: the table that marks each store with the mark and version a
// file keeps in its header, and the collation of caseless compares.
inline constexpr std::string_view storesTable = "\"_stores\"";
inline constexpr const char* caselessCollation = "vantora_nocase";
// On a server: the columns of a table of the current schema (bound: the
// table's name), each with its name and type ("bigint", "text",
// "double precision"), in their order.
inline constexpr const char* serverColumnsQuery =
    "SELECT a.attname, format_type(a.atttypid, a.atttypmod) FROM pg_attribute a WHERE "
    "a.attrelid = to_regclass(quote_ident(current_schema()) || '.' || quote_ident(?)) AND "
    "a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum";
inline constexpr std::array<Store, 4> stores = {Store::Members, Store::Center, Store::ChkIn,
                                                Store::Reports};

// "members.mdb", "center.mdb", "chkin.mdb", "reports.mdb".
std::string_view fileName(Store store);
// The store kept in a file of that name (exact, as the record sets name them).
std::optional<Store> storeForFile(std::string_view fileName);

// Every table of every store, grouped by store.
std::span<const Table> tables();
std::vector<const Table*> tables(Store store);
// A table by name; a bracketed name ("[Workouts]") is accepted too.
const Table* findTable(std::string_view name);
const Column* findColumn(const Table& table, std::string_view name);
// The character limit of a Text column, 0 for an unknown or non-text column.
int textLimit(std::string_view table, std::string_view column);

// Number of characters of UTF-8 text.
int textLength(std::string_view text);
// The text cut to at most `limit` characters, never inside a character.
std::string fitText(std::string_view text, int limit);

// "INTEGER", "TEXT" or "REAL".
std::string_view sqlType(Kind kind);
// CREATE TABLE and CREATE INDEX statements of a store, tables first.
std::vector<std::string> statements(Store store, Engine engine = Engine::File);

// Writes the tables, indexes, version and mark of `store` inside the caller's
// transaction; an "Error: ..." text when the database holds the store
// already or refuses a statement (the caller rolls back).
std::string createTables(QSqlDatabase& db, Store store);

// Writes the tables, indexes, version and mark of `store` into the open, empty
// database in one transaction (a file, or a database on a server, where a
// store whose tables or mark exist is refused). Returns an empty text on success, otherwise an
// "Error: ..." text and leaves the file as it was. A file that already holds
// tables is refused.
std::string create(QSqlDatabase& db, Store store);

// Checks that the open database is a `store` of this system with every table
// and column in place. Returns an empty text when it is, otherwise an
// "Error: ..." text naming the file and what is wrong (not a database file,
// another program's file, written by a newer release, table or column
// missing). Changes nothing.
std::string verify(QSqlDatabase& db, Store store);

} // namespace vantora::db::schema
