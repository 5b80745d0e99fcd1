#pragma once
// Store files must not live on a network file system: the engine's write-
// ahead log needs memory shared on one computer, and locks over network
// file systems are unreliable, so programs on several computers would lose
// writes or corrupt the files. A facility with several computers keeps its
// stores on a database server instead.

#include <functional>
#include <string>

namespace vantora::db::network {

// The name of the network file system of a file-system type number as
// statfs(2) gives it ("NFS", "SMB/CIFS", ...); empty for a local one.
std::string fileSystemName(unsigned long long type);

// The network file system the folder lies on, empty when it is local or
// cannot be examined.
std::string folderFileSystem(const std::string& folder);

// The refusal shown for a store folder on a network file system.
std::string refusal(const std::string& folder, const std::string& fileSystem);

// Replaces the examination of folders (tests); an empty function restores
// the real one.
void setProbe(std::function<std::string(const std::string& folder)> probe);

} // namespace vantora::db::network
