#include "facilityexport.h"

#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmeval.h"
#include "db/daowk.h"
#include "util/text.h"

#include <fstream>

namespace vantora::test {

std::string ExportFacility(const std::string& stores) {
    FacilityStores at(stores);
    TempDir dir;
    const std::string path = dir.file("all.dat");
    {
        std::ofstream out(path);
        CText text(&out, '|');
        CDAOMem m;
        for (m.FindAllMembers(false); !m.IsEOF(); m.Op(CDAOEFSet::opMoveNext))
            m.Save(&text);
        CDAOEval e;
        for (e.FindEvals(CDAOSmEval::idMember, 0); !e.IsEOF(); e.Op(CDAOEFSet::opMoveNext))
            e.Save(&text);
        CDAOWk w;
        for (w.FindAllWks(); !w.IsEOF(); w.Op(CDAOEFSet::opMoveNext))
            w.Save(&text);
        CDAOBodyComp b;
        for (b.FindBodyComps(0); !b.IsEOF(); b.Op(CDAOEFSet::opMoveNext))
            b.Save(&text);
    }
    return readFile(path);
}

} // namespace vantora::test
