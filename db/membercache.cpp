#include "membercache.h"

bool CMemberCache::Exists(long id) {
    const auto it = known_.find(id);
    if (it != known_.end())
        return it->second;
    members_.FindMember(CDAOSmMem::idMember, id);
    const bool found = !members_.IsEOF();
    known_.emplace(id, found);
    return found;
}
