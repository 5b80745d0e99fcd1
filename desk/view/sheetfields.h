#pragma once
// Controls shared by the evaluation and body-composition sheets: the date
// picker, number fields with their ranges, and the member's class and
// activity-level drop-downs.

#include "desk/core/memberfacts.h"

#include <QString>

class QBoxLayout;
class QComboBox;
class QDialog;
class QFormLayout;
class QDateEdit;
class QDoubleSpinBox;
class QSpinBox;
class QWidget;

namespace deskfields {

QDateEdit* Date(QWidget* parent, const QString& name);
QSpinBox* Whole(QWidget* parent, const QString& name, int low, int high);
QDoubleSpinBox* Decimal(QWidget* parent, const QString& name, double low, double high,
                        int decimals = 1);
// A read-only number, for calculated results and the member's age.
QSpinBox* Result(QWidget* parent, const QString& name);
// The member's classes, each with its class index as item data.
QComboBox* Classes(QWidget* parent, const CMemberFacts& member);
// The five activity levels, item index = level.
QComboBox* Activity(QWidget* parent);
// The class index of the current item, -1 when none.
int ClassOf(const QComboBox* combo);

// The read-only Age and Sex rows and the Height and Weight rows of a
// profile page.
void MemberRows(QWidget* page, QFormLayout* form, const CMemberFacts& member,
                QDoubleSpinBox*& height, QDoubleSpinBox*& weight);
// OK and Cancel at the foot of a sheet.
void OkCancel(QDialog* dialog, QBoxLayout* layout);

} // namespace deskfields
