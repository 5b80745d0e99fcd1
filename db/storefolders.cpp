// The folder of a set's export files.
#include "daoefsetimpl.h"

#include "util/format.h"

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
