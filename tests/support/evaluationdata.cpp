#include "support/evaluationdata.h"

#include "db/daocirc.h"
#include "db/daoevalbodycomp.h"
#include "db/daosmeval.h"

namespace vantora::test {

void addEvaluation(long memberId, long evalId, CEFOleDateTime date, unsigned char classIndx,
                   int seed, bool withCircuit, bool withBodyComp) {
    CDAOSmEval e;
    e.OpenSet(false);
    e.Op(CDAOEFSet::opAddNew);
    e.EvaluationID = evalId;
    e.MemberID = memberId;
    e.EvaluationDate = date;
    e.ClassIndx = classIndx;
    e.Height = 60.5 + seed;
    e.Weight = 150.25 + seed;
    e.ActivityLevel = static_cast<unsigned char>(seed % 5);
    e.RestingHR = 60 + seed;
    e.RestingBPSystolic = 110 + seed;
    e.RestingBPDiastolic = 70 + seed;
    e.TrunkFlex = 12.75 + seed;
    e.SitUp = 30 + seed;
    e.Ab = 40 + seed;
    e.Step = 100 + seed;
    e.Run = 725 + seed;
    e.PulseRecovery = 20 + seed;
    e.Op(CDAOEFSet::opUpdate);
    if (withBodyComp) {
        CDAOEvalBodyComp b;
        b.OpenSet(false);
        b.Op(CDAOEFSet::opAddNew);
        b.EvaluationID = evalId;
        b.FatPercent = 18.5 + seed;
        b.ThighSkinFold = 10.1 + seed;
        b.ChestSkinFold = 11.2 + seed;
        b.AbSkinFold = 12.3 + seed;
        b.TricepSkinFold = 13.4 + seed;
        b.SupraSkinFold = 14.5 + seed;
        b.MidaxSkinFold = 15.6 + seed;
        b.SubscapSkinFold = 16.7 + seed;
        b.Op(CDAOEFSet::opUpdate);
    }
    if (withCircuit) {
        CDAOCirc c;
        c.OpenSet(false);
        c.Op(CDAOEFSet::opAddNew);
        c.EvaluationID = evalId;
        for (int i = 0; i < CDAOCirc::StationCount; ++i)
            c.SetStnVal(i, 20.0 + 5 * i + seed);
        c.Op(CDAOEFSet::opUpdate);
    }
}

} // namespace vantora::test
