#include "batchscope.h"

#include "connection.h"
#include "daoefset.h"

CBatchScope::CBatchScope(CDAOEFSet& set) : store_(vantora::db::openStore(set.GetDefaultDBName())) {
    if (store_)
        store_->beginBatch();
}

CBatchScope::~CBatchScope() {
    Finish();
}

bool CBatchScope::Finish() {
    if (!store_)
        return true;
    const bool ok = store_->endBatch();
    store_.reset();
    return ok;
}
