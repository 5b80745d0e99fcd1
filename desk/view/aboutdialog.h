#pragma once
// CAboutDlg: Help > About Vantora, the program's name and version.

#include <QDialog>

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* Version = "Version 3.2.0.0";
    explicit CAboutDlg(QWidget* parent = nullptr);
};
