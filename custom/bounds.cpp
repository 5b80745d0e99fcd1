#include "bounds.h"

// Out of line so the class has one home for its virtual table.
CBounds::~CBounds() = default;
