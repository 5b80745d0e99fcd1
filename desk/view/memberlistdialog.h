#pragma once
// CMemberListDialog: the Members list over a CMemberListDoc: the rows with
// their state images and legend, the count, Edit and Delete (buttons,
// double-click, Delete key), the bulk changes, Merge Letter, Mailing Labels
// and Print, Backup and Archive.

#include <QDialog>

#include <functional>
#include <string>

class CMemberListDoc;
class CProgress;
class QLabel;
class QPushButton;
class QTreeWidget;

class CMemberListDialog : public QDialog {
    Q_OBJECT
public:
    // What the list's Edit and Delete call, with the member's ID; true
    // when the member was changed or deleted.
    struct Operations {
        std::function<bool(long&)> edit;
        std::function<bool(long&, const std::string&)> remove;
        std::function<void(long)> classChanged;
        CProgress* progress = nullptr;
    };

    CMemberListDialog(CMemberListDoc& doc, Operations ops, QWidget* parent = nullptr);

    QTreeWidget* List() const { return list_; }
    QPushButton* Button(const QString& text) const;

public Q_SLOTS:
    void Edit();
    void Delete();
    void UpdateClass();
    void UpdateEnroll();
    void PostMessage();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();
    int SelectedRow() const;
    // Requeries after a change; closes the list when nothing is left.
    void AfterChange();

    CMemberListDoc& doc_;
    Operations ops_;
    QTreeWidget* list_;
    QLabel* total_;
};
