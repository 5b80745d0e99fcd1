#include "kiosk/storecheck.h"

#include "db/connection.h"
#include "db/daoefset.h"
#include "db/schema.h"
#include "kiosk/gatherederrors.h"
#include "util/efoledatetime.h"
#include "util/format.h"
#include "util/notice.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace vantora::kiosk {

namespace {

namespace fs = std::filesystem;

// What keeps the kiosk from using one store file, as an "Error: ..." text;
// empty when it is usable.
std::string Problem(const std::string& path, bool written) {
    {
        CGatheredErrors errors;
        if (!db::openStore(path))
            return errors.Any() ? "Error: " + errors.FirstReason()
                                : insert("Error: cannot open the database file \"%1\"", {path});
    }
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
    const char* folderVariable = std::getenv("VANTO_DB");
    if (folderVariable == nullptr || *folderVariable == '\0') {
        notice::show(CDAOEFSet::MsgNoDB, notice::Icon::Exclamation);
        return false;
    }
    std::string folder = folderVariable;
    CEFFile::ParsePath(folder);

    std::string problems;
    for (const db::schema::Store kind : db::schema::stores) {
        const bool written = kind == db::schema::Store::Members || kind == db::schema::Store::ChkIn;
        const std::string problem =
            Problem(folder + std::string(db::schema::fileName(kind)), written);
        if (!problem.empty())
            problems += (problems.empty() ? "" : "\n") + problem;
    }
    if (problems.empty())
        return true;
    notice::show(problems, notice::Icon::Exclamation);
    return false;
}

} // namespace vantora::kiosk
