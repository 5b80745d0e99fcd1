#pragma once
// CAdminSheet: the modal "Vantora Administration" sheet of nine pages with
// OK, Cancel and Apply. A page loads when it becomes active; Apply and OK
// write every page that was visited, in tab order, and stop at the first
// that fails, showing it. After a successful write Cancel reads "Close".

#include <QDialog>

#include <vector>

class CAdminPage;
class QPushButton;
class QTabWidget;

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

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* ApplyButton() const { return apply_; }

    // Writes the visited pages; true when all succeeded.
    bool Apply();
    void accept() override;

private:
    void OnPageChanged(int index);
    void OnWritten();

    QTabWidget* tabs_;
    std::vector<CAdminPage*> pages_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};
