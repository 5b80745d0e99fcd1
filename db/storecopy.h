#pragma once
// Moving a facility from its four store files to a database on a PostgreSQL
// server: the tables are created on the server and every row is copied with
// its hidden key, so that table order and the rows' identities stay; each
// key generator is set past every key the files ever gave out. All of it is
// one server transaction, committed only when every table holds as many
// rows on the server as in the files; a failure leaves the server database
// as it was. The files are only read.

#include <functional>
#include <string>
#include <vector>

namespace vantora::db::storecopy {

// The rows of one table in the files and on the server, counted after the
// copy and before the commit.
struct TableCount {
    std::string table;
    long long files = 0;
    long long server = 0;
};

struct Result {
    std::string error;              // "Error: ..." text; empty when the copy was committed
    std::vector<TableCount> counts; // every table, once the copy got that far
};

// Told of each table when all its rows are on the server (not yet committed).
using TableCopied = std::function<void(const std::string& table, long long rows)>;

// Copies the facility whose store files are in `folder` into the database a
// server URI names. Refused, before anything is written, when the folder's
// files are not the four stores of a facility (checked as every program
// checks them) and when the database already holds a facility.
Result copyToServer(const std::string& folder, const std::string& uri,
                    const TableCopied& tableCopied = {});

} // namespace vantora::db::storecopy
