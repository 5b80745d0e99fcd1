#pragma once
// The "Barcode/Touch Screen" page, with its five colour swatches. The colour
// chooser is replaceable so that tests can answer it.

#include "admin/core/barcodetouchdocument.h"
#include "admin/view/adminpage.h"

#include <functional>
#include <optional>

class QLabel;

class CBarcPg : public CAdminPage {
    Q_OBJECT
public:
    // Answers the chosen colour (red + 256 * green + 65536 * blue) or
    // nothing when the user cancels.
    using ColourChooser = std::function<std::optional<long>(long current, QWidget* parent)>;

    explicit CBarcPg(QWidget* parent = nullptr);
    CPageDoc* Doc() override { return &doc_; }
    CBarcDoc& Document() { return doc_; }

    // Replaces the chooser for every page; an empty one restores the
    // standard colour dialog. Returns the previous chooser.
    static ColourChooser SetColourChooser(ColourChooser chooser);
    // Opens the chooser for a colour, as its Select button does.
    void SelectColour(int colour);

    // Colour values to and from the stored form.
    static QColor ToQColor(long value);
    static long FromQColor(const QColor& colour);

protected:
    void ShowDoc() override;
    void ToDoc() override;
    void FocusField(int field) override;

private:
    void ShowSwatch(int colour);

    CBarcDoc doc_;
    RadioPair method_;
    QSpinBox* codeLen_;
    RadioPair details_;
    QSpinBox* duration_;
    RadioPair digits_;
    QLineEdit* msg_[3];
    QSpinBox* msgTime_;
    RadioPair blink_;
    QLabel* swatch_[CBarcDoc::ColourCount];
};
