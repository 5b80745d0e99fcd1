#pragma once
// The check every date entered at the desk passes: a real date, not after
// today. False after the message ("Error: date cannot be later than today's
// date", or the invalid-date message).

#include "util/efoledatetime.h"

bool CheckEntryDate(const CEFOleDateTime& date);
