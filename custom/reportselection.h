#pragma once
// One report request: the kind and its selection, as the Reports queue holds
// it (a member id or member flags, two dates and three strings).

#include "util/efoledatetime.h"

#include <string>
#include <utility>

struct CReportSelection {
    CReportSelection() = default;
    CReportSelection(int k, long i = 0, CEFOleDateTime d0 = {}, CEFOleDateTime d1 = {},
                     std::string s0 = {}, std::string s1 = {}, std::string s2 = {})
        : kind(k), id(i), date0(d0), date1(d1), str0(std::move(s0)), str1(std::move(s1)),
          str2(std::move(s2)) {}

    int kind = 0;
    long id = 0;
    CEFOleDateTime date0;
    CEFOleDateTime date1;
    std::string str0, str1, str2;
};
