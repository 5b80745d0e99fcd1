#pragma once
// CRecordListDlg: the report-style list of workouts, evaluations or body
// compositions with its count and buttons. The rows come from a CRecordList;
// Edit, Delete and Analyze call back with the row (the set already moved to
// it), and after a change the list reads its query again, closing with the
// list's "No further ..." message once it is empty.

#include <QDialog>
#include <QIcon>

#include <functional>
#include <vector>

class CRecordList;
class QLabel;
class QPushButton;
class QTableView;
class CRecordListModel;

class CRecordListDlg : public QDialog {
    Q_OBJECT
public:
    using Action = std::function<bool(int row)>;

    // `legend` names the row images (index = CRecordList::Image); empty for none.
    CRecordListDlg(QWidget* parent, CRecordList& list, std::vector<QString> legend = {});
    ~CRecordListDlg() override;

    // A callback returns true when it changed the records.
    void SetEdit(Action action) { edit_ = std::move(action); }
    void SetDelete(Action action) { delete_ = std::move(action); }
    // Shows the Analyze button.
    void SetAnalyze(Action action);

    QTableView* View() const { return view_; }
    // The image of each legend entry.
    static QIcon Image(int index);

public Q_SLOTS:
    void OnEdit();
    void OnDelete();
    void OnAnalyze();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The selected row, or -1 after showing the hint.
    int Selected(const std::string& hint) const;
    void Run(const Action& action, const std::string& hint);
    void Refill();

    CRecordList& list_;
    CRecordListModel* model_;
    QTableView* view_;
    QLabel* count_;
    QPushButton* analyze_;
    Action edit_;
    Action delete_;
    Action analyzeAction_;
};
