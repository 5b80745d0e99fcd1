#include "desk/view/findmembersdialog.h"

#include "desk/core/membersheetdocument.h"
#include "desk/view/classblockwidget.h"
#include "desk/view/dateconversion.h"
#include "desk/view/memberfields.h"
#include "desk/view/memberflagpages.h"
#include "desk/view/sheetfields.h"

#include "db/daodef.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

std::string S(const QLineEdit* e) {
    return e->text().toStdString();
}

// A pair starts with neither chosen and counts only once clicked.
std::optional<unsigned char> Chosen(const CRadioPair& p) {
    if (!p.first->isChecked() && !p.second->isChecked())
        return std::nullopt;
    return p.Value();
}

// A date picker switched on by a check box in front of it.
QWidget* CheckedDate(QWidget* parent, QCheckBox*& box, QDateEdit*& date) {
    auto* w = new QWidget(parent);
    auto* row = new QHBoxLayout(w);
    row->setContentsMargins(0, 0, 0, 0);
    box = new QCheckBox(w);
    date = deskfields::Date(w, QString());
    date->setDate(QDate::currentDate());
    date->setEnabled(false);
    QObject::connect(box, &QCheckBox::toggled, date, &QWidget::setEnabled);
    row->addWidget(box);
    row->addWidget(date);
    row->addStretch();
    return w;
}

std::optional<CEFOleDateTime> DateIf(const QCheckBox* box, const QDateEdit* date) {
    if (!box->isChecked())
        return std::nullopt;
    return FromQDate(date->date());
}

} // namespace

CMemberFindPg::CMemberFindPg(QWidget* parent) : QWidget(parent) {
    using D = CMemberSheetDoc;
    memberId = memberfields::Number(this);
    barcode = memberfields::Number(this);
    first = memberfields::Text(this, D::NameLimit);
    last = memberfields::Text(this, D::LastNameLimit);
    address = memberfields::Text(this, D::AddressLimit);
    city = memberfields::Text(this, D::CityLimit);
    state = memberfields::States(this);
    zip = memberfields::Text(this, D::ZipLimit);
    phone = memberfields::Text(this, D::PhoneLimit);
    email = memberfields::Text(this, D::EmailLimit);
    physician = memberfields::Text(this, D::ContactLimit);
    lowerAge = new QSpinBox(this);
    upperAge = new QSpinBox(this);
    lowerAge->setRange(0, CMemberFindValues::AgeLimit);
    upperAge->setRange(0, CMemberFindValues::AgeLimit);
    sex = CRadioPair::Make(this, QStringLiteral("M"), QStringLiteral("F"));
    status = CRadioPair::Make(this, QStringLiteral("Current"), QStringLiteral("Past"));
    employee = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    release = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));

    auto* columns = memberfields::TwoColumns({{"Member ID #:", memberId},
                                              {"Workout #:", barcode},
                                              {"First Name:", first},
                                              {"Last Name:", last},
                                              {"Address:", address},
                                              {"City:", city},
                                              {"State:", state},
                                              {"Zip:", zip}},
                                             {{"Phone:", phone},
                                              {"Email:", email},
                                              {"Physician:", physician},
                                              {"Sex:", sex.Row(this)},
                                              {"Membership Status:", status.Row(this)},
                                              {"Employee:", employee.Row(this)},
                                              {"Signed Release Form:", release.Row(this)}});
    auto* ages = new QHBoxLayout;
    ages->addWidget(
        new QLabel(QStringLiteral("Age Range (for example,  \"35 to 50\" years old):"), this));
    ages->addWidget(lowerAge);
    ages->addWidget(new QLabel(QStringLiteral("to"), this));
    ages->addWidget(upperAge);
    ages->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addLayout(ages);
    layout->addStretch();
}

void CMemberFindPg::ToValues(CMemberFindValues& v) const {
    v.MemberID = memberId->text().toLong();
    v.Barcode = barcode->text().toLong();
    v.FirstName = S(first);
    v.LastName = S(last);
    v.Address = S(address);
    v.City = S(city);
    v.State = state->currentText().toStdString();
    v.Zip = S(zip);
    v.Phone = S(phone);
    v.Email = S(email);
    v.Physician = S(physician);
    v.LowerAge = lowerAge->value();
    v.UpperAge = upperAge->value();
    v.Sex = Chosen(sex);
    v.MemberStatus = Chosen(status);
    v.Employee = Chosen(employee);
    v.SignedRelease = Chosen(release);
}

CMemberEnrollFindPg::CMemberEnrollFindPg(QWidget* parent) : QWidget(parent) {
    period = new QComboBox(this);
    period->addItem(QString());
    for (unsigned char p = 0; p <= CDAODef::enrWinter; ++p)
        period->addItem(QString::fromStdString(CDAODef::GetEnrPerStr(p)));
    incentive = CRadioPair::Make(this, QStringLiteral("Yes"), QStringLiteral("No"));
    block = new CClassBlockWidget(QStringLiteral("Class"), CClassBlockWidget::Lists, this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Enrollment Period:"), period);
    form->addRow(QStringLiteral("Incentive Club:"), incentive.Row(this));
    auto* ranges = new QGridLayout;
    ranges->addWidget(new QLabel(QStringLiteral("Enrollment date from:"), this), 0, 0);
    ranges->addWidget(CheckedDate(this, useEnrFrom, enrFrom), 0, 1);
    ranges->addWidget(new QLabel(QStringLiteral("to:"), this), 0, 2);
    ranges->addWidget(CheckedDate(this, useEnrTo, enrTo), 0, 3);
    ranges->addWidget(new QLabel(QStringLiteral("Expiration date from:"), this), 1, 0);
    ranges->addWidget(CheckedDate(this, useExpFrom, expFrom), 1, 1);
    ranges->addWidget(new QLabel(QStringLiteral("to:"), this), 1, 2);
    ranges->addWidget(CheckedDate(this, useExpTo, expTo), 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(ranges);
    layout->addWidget(new QLabel(
        QStringLiteral("Note: The enrollment and expiration ranges are inclusive - members who "
                       "have\nenrolled (or whose membership expires) on either of the dates will "
                       "be listed."),
        this));
    layout->addWidget(block);
    layout->addStretch();
}

void CMemberEnrollFindPg::ToValues(CMemberFindValues& v) const {
    if (period->currentIndex() > 0)
        v.EnrollmentPeriod = static_cast<unsigned char>(period->currentIndex() - 1);
    v.IncentiveClub = Chosen(incentive);
    v.EnrollmentFrom = DateIf(useEnrFrom, enrFrom);
    v.EnrollmentTo = DateIf(useEnrTo, enrTo);
    v.ExpirationFrom = DateIf(useExpFrom, expFrom);
    v.ExpirationTo = DateIf(useExpTo, expTo);
    v.Category = block->Category();
    v.Course = block->Course();
    v.Section = block->Section();
}

CFindMembersSheet::CFindMembersSheet(QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)), profile_(new CMemberFindPg(this)),
      enroll_(new CMemberEnrollFindPg(this)), goals_(new CMemberGoalsPg(this)),
      medHist_(new CMemberMedHistPg(this)) {
    setWindowTitle(QStringLiteral("Find Members"));
    tabs_->addTab(profile_, QStringLiteral("Profile"));
    tabs_->addTab(enroll_, QStringLiteral("Enrollment"));
    tabs_->addTab(goals_, QStringLiteral("Fitness Goals"));
    tabs_->addTab(medHist_, QStringLiteral("Medical History"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    deskfields::OkCancel(this, layout);
}

void CFindMembersSheet::accept() {
    CMemberFindValues v;
    profile_->ToValues(v);
    enroll_->ToValues(v);
    v.Goals = goals_->Bits();
    v.MedHistory = medHist_->Bits();
    data_ = CMemberSearchData();
    int focus = -1;
    if (!v.ToSearchData(data_, &focus)) {
        tabs_->setCurrentWidget(enroll_);
        (focus == 0 ? (v.EnrollmentFrom ? enroll_->useEnrTo : enroll_->useEnrFrom)
                    : (v.ExpirationFrom ? enroll_->useExpTo : enroll_->useExpFrom))
            ->setFocus();
        return;
    }
    QDialog::accept();
}
