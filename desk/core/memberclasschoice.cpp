#include "desk/core/memberclasschoice.h"

#include "db/daocls.h"
#include "desk/core/deskdocument.h"
#include "util/notice.h"

CMemberClassChoice::CMemberClassChoice(long memberId) {
    CMemberClassItem all;
    all.index = CVantoraDoc::AllClasses;
    CDAOCls::GetClassIndexString(all.index, all.text);
    items_.push_back(all);
    CDAOCls cls;
    const int count = cls.FindClasses(memberId);
    for (int i = 0; i < count && !cls.IsEOF(); ++i) {
        CMemberClassItem item;
        item.index = cls.ClassIndx;
        if (cls.BuildClassString(item.text) == 0)
            CDAOCls::GetClassIndexString(item.index, item.text);
        items_.push_back(item);
        cls.Op(CDAOEFSet::opMoveNext);
    }
    cls.Op(CDAOEFSet::opClose);
}

bool CMemberClassChoice::Check(int row) const {
    if (row >= 0 && row < static_cast<int>(items_.size()))
        return true;
    vantora::notice::show(MsgNoSelection, vantora::notice::Icon::Exclamation);
    return false;
}
