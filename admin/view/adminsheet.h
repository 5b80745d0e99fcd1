#pragma once
// CAdminSheet: the modal "Vantora Administration" sheet of nine pages with
// OK, Cancel and Apply. The page tabs are stacked in two rows so that all
// nine show at once and the sheet fits a 1024 x 768 screen. A page loads
// when it becomes active; Apply and OK write every page that was visited, in
// tab order, and stop at the first that fails, showing it. After a
// successful write Cancel reads "Close".

#include <QDialog>

#include <vector>

class CAdminPage;
class QAbstractButton;
class QButtonGroup;
class QPushButton;
class QStackedWidget;

class CAdminSheet : public QDialog {
    Q_OBJECT
public:
    explicit CAdminSheet(QWidget* parent = nullptr);

    static constexpr const char* Title = "Vantora Administration";

    int PageCount() const { return int(pages_.size()); }
    CAdminPage* Page(int index) const { return pages_.at(std::size_t(index)); }
    // Makes a page the active one (and so loads it).
    void SetActivePage(int index);
    int ActivePage() const;
    // The tab that shows a page.
    QAbstractButton* TabButton(int index) const;
    static constexpr int TabsPerRow = 5;

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ApplyButton() const { return apply_; }

    // Writes the visited pages; true when all succeeded.
    bool Apply();
    void accept() override;

private:
    void OnPageChanged(int index);
    void OnWritten();
    // Moves to the next or previous page, wrapping round.
    void StepPage(int step);

    QStackedWidget* stack_;
    QButtonGroup* tabs_;
    std::vector<CAdminPage*> pages_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};
