#include "forms/pagedoc.h"

bool CPageDoc::Activate() {
    if (!visited_) {
        visited_ = true;
        FirstActivation();
    } else if (modified_) {
        return true;
    }
    return Load();
}

bool CPageDoc::Apply() {
    focus_ = -1;
    if (!Validate() || !Write())
        return false;
    modified_ = false;
    return true;
}
