#include "networkfolder.h"

#include "util/format.h"

#include <mutex>
#include <utility>

#include <sys/vfs.h>

namespace vantora::db::network {

namespace {

std::mutex g_mutex;
std::function<std::string(const std::string&)> g_probe;

struct Kind {
    unsigned long long type;
    const char* name;
};

// Magic numbers of statfs(2) (linux/magic.h and the file systems' own).
constexpr Kind networkKinds[] = {
    {0x6969, "NFS"},          {0x517B, "SMB/CIFS"}, {0xFF534D42, "SMB/CIFS"},
    {0xFE534D42, "SMB/CIFS"}, {0x73757245, "Coda"}, {0x5346414F, "AFS"},
    {0x6B414653, "AFS"},      {0x00C36400, "Ceph"}, {0x01021997, "9P"},
    {0x0BD00BD0, "Lustre"},   {0x47504653, "GPFS"},
};

std::string examine(const std::string& folder) {
    struct statfs info {};
    if (::statfs(folder.c_str(), &info) != 0)
        return {};
    return fileSystemName(static_cast<unsigned long long>(info.f_type) & 0xFFFFFFFFULL);
}

} // namespace

std::string fileSystemName(unsigned long long type) {
    for (const Kind& kind : networkKinds) {
        if (kind.type == type)
            return kind.name;
    }
    return {};
}

std::string folderFileSystem(const std::string& folder) {
    std::function<std::string(const std::string&)> probe;
    {
        std::lock_guard lock(g_mutex);
        probe = g_probe;
    }
    return probe ? probe(folder) : examine(folder);
}

std::string refusal(const std::string& folder, const std::string& fileSystem) {
    return insert("Error: the store folder %1 is on a network file system (%2). Store files there "
                  "are lost or damaged when programs on several computers write them. Keep the "
                  "stores of a facility with several computers on a database server: create it "
                  "with vantora-setup --server URI (or move this facility there with "
                  "vantora-setup --copy FOLDER URI) and set VANTO_DB to the server's "
                  "postgresql:// address.",
                  {folder, fileSystem});
}

void setProbe(std::function<std::string(const std::string& folder)> probe) {
    std::lock_guard lock(g_mutex);
    g_probe = std::move(probe);
}

} // namespace vantora::db::network
