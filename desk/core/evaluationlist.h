#pragma once
// CEvaluationList: the Evaluations list without its window: a member's
// evaluations (all classes or one), newest first, read whole through the
// joined view.

#include "desk/core/recordlist.h"

#include "db/daoeval.h"
#include "util/efoledatetime.h"

#include <array>
#include <vector>

class CCircuit;

class CEvaluationList : public CRecordList {
public:
    enum bit {
        bitName = 1,
        bitId = 2,
        bitDate = 4,
        bitHt = 8,
        bitWt = 16,
        bitActivity = 32,
        bitHR = 64,
        bitBP = 128,
        bitTests = 0x100,
        bitFat = 0x200,
        bitStations = 0x400
    };

    explicit CEvaluationList(const CCircuit& circuit);

    int QueryMember(long memberId, unsigned char classIndx, const std::string& classText) override;
    std::vector<CListColumn> Columns() const override;
    int Refill() override;
    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const override;
    CDAOEval& Set() override { return set_; }

    // The record of a row, for the Analyze request and the editor.
    long MemberOf(int row) const { return rows_.at(static_cast<std::size_t>(row)).MemberID; }
    long EvaluationOf(int row) const {
        return rows_.at(static_cast<std::size_t>(row)).EvaluationID;
    }
    CEFOleDateTime DateOf(int row) const { return rows_.at(static_cast<std::size_t>(row)).Date; }

    std::string CountLabel() const override { return "Total Evaluations Listed:"; }
    std::string EditHint() const override;
    std::string DeleteHint() const override;
    std::string AnalyzeHint() const override;
    std::string NoFurtherRecords() const override {
        return "No further evaluation records are available.";
    }

protected:
    const char* MemberTitlePattern() const override { return "Evaluations for Member ID %i, "; }
    const char* NoneForMemberPattern() const override {
        return "No evaluations are recorded for Member ID %i under ";
    }

private:
    struct Row {
        long MemberID, EvaluationID;
        CEFOleDateTime Date;
        double Height, Weight;
        unsigned char Activity;
        long HR, Systolic, Diastolic;
        double TrunkFlex;
        long SitUp, Ab, Step, Run, PulseRecovery;
        double Fat;
        std::array<double, CDAOEval::StationCount> Stations;
    };

    const CCircuit& circuit_;
    CDAOEval set_;
    std::vector<Row> rows_;
};
