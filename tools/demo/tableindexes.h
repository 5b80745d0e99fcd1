#pragma once
// Millions of rows go into a table much faster without its indexes, which
// are built afterwards, each in one sorted pass, instead of being kept up to
// date row by row.

#include <memory>
#include <string>
#include <vector>

class CDAOEFSet;

namespace vantora::db {
class Store;
}

namespace vantora::tools::demo {

// Leaves the indexes of one table out while the scope lives; the
// statements run on the store of the set, so on a folder's file or on a
// server alike.
class IndexesSetAside {
public:
    // Drops the table's indexes; a refused statement is reported.
    IndexesSetAside(CDAOEFSet& set, const char* table);
    // Builds whatever is still left out.
    ~IndexesSetAside();
    IndexesSetAside(const IndexesSetAside&) = delete;
    IndexesSetAside& operator=(const IndexesSetAside&) = delete;

    // Builds the indexes again; false (after a notice) when one was refused.
    bool Rebuild();

private:
    std::shared_ptr<db::Store> store_;
    std::vector<std::string> rebuild_;
};

} // namespace vantora::tools::demo
