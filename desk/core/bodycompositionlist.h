#pragma once
// CBodyCompList: the Body Compositions list without its window: a member's
// body compositions (all classes or one), newest first.

#include "desk/core/recordlist.h"

#include "db/daobodycomp.h"
#include "util/efoledatetime.h"

#include <vector>

class CBodyCompList : public CRecordList {
public:
    enum bit {
        bitName = 1,
        bitId = 2,
        bitDate = 4,
        bitMethod = 8,
        bitFat = 16,
        bitActivity = 32,
        bitHt = 64,
        bitWt = 128,
        bitWaist = 0x100,
        bitHip = 0x200
    };

    int QueryMember(long memberId, unsigned char classIndx, const std::string& classText) override;
    std::vector<CListColumn> Columns() const override;
    int Refill() override;
    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const override;
    CDAOBodyComp& Set() override { return set_; }

    long MemberOf(int row) const { return rows_.at(static_cast<std::size_t>(row)).MemberID; }
    CEFOleDateTime DateOf(int row) const { return rows_.at(static_cast<std::size_t>(row)).Date; }

    std::string CountLabel() const override { return "Total Body Compositions Listed:"; }
    std::string EditHint() const override;
    std::string DeleteHint() const override;
    std::string AnalyzeHint() const override;
    std::string NoFurtherRecords() const override {
        return "No further body composition records are available.";
    }

protected:
    const char* MemberTitlePattern() const override {
        return "Body Compositions for Member ID %i, ";
    }
    const char* NoneForMemberPattern() const override {
        return "No body compositions are recorded for Member ID %i under ";
    }

private:
    struct Row {
        long MemberID;
        CEFOleDateTime Date;
        unsigned char Method, Activity;
        double Fat, Height, Weight, Waist, Hip;
    };

    CDAOBodyComp set_;
    std::vector<Row> rows_;
};
