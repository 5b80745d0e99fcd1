#pragma once
// The kiosk's check of its store files before the first screen: the folder
// variable is set, the four files open and hold their tables, and the two the
// kiosk writes to (members.mdb and chkin.mdb) can be written. Without this
// a kiosk on an unusable store would greet members and lose their visits.

namespace vantora::kiosk {

// True when the kiosk can start. Otherwise one "Error: ..." notice names
// every store that cannot be used (or the unset variable), and false.
bool CheckStores();

} // namespace vantora::kiosk
