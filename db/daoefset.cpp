// The operations of a set: opening, moving, adding, editing and deleting
// through its cursor, each guarded so that no exception leaves the set.
#include "daoefsetimpl.h"

#include "batchscope.h"

#include "util/facilitylocation.h"

#include <QRandomGenerator>

// ---- CDAOEFSet -----------------------------------------------------------------

CDAOEFSet::CDAOEFSet() : d_(std::make_unique<Impl>(*this)) {
    datetimeParam0 = 0.0;
    datetimeParam1 = 0.0;
    datetimeParam2 = 0.0;
    const vantora::FacilityLocation location = vantora::FacilityLocation::current();
    m_strDBPath = location.storePrefix();
    if (m_strDBPath.empty())
        vantora::notice::show(MsgNoDB, vantora::notice::Icon::Exclamation);
    // The backup folder is reported when it is needed: most sets never
    // touch it, and a program that does not back up (the kiosk) would show
    // the message for every set it opens.
    m_strFilePath = location.backFolder();
}

CDAOEFSet::~CDAOEFSet() = default;

int CDAOEFSet::OpenSet(bool count) {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->open())
                return 0;
            return count ? static_cast<int>(d_->live()) : 0;
        },
        0);
}

void CDAOEFSet::Op(int const& operation) {
    FailureScope scope(*this);
    guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            switch (operation) {
            case opAddNew:
                d_->addNew();
                break;
            case opEdit:
                d_->startEdit();
                break;
            case opUpdate:
                d_->update();
                break;
            case opDelete:
                d_->deleteCurrent();
                break;
            case opMoveFirst:
                if (!IsBOF())
                    d_->moveFirst();
                break;
            case opMoveNext:
                if (!IsEOF())
                    d_->moveNext();
                break;
            case opMoveLast:
                if (!IsEOF())
                    d_->moveLast();
                break;
            case opRequery:
                d_->open();
                break;
            case opClose:
                d_->close();
                break;
            default:
                break;
            }
            return 0;
        },
        0);
}

bool CDAOEFSet::MoveSet(int const& position) {
    FailureScope scope(*this);
    return guarded(
        [&]() -> bool {
            if (!d_->isOpen())
                return false;
            // Stepping from the first row, deleted rows have no position of
            // their own, so the wanted row is the live row at the position.
            const std::size_t row = d_->liveAt(position);
            if (!d_->moveTo(row))
                return false;
            if (d_->atEnd())
                return false;
            if (d_->isDeleted()) {
                d_->moveTo(d_->total());
                return false;
            }
            return true;
        },
        false);
}

int CDAOEFSet::CountSet() {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            const int count = static_cast<int>(d_->live());
            d_->moveFirst();
            return count;
        },
        0);
}

long CDAOEFSet::GenerateKey() const {
    // One generator for the process: reseeding from the clock gave keys
    // made within the same millisecond the same value.
    return static_cast<long>(QRandomGenerator::global()->bounded(32768));
}

int CDAOEFSet::IsEOF() {
    return guarded([&]() -> int { return !d_->isOpen() || d_->atEnd(); }, 1);
}

void CDAOEFSet::DelCurrent() {
    FailureScope scope(*this);
    Op(opDelete);
    Op(opMoveNext);
}

void CDAOEFSet::Del(int const& position) {
    FailureScope scope(*this);
    if (MoveSet(position))
        DelCurrent();
}

int CDAOEFSet::DelAll() {
    FailureScope scope(*this);
    return guarded(
        [&]() -> int {
            if (!d_->isOpen())
                return 0;
            const auto errors = vantora::db::errorCount();
            CBatchScope batch(*this);
            int deleted = 0;
            d_->moveFirst();
            // Stops at the first failure: a store that refuses one delete
            // (locked, read-only) refuses the rest, and one message is enough.
            while (!IsEOF() && vantora::db::errorCount() == errors) {
                if (!d_->isDeleted() && d_->deleteCurrent())
                    ++deleted;
                d_->moveNext();
            }
            return deleted;
        },
        0);
}

void CDAOEFSet::Save(CText*) const {}

bool CDAOEFSet::Test(std::ifstream&, char const&) const {
    return false;
}

int CDAOEFSet::Restore(std::ifstream&, char const&, long const&, bool const&) {
    return 0;
}

bool CDAOEFSet::IsOpen() const {
    return d_->isOpen();
}
bool CDAOEFSet::IsBOF() const {
    return !d_->isOpen() || d_->isBOF();
}
bool CDAOEFSet::IsDeleted() const {
    return d_->isOpen() && d_->isDeleted();
}
long CDAOEFSet::GetAbsolutePosition() const {
    return d_->position();
}
long CDAOEFSet::GetRecordCount() const {
    return d_->isOpen() ? d_->live() : 0;
}
bool CDAOEFSet::IsEditing() const {
    return d_->editing();
}
void CDAOEFSet::SetMaxRecords(long n) {
    d_->maxRecords = n < 0 ? 0 : n;
}

void CDAOEFSet::ReportError(std::string const& text) {
    vantora::db::reportError(text);
}

void CDAOEFSet::SetAppendOnly(bool appendOnly) {
    d_->appendOnly = appendOnly;
}
