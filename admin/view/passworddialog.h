#pragma once
// The "Enter Password" dialog that guards the administration program.

#include <QDialog>

#include <optional>
#include <string>

class QLineEdit;

class CPassDlg : public QDialog {
    Q_OBJECT
public:
    explicit CPassDlg(QWidget* parent = nullptr);
    QLineEdit* PasswordEdit() { return password_; }
    std::string Entry() const;

    // Shows the dialog; the entered text on OK, nothing on Cancel.
    static std::optional<std::string> Ask(QWidget* parent = nullptr);

private:
    QLineEdit* password_;
};
