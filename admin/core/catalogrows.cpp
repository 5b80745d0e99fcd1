#include "admin/core/catalogrows.h"

#include <QString>

namespace vantora::admin {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

int FirstDuplicate(const CCatalogRow* rows, int count) {
    for (int i = 1; i < count; ++i) {
        if (rows[i].name.empty())
            continue;
        for (int k = 0; k < i; ++k)
            if (SameNameIgnoringCase(rows[i].name, rows[k].name))
                return i;
    }
    return -1;
}

} // namespace vantora::admin
