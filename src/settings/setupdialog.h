// SPDX-License-Identifier: GPL-3.0-or-later
// The Setup dialog: the five display colours, each taking effect at once, and the depth of
// analysis and the lookup, which whoever shows the dialog takes over when it closes. It is built
// afresh each time it is shown and remembers only its placement (section Setup).
#pragma once

#include "settings/settingsstore.h"

#include <QColor>
#include <QDialog>
#include <QFrame>
#include <array>
#include <memory>

class QColorDialog;

class QLineEdit;
class QPushButton;

namespace tandem {

enum class ColourRole { Insert, Difference1, Difference2, Difference3, Background };
inline constexpr int kColourRoles = 5;

// What the dialog changes: the four mark colours, the panes' background and the comparison.
class SetupTarget {
public:
    virtual ~SetupTarget() = default;
    virtual QColor Colour(ColourRole role) const = 0;
    virtual void SetColour(ColourRole role, const QColor& colour) = 0;
    // Runs after a mark colour has changed, so that the panes show it.
    virtual void Recompare() = 0;
};

class SetupDialog : public QDialog {
    Q_OBJECT
public:
    // The client area's height once the dialog wears its rounded frame.
    static constexpr int kClientHeight = 436;

    // A top-level dialog at its stored place; the caller fills the fields, gives it the rounded
    // frame and runs it. The target must outlive the dialog.
    explicit SetupDialog(SetupTarget& target);
    ~SetupDialog() override;

    QLineEdit* DepthField() const { return depth_; }
    QLineEdit* LookupField() const { return lookup_; }
    QFrame* Swatch(ColourRole role) const { return swatches_[std::size_t(role)]; }
    QPushButton* SelectButton(ColourRole role) const { return selects_[std::size_t(role)]; }
    QPushButton* OkButton() const { return ok_; }
    QColorDialog* ColourChooser() const { return chooser_.get(); }
    QFrame* MainPanel() const { return panel_; }

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void AddLabel(const char* text, int left, int top);
    QPushButton* AddButton(const char* text, const QRect& place);
    QLineEdit* AddField(const QRect& place);
    void ChooseColour(ColourRole role);
    void CheckDepth();

    SetupTarget& target_;
    std::unique_ptr<QColorDialog> chooser_;
    std::unique_ptr<SettingsStore> placement_;
    QFrame* panel_ = nullptr;
    std::array<QFrame*, kColourRoles> swatches_{};
    std::array<QPushButton*, kColourRoles> selects_{};
    QLineEdit* depth_ = nullptr;
    QLineEdit* lookup_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace tandem
