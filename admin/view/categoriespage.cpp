#include "admin/view/categoriespage.h"

#include "admin/view/coursesdialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CCatePg::CCatePg(QWidget* parent) : CAdminPage(QStringLiteral("Categories"), parent) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Category"), this), 0, 1);
    for (int i = 0; i < CCateDoc::Rows; ++i) {
        name_[i] = MakeEdit(CCateDoc::NameLimit);
        name_[i]->setMaximumWidth(100);
        courses_[i] = new QPushButton(QStringLiteral("Courses/Sections"), this);
        connect(courses_[i], &QPushButton::clicked, this, [this, i] { OpenCourses(i); });
        grid->addWidget(new QLabel(QStringLiteral("%1.").arg(i + 1), this), i + 1, 0);
        grid->addWidget(name_[i], i + 1, 1);
        grid->addWidget(courses_[i], i + 1, 2);
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch();
}

void CCatePg::OpenCourses(int row) {
    Collect();
    const std::optional<CCateDoc::Row> cat = doc_.CoursesFor(row);
    Refresh();
    if (!cat) {
        if (doc_.FocusField() >= 0)
            FocusField(doc_.FocusField());
        if (!doc_.Modified())
            Q_EMIT written();
        return;
    }
    Q_EMIT written();
    CCourDlg dialog(cat->name, cat->id, this);
    dialog.exec();
}

void CCatePg::ShowDoc() {
    for (int i = 0; i < CCateDoc::Rows; ++i)
        name_[i]->setText(QString::fromStdString(doc_.Cats[i].name));
}

void CCatePg::ToDoc() {
    for (int i = 0; i < CCateDoc::Rows; ++i)
        doc_.Cats[i].name = name_[i]->text().toStdString();
}

void CCatePg::FocusField(int field) {
    if (field >= 0 && field < CCateDoc::Rows)
        FocusOn(name_[field]);
}
