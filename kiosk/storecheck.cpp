#include "kiosk/storecheck.h"

#include "db/connection.h"
#include "db/daoefset.h"
#include "db/schema.h"
#include "kiosk/gatherederrors.h"
#include "util/facilitylocation.h"
#include "util/format.h"
#include "util/notice.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

namespace vantora::kiosk {

namespace {

namespace fs = std::filesystem;

// What keeps the kiosk from using one store, as an "Error: ..." text; empty
// when it is usable. `unexplained`: the engine gave no reason (a server that
// went away is reported at the first store only).
std::string Problem(const std::string& path, bool written, bool& unexplained) {
    unexplained = false;
    {
        CGatheredErrors errors;
        if (!db::openStore(path)) {
            if (errors.Any())
                return "Error: " + errors.FirstReason();
            unexplained = true;
            std::string uri, store;
            if (FacilityLocation::splitServerPath(path, uri, store))
                return insert("Error: cannot open the store \"%1\" on %2",
                              {store, FacilityLocation::withoutPassword(uri)});
            return insert("Error: cannot open the database file \"%1\"", {path});
        }
    }
    // A server answers for its own tables and their rights.
    if (FacilityLocation::isServerUri(path))
        return {};
    // The engine finds a read-only file only at the first write; the file
    // and its folder (for the write-ahead log) must take writes.
    const std::string folder = fs::path(path).parent_path().string();
    for (const std::string& needed : {path, folder.empty() ? std::string(".") : folder}) {
        if (written && ::access(needed.c_str(), W_OK) != 0)
            return insert("Error: the database file \"%1\" cannot be written: %2",
                          {path, std::strerror(errno)});
    }
    return {};
}

} // namespace

bool CheckStores() {
    const FacilityLocation location = FacilityLocation::current();
    if (!location.storesSet()) {
        notice::show(CDAOEFSet::MsgNoDB, notice::Icon::Exclamation);
        return false;
    }

    // On a server the four stores share one database: a server that cannot
    // be reached is told once, not again for each store after it.
    std::vector<std::string> problems;
    for (const db::schema::Store kind : db::schema::stores) {
        const bool written = kind == db::schema::Store::Members || kind == db::schema::Store::ChkIn;
        bool unexplained = false;
        const std::string problem = Problem(
            location.storePrefix() + std::string(db::schema::fileName(kind)), written, unexplained);
        if (problem.empty() || (location.onServer() && unexplained && !problems.empty()) ||
            std::find(problems.begin(), problems.end(), problem) != problems.end())
            continue;
        problems.push_back(problem);
    }
    if (problems.empty())
        return true;
    std::string text;
    for (const std::string& problem : problems)
        text += (text.empty() ? "" : "\n") + problem;
    notice::show(text, notice::Icon::Exclamation);
    return false;
}

} // namespace vantora::kiosk
