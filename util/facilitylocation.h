#pragma once
// Where a facility keeps its data: the stores (a folder of store files, or a
// PostgreSQL server named by a connection URI) and the folders of backups,
// report texts, station and weight data and printed files.
//
// Each program's main reads the location once from the environment
// (VANTO_DB, VANTO_BACK, VANTO_TXT, VANTO_STN, VANTO_WT, VANTO_PRINT) and
// installs it; the libraries ask for the installed one. Where no program
// installed one (tests, tools), the environment is read at each request.

#include <optional>
#include <string>

namespace vantora {

class FacilityLocation {
public:
    static FacilityLocation fromEnvironment();
    // Makes `location` the one every later current() returns.
    static void install(const FacilityLocation& location);
    // Forgets the installed location; current() reads the environment again.
    static void uninstall();
    static FacilityLocation current();

    // VANTO_DB as given: a folder (ending in '/') or a server URI; empty
    // when unset.
    const std::string& stores() const { return stores_; }
    bool storesSet() const { return !stores_.empty(); }
    bool onServer() const { return isServerUri(stores_); }
    // What a store's name ("members.mdb") is appended to: the folder, or the
    // URI followed by '#'.
    std::string storePrefix() const;
    // The stores as shown in messages and logs: a URI without its password.
    std::string shownStores() const;

    // Folders ending in '/', empty when their variable is unset.
    const std::string& backFolder() const { return back_; }
    const std::string& textFolder() const { return text_; }
    const std::string& stationFolder() const { return station_; }
    const std::string& weightFolder() const { return weight_; }
    const std::string& printFolder() const { return print_; }

    void setStores(const std::string& stores);
    void setBackFolder(const std::string& folder) { back_ = asFolder(folder); }

    // "postgresql://..." or "postgres://...".
    static bool isServerUri(const std::string& text);
    // The URI with any password taken out ("postgresql://ann:pw@h/db" gives
    // "postgresql://ann@h/db"); other texts unchanged.
    static std::string withoutPassword(const std::string& text);
    // A store path made from storePrefix(): the location and the store name
    // ("postgresql://h/db#members.mdb" gives "postgresql://h/db" and
    // "members.mdb"); false for a path of a file.
    static bool splitServerPath(const std::string& path, std::string& uri, std::string& store);

private:
    static std::string asFolder(const std::string& value);

    std::string stores_;
    std::string back_;
    std::string text_;
    std::string station_;
    std::string weight_;
    std::string print_;
};

// Installs a location for its life; what was there before comes back when it
// goes: the installed location, or none.
class ScopedFacilityLocation {
public:
    explicit ScopedFacilityLocation(const FacilityLocation& location);
    ~ScopedFacilityLocation();
    ScopedFacilityLocation(const ScopedFacilityLocation&) = delete;
    ScopedFacilityLocation& operator=(const ScopedFacilityLocation&) = delete;

private:
    std::optional<FacilityLocation> previous_;
};

} // namespace vantora
