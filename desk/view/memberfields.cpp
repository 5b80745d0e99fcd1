#include "desk/view/memberfields.h"

#include "util/stateabbrev.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace memberfields {

QLineEdit* Text(QWidget* parent, int limit) {
    auto* e = new QLineEdit(parent);
    e->setMaxLength(limit);
    return e;
}

QLineEdit* Number(QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), e));
    return e;
}

QComboBox* States(QWidget* parent) {
    auto* list = new QComboBox(parent);
    const CStateAbbrev states;
    list->addItem(QString());
    for (int i = 0; i < states.GetNumAbbrev(); ++i)
        list->addItem(QString::fromStdString(states.GetStAbbrev(i)));
    return list;
}

QHBoxLayout* TwoColumns(std::initializer_list<Row> left, std::initializer_list<Row> right) {
    auto* columns = new QHBoxLayout;
    for (const auto& rows : {left, right}) {
        auto* form = new QFormLayout;
        for (const Row& r : rows)
            form->addRow(QString::fromLatin1(r.label), r.field);
        if (columns->count() > 0)
            columns->addSpacing(16);
        columns->addLayout(form);
    }
    return columns;
}

} // namespace memberfields
