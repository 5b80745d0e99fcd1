#include "desk/view/membersheet.h"

#include "desk/core/membersheetdocument.h"
#include "desk/core/progress.h"
#include "desk/view/classblockwidget.h"
#include "desk/view/dateconversion.h"
#include "desk/view/memberfields.h"
#include "desk/view/memberflagpages.h"
#include "desk/view/sheetfields.h"

#include "db/daodef.h"
#include "util/format.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
std::string S(const QLineEdit* e) {
    return e->text().toStdString();
}
long N(const QLineEdit* e) {
    return e->text().toLong();
}

// A birthday picker shows its lowest date as "no date".
const QDate NoDate(1900, 1, 1);

} // namespace

CRadioPair CRadioPair::Make(QWidget* parent, const QString& a, const QString& b) {
    CRadioPair p{new QRadioButton(a, parent), new QRadioButton(b, parent)};
    auto* group = new QButtonGroup(parent);
    group->addButton(p.first);
    group->addButton(p.second);
    return p;
}

void CRadioPair::Set(bool firstChosen) const {
    (firstChosen ? first : second)->setChecked(true);
}

unsigned char CRadioPair::Value() const {
    return first->isChecked() ? 1 : 0;
}

QWidget* CRadioPair::Row(QWidget* parent) const {
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(first);
    row->addWidget(second);
    row->addStretch();
    return w;
}

// ---- Profile --------------------------------------------------------------

CMemberProfilePg::CMemberProfilePg(QWidget* parent) : QWidget(parent) {
    using D = CMemberSheetDoc;
    memberId = memberfields::Number(this);
    barcode = memberfields::Number(this);
    first = memberfields::Text(this, D::NameLimit);
    middle = memberfields::Text(this, D::InitialLimit);
    last = memberfields::Text(this, D::LastNameLimit);
    address = memberfields::Text(this, D::AddressLimit);
    city = memberfields::Text(this, D::CityLimit);
    state = memberfields::States(this);
    zip = memberfields::Text(this, D::ZipLimit);
    phone = memberfields::Text(this, D::PhoneLimit);
    birthday = deskfields::Date(this, QStringLiteral("birthday"));
    birthday->setMinimumDate(NoDate);
    birthday->setSpecialValueText(QStringLiteral(" "));
    email = memberfields::Text(this, D::EmailLimit);
    emerName = memberfields::Text(this, D::ContactLimit);
    emerPhone = memberfields::Text(this, D::PhoneLimit);
    physician = memberfields::Text(this, D::ContactLimit);
    sex = CRadioPair::Make(this, QStringLiteral("M"), QStringLiteral("F"));
    status = CRadioPair::Make(this, QStringLiteral("Current"), QStringLiteral("Past"));
    employee = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    release = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    message = new QPlainTextEdit(this);
    message->setMaximumHeight(60);

    auto* columns = memberfields::TwoColumns({{"Member ID #:", memberId},
                                              {"Workout #:", barcode},
                                              {"First Name:", first},
                                              {"Middle Initial:", middle},
                                              {"Last Name:", last},
                                              {"Address:", address},
                                              {"City:", city},
                                              {"State:", state},
                                              {"Zip:", zip},
                                              {"Phone:", phone}},
                                             {{"Birthday:", birthday},
                                              {"Email:", email},
                                              {"Emergency Contact Name:", emerName},
                                              {"Emergency Contact Phone:", emerPhone},
                                              {"Family Physician:", physician},
                                              {"Sex:", sex.Row(this)},
                                              {"Membership Status:", status.Row(this)},
                                              {"Employee:", employee.Row(this)},
                                              {"Signed Release Form:", release.Row(this)}});
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(new QLabel(
        QStringLiteral("Workout Check-In Message for Member (Displayed Only Once):"), this));
    layout->addWidget(message);
    layout->addStretch();
}

void CMemberProfilePg::ShowDoc(const CMemberSheetDoc& d) {
    memberId->setText(QString::number(d.MemberID));
    barcode->setText(d.Barcode ? QString::number(d.Barcode) : QString());
    first->setText(Q(d.FirstName));
    middle->setText(Q(d.MiddleInitial));
    last->setText(Q(d.LastName));
    address->setText(Q(d.Address));
    city->setText(Q(d.City));
    // The stored text is selected exactly; one the list lacks is offered too.
    int index = state->findText(Q(d.State), Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (index < 0) {
        state->addItem(Q(d.State));
        index = state->count() - 1;
    }
    state->setCurrentIndex(index);
    zip->setText(Q(d.Zip));
    phone->setText(Q(d.Phone));
    const QDate born = d.Birthday.GetStatus() == COleDateTime::valid ? ToQDate(d.Birthday) : NoDate;
    birthday->setDate(born.isValid() ? born : NoDate);
    email->setText(Q(d.Email));
    emerName->setText(Q(d.EmerContactName));
    emerPhone->setText(Q(d.EmerContactPhone));
    physician->setText(Q(d.FamilyPhysician));
    sex.Set(d.Sex != 0);
    status.Set(d.MemberStatus != 0);
    employee.Set(d.Employee != 0);
    release.Set(d.SignedRelease != 0);
    message->setPlainText(Q(d.Message));
}

void CMemberProfilePg::ToDoc(CMemberSheetDoc& d) const {
    d.MemberID = N(memberId);
    d.Barcode = N(barcode);
    d.FirstName = S(first);
    d.MiddleInitial = S(middle);
    d.LastName = S(last);
    d.Address = S(address);
    d.City = S(city);
    d.State = state->currentText().toStdString();
    d.Zip = S(zip);
    d.Phone = S(phone);
    if (birthday->date() == NoDate) {
        d.Birthday = CEFOleDateTime();
        d.Birthday.SetStatus(COleDateTime::null);
    } else {
        d.Birthday = FromQDate(birthday->date());
    }
    d.Email = S(email);
    d.EmerContactName = S(emerName);
    d.EmerContactPhone = S(emerPhone);
    d.FamilyPhysician = S(physician);
    d.Sex = sex.Value();
    d.MemberStatus = status.Value();
    d.Employee = employee.Value();
    d.SignedRelease = release.Value();
    d.Message = message->toPlainText().toStdString();
}

QWidget* CMemberProfilePg::Field(int field) const {
    using D = CMemberSheetDoc;
    switch (field) {
    case D::fldMemberID:
        return memberId;
    case D::fldBarcode:
        return barcode;
    case D::fldFirstName:
        return first;
    case D::fldMiddleInitial:
        return middle;
    case D::fldLastName:
        return last;
    case D::fldAddress:
        return address;
    case D::fldCity:
        return city;
    case D::fldZip:
        return zip;
    case D::fldPhone:
        return phone;
    case D::fldBirthday:
        return birthday;
    case D::fldEmail:
        return email;
    case D::fldEmerContactName:
        return emerName;
    case D::fldEmerContactPhone:
        return emerPhone;
    case D::fldFamilyPhysician:
        return physician;
    case D::fldMessage:
        return message;
    default:
        return nullptr;
    }
}

// ---- Enrollment -----------------------------------------------------------

CMemberEnrollPg::CMemberEnrollPg(QWidget* parent) : QWidget(parent) {
    enrollment = deskfields::Date(this, QStringLiteral("enrollment"));
    expiration = deskfields::Date(this, QStringLiteral("expiration"));
    period = new QComboBox(this);
    for (unsigned char p = 0; p <= CDAODef::enrWinter; ++p)
        period->addItem(Q(CDAODef::GetEnrPerStr(p)));
    incentive = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    auto* top = new QFormLayout;
    top->addRow(QStringLiteral("Enrollment Date:"), enrollment);
    top->addRow(QStringLiteral("Expiration Date:"), expiration);
    top->addRow(QStringLiteral("Enrollment Period:"), period);
    top->addRow(QStringLiteral("Incentive Club:"), incentive.Row(this));
    auto* grid = new QGridLayout;
    for (int b = 0; b < 3; ++b) {
        blocks[b] =
            new CClassBlockWidget(QStringLiteral("Class %1").arg(b + 1),
                                  CClassBlockWidget::Details | CClassBlockWidget::DeleteButton,
                                  this, QStringLiteral("Delete\nClass %1").arg(b + 1));
        grid->addWidget(blocks[b], b / 2, b % 2);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grid);
}

void CMemberEnrollPg::ShowBlock(const CMemberSheetDoc& d, int b) {
    const CMemberClassBlock& c = d.Classes[b];
    blocks[b]->SetClass(c.category, c.course, c.section);
    blocks[b]->SetDetails(c.gradeStatus, c.orientBonus, c.reEvalBonuses, c.otherBonuses);
}

void CMemberEnrollPg::ShowDoc(const CMemberSheetDoc& d) {
    enrollment->setDate(ToQDate(d.EnrollmentDate));
    expiration->setDate(ToQDate(d.ExpirationDate));
    period->setCurrentIndex(d.EnrollmentPeriod < period->count() ? d.EnrollmentPeriod : -1);
    incentive.Set(d.IncentiveClub != 0);
    for (int b = 0; b < 3; ++b)
        ShowBlock(d, b);
}

void CMemberEnrollPg::ToDoc(CMemberSheetDoc& d) const {
    d.EnrollmentDate = FromQDate(enrollment->date());
    d.ExpirationDate = FromQDate(expiration->date());
    if (period->currentIndex() >= 0)
        d.EnrollmentPeriod = static_cast<unsigned char>(period->currentIndex());
    d.IncentiveClub = incentive.Value();
    for (int b = 0; b < 3; ++b) {
        CMemberClassBlock& c = d.Classes[b];
        c.category = blocks[b]->Category();
        c.course = blocks[b]->Course();
        c.section = blocks[b]->Section();
        c.categoryId = blocks[b]->CategoryId();
        c.gradeStatus = blocks[b]->Grade();
        c.orientBonus = blocks[b]->Orient();
        c.reEvalBonuses = blocks[b]->ReEval();
        c.otherBonuses = blocks[b]->Other();
    }
}

QWidget* CMemberEnrollPg::Field(int field) const {
    using D = CMemberSheetDoc;
    if (field == D::fldEnrollmentDate)
        return enrollment;
    if (field == D::fldExpirationDate)
        return expiration;
    if (field >= D::fldClassCategory && field < D::fldClassReEval)
        return blocks[field - D::fldClassCategory]->CategoryList();
    if (field >= D::fldClassReEval && field < D::fldClassOther)
        return blocks[field - D::fldClassReEval]->ReEvalSpin();
    if (field >= D::fldClassOther && field < D::fldEnd)
        return blocks[field - D::fldClassOther]->OtherSpin();
    return nullptr;
}

// ---- Sheet ----------------------------------------------------------------

CMemberSheet::CMemberSheet(CMemberSheetDoc& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), tabs_(new QTabWidget(this)), profile_(new CMemberProfilePg(this)),
      enroll_(new CMemberEnrollPg(this)), goals_(new CMemberGoalsPg(this)),
      medHist_(new CMemberMedHistPg(this)) {
    setWindowTitle(Q(vantora::format("Member ID %i", {doc.OpenedID()})));
    tabs_->addTab(profile_, QStringLiteral("Profile"));
    tabs_->addTab(enroll_, QStringLiteral("Enrollment"));
    tabs_->addTab(goals_, QStringLiteral("Fitness Goals"));
    tabs_->addTab(medHist_, QStringLiteral("Medical History"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    deskfields::OkCancel(this, layout);
    for (int b = 0; b < 3; ++b)
        connect(enroll_->blocks[b], &CClassBlockWidget::deleteClicked, this,
                [this, b] { DeleteClass(b); });

    profile_->ShowDoc(doc_);
    enroll_->ShowDoc(doc_);
    goals_->SetBits(doc_.Goals);
    medHist_->SetBits(doc_.MedHistory);
}

void CMemberSheet::DeleteClass(int block) {
    if (doc_.DeleteClass(block))
        enroll_->ShowBlock(doc_, block);
}

void CMemberSheet::accept() {
    profile_->ToDoc(doc_);
    enroll_->ToDoc(doc_);
    doc_.Goals = goals_->Bits(doc_.Goals);
    doc_.MedHistory = medHist_->Bits(doc_.MedHistory);
    if (progress_)
        progress_->Wait("Saving member data, please wait...");
    const bool saved = doc_.Apply();
    if (progress_)
        progress_->EndWait();
    if (saved) {
        QDialog::accept();
        return;
    }
    const int field = doc_.FocusField();
    if (field < 0)
        return;
    const int page = CMemberSheetDoc::PageOf(field);
    tabs_->setCurrentIndex(page);
    if (QWidget* w = page == 0 ? profile_->Field(field) : enroll_->Field(field))
        w->setFocus();
}
