#include "membercache.h"

bool CMemberCache::Exists(long id) {
    const auto it = known_.find(id);
    failed_ = false;
    if (it != known_.end())
        return it->second;
    members_.FindMember(CDAOSmMem::idMember, id);
    failed_ = members_.LastOpFailed();
    if (failed_)
        return false;
    const bool found = !members_.IsEOF();
    known_.emplace(id, found);
    return found;
}
