#include "util/facilitylocation.h"

#include "util/efoledatetime.h"

#include <cstdlib>
#include <mutex>
#include <optional>

namespace vantora {

namespace {

std::mutex g_mutex;
std::optional<FacilityLocation> g_installed;

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

} // namespace

std::string FacilityLocation::asFolder(const std::string& value) {
    if (value.empty())
        return {};
    std::string folder = value;
    CEFFile::ParsePath(folder);
    return folder;
}

FacilityLocation FacilityLocation::fromEnvironment() {
    FacilityLocation location;
    location.setStores(variable("VANTO_DB"));
    location.back_ = asFolder(variable("VANTO_BACK"));
    location.text_ = asFolder(variable("VANTO_TXT"));
    location.station_ = asFolder(variable("VANTO_STN"));
    location.weight_ = asFolder(variable("VANTO_WT"));
    location.print_ = asFolder(variable("VANTO_PRINT"));
    return location;
}

void FacilityLocation::install(const FacilityLocation& location) {
    std::lock_guard lock(g_mutex);
    g_installed = location;
}

void FacilityLocation::uninstall() {
    std::lock_guard lock(g_mutex);
    g_installed.reset();
}

ScopedFacilityLocation::ScopedFacilityLocation(const FacilityLocation& location) {
    std::lock_guard lock(g_mutex);
    previous_ = g_installed;
    g_installed = location;
}

ScopedFacilityLocation::~ScopedFacilityLocation() {
    std::lock_guard lock(g_mutex);
    g_installed = previous_;
}

FacilityLocation FacilityLocation::current() {
    {
        std::lock_guard lock(g_mutex);
        if (g_installed)
            return *g_installed;
    }
    return fromEnvironment();
}

void FacilityLocation::setStores(const std::string& stores) {
    stores_ = isServerUri(stores) ? stores : asFolder(stores);
}

std::string FacilityLocation::storePrefix() const {
    if (stores_.empty())
        return {};
    return onServer() ? stores_ + '#' : stores_;
}

std::string FacilityLocation::shownStores() const {
    return withoutPassword(stores_);
}

bool FacilityLocation::isServerUri(const std::string& text) {
    return text.rfind("postgresql://", 0) == 0 || text.rfind("postgres://", 0) == 0;
}

std::string FacilityLocation::withoutPassword(const std::string& text) {
    if (!isServerUri(text))
        return text;
    const std::size_t start = text.find("://") + 3;
    // The user part ends at the last '@' before the path.
    const std::size_t pathStart = text.find_first_of("/?#", start);
    const std::size_t at =
        text.rfind('@', pathStart == std::string::npos ? text.size() : pathStart);
    std::string shown = text;
    if (at != std::string::npos && at >= start) {
        const std::size_t colon = text.find(':', start);
        if (colon != std::string::npos && colon < at)
            shown = text.substr(0, colon) + text.substr(at);
    }
    // A password may also come as a query parameter.
    const std::size_t query = shown.find('?');
    if (query != std::string::npos) {
        std::string kept = shown.substr(0, query);
        std::string rest = shown.substr(query + 1);
        char separator = '?';
        std::size_t from = 0;
        while (from <= rest.size()) {
            const std::size_t amp = rest.find('&', from);
            const std::string part =
                rest.substr(from, amp == std::string::npos ? std::string::npos : amp - from);
            if (!part.empty() && part.rfind("password=", 0) != 0) {
                kept += separator + part;
                separator = '&';
            }
            if (amp == std::string::npos)
                break;
            from = amp + 1;
        }
        shown = kept;
    }
    return shown;
}

bool FacilityLocation::splitServerPath(const std::string& path, std::string& uri,
                                       std::string& store) {
    if (!isServerUri(path))
        return false;
    const std::size_t hash = path.rfind('#');
    if (hash == std::string::npos) {
        uri = path;
        store.clear();
    } else {
        uri = path.substr(0, hash);
        store = path.substr(hash + 1);
    }
    return true;
}

} // namespace vantora
