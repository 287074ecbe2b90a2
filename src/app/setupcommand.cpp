// SPDX-License-Identifier: GPL-3.0-or-later
// The Setup command: shows the Setup dialog and takes its numbers over.
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/setupdialog.h"
#include "toolkit/fields.h"
#include "toolkit/textpane.h"
#include "windows/roundedframe.h"

#include <QLineEdit>

namespace tandem {

namespace {

// The dialog's colours are the main window's mark colours and the panes' background.
class WindowColours : public SetupTarget {
public:
    explicit WindowColours(MainWindow& window) : window_(window) {}

    QColor Colour(ColourRole role) const override {
        if (role == ColourRole::Background)
            return window_.sides[kLeft].pane->BackgroundColour();
        return *MarkColour(role);
    }

    void SetColour(ColourRole role, const QColor& colour) override {
        if (role != ColourRole::Background) {
            *MarkColour(role) = colour;
            return;
        }
        for (PaneSide& side : window_.sides)
            side.pane->SetBackgroundColour(colour);
        window_.backgroundChosen = true;
    }

    void Recompare() override { tandem::Recompare(window_); }

private:
    QColor* MarkColour(ColourRole role) const {
        switch (role) {
        case ColourRole::Insert:
            return &window_.insertColour;
        case ColourRole::Difference1:
            return &window_.differenceColour1;
        case ColourRole::Difference2:
            return &window_.differenceColour2;
        default:
            return &window_.differenceColour3;
        }
    }

    MainWindow& window_;
};

int FieldNumber(const QLineEdit* field) {
    return TextToNumber(field->text().toStdString());
}

} // namespace

// The numbers are taken over however the dialog was closed; they are saved with the other
// options when the pair is next left, and used by the next comparison.
void ShowSetup(MainWindow& window) {
    WindowColours colours(window);
    auto dialog = std::make_unique<SetupDialog>(colours);
    Program().setup = dialog.get();
    dialog->DepthField()->setText(QString::number(window.depth));
    dialog->LookupField()->setText(QString::number(window.lookup));
    AttachRoundedFrame(dialog.get());
    dialog->exec();
    window.depth = FieldNumber(dialog->DepthField());
    window.lookup = FieldNumber(dialog->LookupField());
    ShowDepthAndLookup(window);
    dialog.reset();
    Program().setup = nullptr;
}

} // namespace tandem
