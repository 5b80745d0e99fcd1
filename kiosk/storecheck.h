#pragma once
// The kiosk's check of its stores before the first screen: the store
// variable is set, the four stores open and hold their tables, and, for store
// files, the two the kiosk writes to (members.mdb and chkin.mdb) can be
// written. On a server the four stores must open there. Without this a kiosk
// on an unusable store would greet members and lose their visits.

namespace vantora::kiosk {

// True when the kiosk can start. Otherwise one "Error: ..." notice names
// every store that cannot be used (or the unset variable; a reason shared by
// several stores once), and false.
bool CheckStores();

} // namespace vantora::kiosk
