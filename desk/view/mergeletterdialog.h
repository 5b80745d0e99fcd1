#pragma once
// CMergeLetterDlg: "Merge Letter": the body of the letter in an edit box,
// the blank lines at the top, Test Print, Print All, Select Template and
// Save Template over the listed members. Opening it asks for a template
// at once. CTemplateListDlg ("Merge Letter Templates") and
// CTemplateNameDlg ("Template Name") are its two small dialogs.

#include "desk/core/mergeletter.h"

#include <QDialog>

#include <string>
#include <vector>

class CMemberListDoc;
class CProgress;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPrinter;
class QSpinBox;

class CTemplateListDlg : public QDialog {
    Q_OBJECT
public:
    CTemplateListDlg(QWidget* parent, const std::vector<std::string>& names, int current);
    int Selected() const;
    QListWidget* List() const { return list_; }

private:
    QListWidget* list_;
};

class CTemplateNameDlg : public QDialog {
    Q_OBJECT
public:
    CTemplateNameDlg(QWidget* parent, const std::string& name);
    std::string Name() const;
    QLineEdit* Edit() const { return edit_; }

private:
    QLineEdit* edit_;
};

class CMergeLetterDlg : public QDialog {
    Q_OBJECT
public:
    CMergeLetterDlg(QWidget* parent, CMemberListDoc& list, QPrinter* printer, CProgress& progress);

    QPlainTextEdit* Body() const { return body_; }
    QSpinBox* BlankLines() const { return blank_; }
    int Template() const { return template_; }

public Q_SLOTS:
    void SelectTemplate();
    void SaveTemplate();
    void TestPrint();
    void PrintAll();

private:
    void Print(bool test);

    CMemberListDoc& list_;
    QPrinter* printer_;
    CProgress& progress_;
    CLetterTemplates templates_;
    int template_ = 0;
    QPlainTextEdit* body_;
    QSpinBox* blank_;
};
