#pragma once
// The Password page: the administration password in the Center record,
// shown in its field, 1 to 8 characters, case-sensitive.

#include "forms/pagedoc.h"

class CPassDoc : public CPageDoc {
public:
    std::string Password;

    static constexpr int Limit = 8;
    static constexpr const char* MsgLoad = "Error: could not retrieve data from center recordset.";
    static constexpr const char* MsgWrite = "Error: could not write data to center recordset.";
    static constexpr const char* MsgEmpty = "Error: password must contain at least one character";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
};
