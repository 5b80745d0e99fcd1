#include "kiosk/storecheck.h"

#include "db/connection.h"
#include "db/daoefset.h"
#include "db/schema.h"
#include "kiosk/gatherederrors.h"
#include "util/efoledatetime.h"
#include "util/format.h"
#include "util/notice.h"

#include <cstdlib>
#include <string>

namespace vantora::kiosk {

namespace {

// What keeps the kiosk from using one store file, as an "Error: ..." text;
// empty when it is usable.
std::string Problem(const std::string& path, bool written) {
    std::string reason;
    {
        CGatheredErrors errors;
        const auto store = db::openStore(path);
        if (store && !written)
            return {};
        // An empty transaction: the write lock is taken and given back.
        if (store && store->lock() && store->unlock())
            return {};
        if (!store)
            return errors.Any() ? "Error: " + errors.FirstReason()
                                : insert("Error: cannot open the database file \"%1\"", {path});
        reason = errors.Any() ? errors.FirstReason() : std::string("refused");
    }
    return insert("Error: the database file \"%1\" cannot be written: %2", {path, reason});
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
