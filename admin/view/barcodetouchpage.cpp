#include "admin/view/barcodetouchpage.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

CBarcPg::ColourChooser& chooser() {
    static CBarcPg::ColourChooser c;
    return c;
}

std::optional<long> standardChooser(long current, QWidget* parent) {
    const QColor picked = QColorDialog::getColor(CBarcPg::ToQColor(current), parent);
    if (!picked.isValid())
        return std::nullopt;
    return CBarcPg::FromQColor(picked);
}

} // namespace

CBarcPg::ColourChooser CBarcPg::SetColourChooser(ColourChooser c) {
    ColourChooser previous = std::move(chooser());
    chooser() = std::move(c);
    return previous;
}

QColor CBarcPg::ToQColor(long value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

long CBarcPg::FromQColor(const QColor& colour) {
    return long(colour.red()) | (long(colour.green()) << 8) | (long(colour.blue()) << 16);
}

CBarcPg::CBarcPg(QWidget* parent) : CAdminPage(QStringLiteral("Barcode/Touch Screen"), parent) {
    method_ = MakePair(QStringLiteral("Check-In Method"), QStringLiteral("Barcode"),
                       QStringLiteral("Touch"));
    codeLen_ = MakeSpin(1, 9);
    details_ = MakePair(QStringLiteral("Record Workout Details"), QStringLiteral("Yes"),
                        QStringLiteral("No"));
    duration_ = MakeSpin(0, 60);
    digits_ = MakePair(QStringLiteral("Max. Workout Option Digits"), QStringLiteral("Two"),
                       QStringLiteral("Three"));
    msgTime_ = MakeSpin(1, 15);
    blink_ =
        MakePair(QStringLiteral("Blink Messages"), QStringLiteral("Yes"), QStringLiteral("No"));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QGridLayout;
    top->addWidget(method_.box, 0, 0);
    auto* lenBox = new QGroupBox(QStringLiteral("ID Number"), this);
    (new QFormLayout(lenBox))->addRow(QStringLiteral("Number Length in Digits:"), codeLen_);
    top->addWidget(lenBox, 0, 1);
    top->addWidget(details_.box, 1, 0);
    auto* durBox = new QGroupBox(QStringLiteral("Workout Without Check-In/Out"), this);
    (new QFormLayout(durBox))->addRow(QStringLiteral("Default Duration in Min:"), duration_);
    top->addWidget(durBox, 1, 1);
    top->addWidget(digits_.box, 2, 0);
    top->addWidget(blink_.box, 2, 1);
    layout->addLayout(top);

    auto* msgBox = new QGroupBox(QStringLiteral("Messages"), this);
    auto* msgForm = new QFormLayout(msgBox);
    for (int i = 0; i < 3; ++i) {
        msg_[i] = MakeEdit(CBarcDoc::MsgLimit);
        msgForm->addRow(QStringLiteral("Message Line %1:").arg(i + 1), msg_[i]);
    }
    msgForm->addRow(QStringLiteral("Display Time in Seconds:"), msgTime_);
    layout->addWidget(msgBox);

    const char* const names[CBarcDoc::ColourCount] = {"Large Text", "Medium Text", "Small Text",
                                                      "Primary Frames", "Secondary Frames"};
    auto* colourBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colours = new QGridLayout(colourBox);
    for (int i = 0; i < CBarcDoc::ColourCount; ++i) {
        swatch_[i] = new QLabel(colourBox);
        swatch_[i]->setFixedSize(48, 20);
        swatch_[i]->setFrameShape(QFrame::Box);
        swatch_[i]->setAutoFillBackground(true);
        auto* select = new QPushButton(QStringLiteral("Select..."), colourBox);
        connect(select, &QPushButton::clicked, this, [this, i] { SelectColour(i); });
        colours->addWidget(new QLabel(QString::fromUtf8(names[i]), colourBox), i, 0);
        colours->addWidget(swatch_[i], i, 1);
        colours->addWidget(select, i, 2);
    }
    colours->setColumnStretch(3, 1);
    layout->addWidget(colourBox);
    layout->addStretch();
}

void CBarcPg::SelectColour(int colour) {
    if (colour < 0 || colour >= CBarcDoc::ColourCount)
        return;
    const ColourChooser& c = chooser();
    const long current = doc_.Colours[colour];
    const std::optional<long> picked = c ? c(current, this) : standardChooser(current, this);
    if (!picked || *picked == current)
        return;
    Collect();
    doc_.Colours[colour] = *picked;
    ShowSwatch(colour);
    MarkChanged();
}

void CBarcPg::ShowSwatch(int colour) {
    QPalette p = swatch_[colour]->palette();
    p.setColor(QPalette::Window, ToQColor(doc_.Colours[colour]));
    swatch_[colour]->setPalette(p);
}

void CBarcPg::ShowDoc() {
    SetPair(method_, doc_.CodeMeth == 0);
    codeLen_->setValue(doc_.CodeLen);
    SetPair(details_, doc_.RecordDetails);
    duration_->setValue(doc_.NoChkInWkMin);
    SetPair(digits_, !doc_.ThreeDigits);
    for (int i = 0; i < 3; ++i)
        msg_[i]->setText(QString::fromStdString(doc_.Msg[i]));
    msgTime_->setValue(doc_.MsgTime);
    SetPair(blink_, doc_.Blink);
    for (int i = 0; i < CBarcDoc::ColourCount; ++i)
        ShowSwatch(i);
}

void CBarcPg::ToDoc() {
    doc_.CodeMeth = method_.first->isChecked() ? 0 : 1;
    doc_.CodeLen = codeLen_->value();
    doc_.RecordDetails = details_.first->isChecked();
    doc_.NoChkInWkMin = duration_->value();
    doc_.ThreeDigits = digits_.second->isChecked();
    for (int i = 0; i < 3; ++i)
        doc_.Msg[i] = msg_[i]->text().toStdString();
    doc_.MsgTime = msgTime_->value();
    doc_.Blink = blink_.first->isChecked();
}

void CBarcPg::FocusField(int field) {
    QWidget* const fields[] = {codeLen_, duration_, msg_[0], msg_[1], msg_[2], msgTime_};
    if (field >= 0 && field < int(std::size(fields)))
        FocusOn(fields[field]);
}
