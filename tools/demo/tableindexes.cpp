#include "tools/demo/tableindexes.h"

#include "db/connection.h"
#include "db/daoefset.h"
#include "db/schema.h"
#include "util/facilitylocation.h"

namespace vantora::tools::demo {

namespace schema = db::schema;

IndexesSetAside::IndexesSetAside(CDAOEFSet& set, const char* table) {
    const std::string path = set.GetDefaultDBName();
    const schema::Table* t = schema::findTable(table);
    store_ = db::openStore(path);
    if (t == nullptr || !store_)
        return;
    std::string uri, name;
    const schema::Engine engine = FacilityLocation::splitServerPath(path, uri, name)
                                      ? schema::Engine::Server
                                      : schema::Engine::File;
    const std::vector<std::string> statements = schema::statements(t->store, engine);
    for (const schema::Index& index : t->indexes) {
        const std::string quoted = "\"" + std::string(index.name) + "\"";
        for (const std::string& statement : statements)
            if (statement.rfind("CREATE INDEX " + quoted + " ", 0) == 0 &&
                store_->exec(QString::fromStdString("DROP INDEX IF EXISTS " + quoted)))
                rebuild_.push_back(statement);
    }
}

IndexesSetAside::~IndexesSetAside() {
    Rebuild();
}

bool IndexesSetAside::Rebuild() {
    bool ok = true;
    for (const std::string& statement : rebuild_)
        ok = store_->exec(QString::fromStdString(statement)) && ok;
    rebuild_.clear();
    return ok;
}

} // namespace vantora::tools::demo
