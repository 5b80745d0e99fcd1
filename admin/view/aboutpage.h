#pragma once
// The "About" page: the program's version; no data.

#include "admin/view/adminpage.h"

class CAboutPg : public CAdminPage {
    Q_OBJECT
public:
    explicit CAboutPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return nullptr; }

    static constexpr const char* Version = "Version 3.2.0.0";

protected:
    void ShowDoc() override {}
    void ToDoc() override {}
    void FocusField(int) override {}
};
