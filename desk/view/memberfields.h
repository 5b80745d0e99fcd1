#pragma once
// Entry controls shared by the member sheet and the member search: a text
// field with its character limit, a member ID or workout number field of
// at most nine digits, and the list of state abbreviations.

#include <initializer_list>

class QComboBox;
class QHBoxLayout;
class QLineEdit;
class QWidget;

namespace memberfields {

QLineEdit* Text(QWidget* parent, int limit);
QLineEdit* Number(QWidget* parent);
// An empty entry, then the abbreviations in their order.
QComboBox* States(QWidget* parent);

// Two columns of labelled fields side by side.
struct Row {
    const char* label;
    QWidget* field;
};
QHBoxLayout* TwoColumns(std::initializer_list<Row> left, std::initializer_list<Row> right);

} // namespace memberfields
