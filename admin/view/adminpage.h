#pragma once
// CAdminPage: the base of the administration sheet's pages. A page shows its
// document's values in its controls and copies them back; the document
// loads, checks and writes. Editing a control marks the page modified.

#include <QString>
#include <QWidget>

class CPageDoc;
class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;

class CAdminPage : public QWidget {
    Q_OBJECT
public:
    CAdminPage(QString title, QWidget* parent = nullptr);

    const QString& Title() const { return title_; }
    // The page's document; null for a page without data.
    virtual CPageDoc* Doc() = 0;

    // The page becomes active: the document loads (or keeps unapplied
    // changes) and the controls show it.
    void Activate();
    // Copies the controls into the document.
    void Collect();
    // Copies, checks and writes; on failure the cursor goes to the field
    // the document names.
    bool Apply();
    // Puts the cursor on the field that made the last Apply fail.
    void FocusFailure();

Q_SIGNALS:
    // A control was edited.
    void changed();
    // The page wrote data on its own (the catalog dialogs).
    void written();

protected:
    virtual void ShowDoc() = 0;
    virtual void ToDoc() = 0;
    virtual void FocusField(int field) = 0;

    // Shows the document with change tracking paused.
    void Refresh();
    // Marks the page modified whenever the control changes.
    void Watch(QLineEdit* edit);
    void Watch(QSpinBox* spin);
    void Watch(QComboBox* combo);
    void Watch(QAbstractButton* button);
    void MarkChanged();

    // A line edit limited to `limit` characters.
    QLineEdit* MakeEdit(int limit);
    // A spin box that refuses values outside low..high.
    QSpinBox* MakeSpin(int low, int high);
    // Two exclusive choices in a titled frame.
    struct RadioPair {
        QGroupBox* box;
        QRadioButton* first;
        QRadioButton* second;
    };
    RadioPair MakePair(const QString& title, const QString& first, const QString& second);
    // Checks the first or the second choice.
    static void SetPair(const RadioPair& pair, bool first);

    // Puts the cursor into a control.
    static void FocusOn(QWidget* w);

private:
    QString title_;
    bool loading_ = false;
};
