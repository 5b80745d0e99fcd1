// The folders of the store files and of their exports, named by
// environment variables.
#include "daoefsetimpl.h"

#include "util/format.h"

#include <cstdlib>

namespace vantora::db::recordset {

std::string folderFromEnv(const char* name, const char* message) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') {
        if (message != nullptr)
            vantora::notice::show(message, vantora::notice::Icon::Exclamation);
        return std::string();
    }
    std::string path = value;
    CEFFile::ParsePath(path);
    return path;
}

} // namespace vantora::db::recordset

std::string CDAOEFSet::GetFilePath() const {
    if (m_strFilePath.empty())
        vantora::notice::show(MsgNoBack, vantora::notice::Icon::Exclamation);
    return m_strFilePath;
}

std::string CDAOEFSet::ExportPathFileName(char const* pattern) const {
    CEFOleDateTime now;
    now.Current();
    return vantora::insert(pattern, {GetFilePath(), now.UnformattedDateTimeStr()});
}
