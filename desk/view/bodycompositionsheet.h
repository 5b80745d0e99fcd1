#pragma once
// CBodyCompSheet: the body-composition sheet: the profile page and the page
// of the record's measuring method. CBodyCompMethodDlg: the choice of the
// method for a new body composition.

#include "desk/core/bodycompositionsheetdocument.h"

#include <QDialog>

class CSkinFoldPg;
class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QListWidget;
class QRadioButton;
class QTabWidget;

class CBodyCompMethodDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBodyCompMethodDlg(QWidget* parent);
    // The chosen method, -1 when none.
    int Method() const;
    void accept() override;

private:
    QListWidget* list_;
};

class CBodyCompSheet : public QDialog {
    Q_OBJECT
public:
    // The document has been activated (loaded).
    CBodyCompSheet(QWidget* parent, CBodyCompSheetDoc& doc);

    QTabWidget* Pages() const { return tabs_; }
    void accept() override;

private:
    QWidget* ProfilePage();
    QWidget* MethodPage();
    void ShowDoc();
    void ToDoc();
    void Calculate();

    CBodyCompSheetDoc& doc_;
    QTabWidget* tabs_;
    QDateEdit* date_ = nullptr;
    QDoubleSpinBox* height_ = nullptr;
    QDoubleSpinBox* weight_ = nullptr;
    QDoubleSpinBox* waist_ = nullptr;
    QDoubleSpinBox* hip_ = nullptr;
    QComboBox* class_ = nullptr;
    QComboBox* activity_ = nullptr;
    QDoubleSpinBox* wrist_ = nullptr;
    CSkinFoldPg* skinFolds_ = nullptr;
    QDoubleSpinBox* waterTemp_ = nullptr;
    QRadioButton* celsius_ = nullptr;
    QDoubleSpinBox* wetWeight_ = nullptr;
    QRadioButton* wetKg_ = nullptr;
    QDoubleSpinBox* tareWeight_ = nullptr;
    QRadioButton* tareKg_ = nullptr;
    QRadioButton* brozek_ = nullptr;
    QDoubleSpinBox* fat_ = nullptr;
};
