#include "catalogrows.h"

#include <QString>

namespace vantora::admin {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return QString::fromStdString(a).compare(QString::fromStdString(b), Qt::CaseInsensitive) == 0;
}

} // namespace vantora::admin
