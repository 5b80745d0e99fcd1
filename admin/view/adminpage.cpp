#include "admin/view/adminpage.h"

#include "forms/pagedoc.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

CAdminPage::CAdminPage(QString title, QWidget* parent)
    : QWidget(parent), title_(std::move(title)) {}

void CAdminPage::Activate() {
    if (CPageDoc* doc = Doc()) {
        if (doc->Visited() && doc->Modified())
            Collect();
        doc->Activate();
        Refresh();
    }
}

void CAdminPage::Collect() {
    if (Doc())
        ToDoc();
}

bool CAdminPage::Apply() {
    CPageDoc* doc = Doc();
    if (!doc)
        return true;
    Collect();
    if (doc->Apply()) {
        Refresh();
        return true;
    }
    FocusFailure();
    return false;
}

void CAdminPage::FocusFailure() {
    if (Doc() && Doc()->FocusField() >= 0)
        FocusField(Doc()->FocusField());
}

void CAdminPage::Refresh() {
    loading_ = true;
    ShowDoc();
    loading_ = false;
}

void CAdminPage::MarkChanged() {
    if (loading_ || !Doc())
        return;
    Doc()->SetModified();
    Q_EMIT changed();
}

void CAdminPage::Watch(QLineEdit* edit) {
    connect(edit, &QLineEdit::textChanged, this, &CAdminPage::MarkChanged);
}

void CAdminPage::Watch(QSpinBox* spin) {
    connect(spin, &QSpinBox::valueChanged, this, &CAdminPage::MarkChanged);
}

void CAdminPage::Watch(QComboBox* combo) {
    connect(combo, &QComboBox::currentIndexChanged, this, &CAdminPage::MarkChanged);
}

void CAdminPage::Watch(QAbstractButton* button) {
    connect(button, &QAbstractButton::toggled, this, &CAdminPage::MarkChanged);
}

QLineEdit* CAdminPage::MakeEdit(int limit) {
    auto* edit = new QLineEdit(this);
    edit->setMaxLength(limit);
    // Short fields get a box that fits what they can hold.
    if (limit <= 10)
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('W')) *
                              (limit + 2));
    Watch(edit);
    return edit;
}

QSpinBox* CAdminPage::MakeSpin(int low, int high) {
    auto* spin = new QSpinBox(this);
    spin->setRange(low, high);
    spin->setMaximumWidth(100);
    Watch(spin);
    return spin;
}

void CAdminPage::FocusOn(QWidget* w) {
    if (!w)
        return;
    w->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        spin->selectAll();
}

CAdminPage::RadioPair CAdminPage::MakePair(const QString& title, const QString& first,
                                           const QString& second) {
    RadioPair pair{new QGroupBox(title, this), nullptr, nullptr};
    pair.first = new QRadioButton(first, pair.box);
    pair.second = new QRadioButton(second, pair.box);
    auto* row = new QHBoxLayout(pair.box);
    row->addWidget(pair.first);
    row->addWidget(pair.second);
    row->addStretch();
    Watch(pair.first);
    return pair;
}

void CAdminPage::SetPair(const RadioPair& pair, bool first) {
    (first ? pair.first : pair.second)->setChecked(true);
}
