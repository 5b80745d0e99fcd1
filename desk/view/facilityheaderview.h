#pragma once
// CMainView: the right pane of the desk program: the facility's name and
// address in the kiosk's frame colours, today's date, and the nine command
// buttons in two columns below.

#include "desk/view/deskcommands.h"

#include <QWidget>

#include <vector>

class CVantoraDoc;
class QAction;
class QPushButton;

class CMainView : public QWidget {
    Q_OBJECT
public:
    explicit CMainView(const CVantoraDoc& doc, QWidget* parent = nullptr);

    // Each button runs the frame's action of its command and follows its
    // enabled state.
    void Bind(DeskCommand command, QAction* action);
    QPushButton* Button(DeskCommand command) const;
    // The buttons' commands: left column first, then right.
    static const std::vector<DeskCommand>& ButtonCommands();

    // The header's lines in drawing order (facility block, then the date line).
    std::vector<QString> HeaderLines() const;
    // Where the buttons start below the header.
    int ButtonsTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // Draws the header (when a painter is given) and returns the y below it.
    int Header(class QPainter* painter) const;
    void PlaceButtons();
    QFont NameFont() const;
    QFont LineFont() const;
    std::vector<QString> FacilityLines() const;
    static QString DateLine();

    const CVantoraDoc& doc_;
    std::vector<QPushButton*> buttons_;
};
