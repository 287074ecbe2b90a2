// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commands.h"
#include "app/mainwindow.h"
#include "app/programrefs.h"
#include "settings/setupdialog.h"
#include "tempconfig.h"
#include "toolkit/colours.h"
#include "toolkit/statusline.h"
#include "toolkit/textpane.h"
#include "windows/roundedframe.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace tandem {
namespace {

class FakeTarget : public SetupTarget {
public:
    QColor Colour(ColourRole role) const override { return colours[std::size_t(role)]; }
    void SetColour(ColourRole role, const QColor& colour) override {
        colours[std::size_t(role)] = colour;
    }
    void Recompare() override { ++recompares; }

    std::array<QColor, kColourRoles> colours{QColor(1, 1, 1), QColor(2, 2, 2), QColor(3, 3, 3),
                                             QColor(4, 4, 4), QColor(5, 5, 5)};
    int recompares = 0;
};

QLabel* LabelWithText(const QWidget* dialog, const QString& text) {
    for (QLabel* label : dialog->findChildren<QLabel*>())
        if (label->text() == text)
            return label;
    return nullptr;
}

class SetupDialogTest : public ::testing::Test {
protected:
    SetupDialogTest() {
        dialog = std::make_unique<SetupDialog>(target);
        AttachRoundedFrame(dialog.get());
    }
    void ShowActive() {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }
    // Types into the depth field and clicks OK, as a user would.
    QString DepthAfterOk(const QString& typed) {
        ShowActive();
        dialog->DepthField()->setFocus();
        dialog->DepthField()->clear();
        QTest::keyClicks(dialog->DepthField(), typed);
        QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
        return dialog->DepthField()->text();
    }
    // Answers the colour chooser once it runs.
    void AnswerChooser(const QColor& colour, bool confirm) {
        QTimer::singleShot(0, dialog.get(), [this, colour, confirm] {
            QColorDialog* chooser = dialog->ColourChooser();
            ASSERT_TRUE(chooser->isVisible());
            chosenFrom = chooser->currentColor();
            chooser->setCurrentColor(colour);
            confirm ? chooser->accept() : chooser->reject();
        });
    }

    TempConfig config;
    FakeTarget target;
    std::unique_ptr<SetupDialog> dialog;
    QColor chosenFrom;
};

TEST_F(SetupDialogTest, ShowsItsCaptionFontAndTextsWhereTheyBelong) {
    EXPECT_EQ(dialog->windowTitle(), "Setup");
    EXPECT_EQ(dialog->font().family(), "Arial");
    EXPECT_TRUE(dialog->font().bold());
    const struct {
        const char* text;
        QPoint at;
    } labels[] = {
        {"Select Insert Color", {20, 53}},
        {"Select Difference Color 1", {21, 93}},
        {"Select Difference Color 2", {21, 133}},
        {"Select Difference Color 3", {21, 173}},
        {"Select Background Color", {21, 213}},
        {"Depth of Analisys (0-100)", {21, 253}},
        {"(100-*)", {149, 293}},
        {"(be carefull, these options can dramatically", {21, 325}},
        {"deteriorate the program performance)", {25, 354}},
    };
    for (const auto& expected : labels) {
        const QLabel* label = LabelWithText(dialog.get(), expected.text);
        ASSERT_NE(label, nullptr) << expected.text;
        EXPECT_EQ(label->parentWidget(), dialog->MainPanel());
        EXPECT_EQ(label->pos(), expected.at) << expected.text;
        EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));
    }
    EXPECT_EQ(dialog->findChildren<QLabel*>().size(), 9);
}

TEST_F(SetupDialogTest, HasItsSwatchesButtonsAndFieldsWhereTheyBelong) {
    const int tops[] = {53, 93, 133, 173, 213};
    for (int row = 0; row < kColourRoles; ++row) {
        EXPECT_EQ(dialog->Swatch(ColourRole(row))->geometry(), QRect(213, tops[row], 33, 22));
        EXPECT_EQ(dialog->Swatch(ColourRole(row))->frameShadow(), QFrame::Raised);
        EXPECT_EQ(dialog->SelectButton(ColourRole(row))->geometry(),
                  QRect(253, tops[row], 153, 22));
        EXPECT_EQ(dialog->SelectButton(ColourRole(row))->text(), "Select");
    }
    EXPECT_EQ(dialog->DepthField()->geometry(), QRect(350, 253, 54, 22));
    EXPECT_EQ(dialog->LookupField()->geometry(), QRect(349, 293, 55, 22));
    EXPECT_TRUE(dialog->DepthField()->alignment() & Qt::AlignRight);
    EXPECT_TRUE(dialog->LookupField()->alignment() & Qt::AlignRight);
    EXPECT_EQ(dialog->OkButton()->geometry(), QRect(255, 394, 152, 22));
    EXPECT_EQ(dialog->OkButton()->text(), "OK");
    EXPECT_EQ(dialog->MainPanel()->frameShadow(), QFrame::Raised);
    EXPECT_EQ(dialog->MainPanel()->palette().color(QPalette::Window),
              SystemColour(kButtonFaceColour));
}

TEST_F(SetupDialogTest, AFirstRunShowsItAtItsPlaceWithItsClientHeightAndAFixedSize) {
    EXPECT_EQ(dialog->pos(), QPoint(219, 143));
    EXPECT_EQ(dialog->contentsRect().height(), SetupDialog::kClientHeight);
    EXPECT_GE(dialog->contentsRect().width(), 408);
    dialog->show();
    EXPECT_EQ(dialog->pos(), QPoint(219, 143));
    EXPECT_EQ(dialog->MainPanel()->geometry(), dialog->contentsRect());
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
}

TEST_F(SetupDialogTest, ThePlacementIsSavedInItsOwnSectionAndRestoredButTheHeight) {
    dialog->move(300, 310);
    dialog->setFixedWidth(520);
    dialog.reset();
    QSettings raw(SettingsStore::Location(), QSettings::IniFormat);
    EXPECT_EQ(raw.value("Setup/Left").toString(), "300");
    EXPECT_EQ(raw.value("Setup/Width").toString(), "520");
    raw.setValue("Setup/Height", 90);
    raw.sync();
    dialog = std::make_unique<SetupDialog>(target);
    AttachRoundedFrame(dialog.get());
    EXPECT_EQ(dialog->pos(), QPoint(300, 310));
    EXPECT_EQ(dialog->width(), 520);
    EXPECT_EQ(dialog->contentsRect().height(), SetupDialog::kClientHeight);
}

TEST_F(SetupDialogTest, ShowingItFillsTheSwatchesWithTheCurrentColours) {
    EXPECT_EQ(dialog->Swatch(ColourRole::Insert)->palette().color(QPalette::Window),
              SystemColour(kButtonFaceColour));
    dialog->show();
    for (int row = 0; row < kColourRoles; ++row)
        EXPECT_EQ(dialog->Swatch(ColourRole(row))->palette().color(QPalette::Window),
                  target.colours[std::size_t(row)]);
}

TEST_F(SetupDialogTest, TheDepthIsBroughtIntoRangeWhenTheFieldLosesTheFocus) {
    EXPECT_EQ(DepthAfterOk("150"), "100");
    EXPECT_EQ(dialog->result(), 1);
    dialog = std::make_unique<SetupDialog>(target);
    EXPECT_EQ(DepthAfterOk("-5"), "0");
    dialog = std::make_unique<SetupDialog>(target);
    EXPECT_EQ(DepthAfterOk("abc"), "abc");
    dialog = std::make_unique<SetupDialog>(target);
    EXPECT_EQ(DepthAfterOk("75"), "75");
}

TEST_F(SetupDialogTest, TheDepthIsLeftAsTypedWhenTheDialogIsClosedFromItsFrame) {
    ShowActive();
    dialog->DepthField()->setFocus();
    QTest::keyClicks(dialog->DepthField(), "150");
    dialog->close();
    EXPECT_EQ(dialog->DepthField()->text(), "150");
}

TEST_F(SetupDialogTest, AChosenMarkColourIsTakenAndRecomparedButTheSwatchWaits) {
    ShowActive();
    AnswerChooser(QColor(10, 20, 30), true);
    QTest::mouseClick(dialog->SelectButton(ColourRole::Difference2), Qt::LeftButton);
    EXPECT_EQ(chosenFrom, QColor(3, 3, 3));
    EXPECT_EQ(target.colours[std::size_t(ColourRole::Difference2)], QColor(10, 20, 30));
    EXPECT_EQ(target.recompares, 1);
    EXPECT_EQ(dialog->Swatch(ColourRole::Difference2)->palette().color(QPalette::Window),
              QColor(3, 3, 3));
    for (int index = 0; index < 16; ++index)
        EXPECT_EQ(QColorDialog::customColor(index), QColor(Qt::white));
}

TEST_F(SetupDialogTest, ACancelledChoiceChangesNothing) {
    ShowActive();
    AnswerChooser(QColor(10, 20, 30), false);
    QTest::mouseClick(dialog->SelectButton(ColourRole::Insert), Qt::LeftButton);
    EXPECT_EQ(target.colours[std::size_t(ColourRole::Insert)], QColor(1, 1, 1));
    EXPECT_EQ(target.recompares, 0);
}

TEST_F(SetupDialogTest, AChosenBackgroundIsTakenWithoutRecomparing) {
    ShowActive();
    AnswerChooser(QColor(200, 210, 220), true);
    QTest::mouseClick(dialog->SelectButton(ColourRole::Background), Qt::LeftButton);
    EXPECT_EQ(chosenFrom, QColor(5, 5, 5));
    EXPECT_EQ(target.colours[std::size_t(ColourRole::Background)], QColor(200, 210, 220));
    EXPECT_EQ(target.recompares, 0);
}

class ShowSetupTest : public ::testing::Test {
protected:
    ShowSetupTest() : window(BuildMainWindow({"tandemview"})) {}
    // Acts on the Setup dialog once it runs modally.
    template <typename Act> void WhenShown(Act act) {
        QTimer::singleShot(0, window.get(), [this, act] {
            auto* dialog = qobject_cast<SetupDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(Program().setup, dialog);
            seenDepth = dialog->DepthField()->text();
            seenLookup = dialog->LookupField()->text();
            act(*dialog);
        });
    }

    TempConfig config;
    std::unique_ptr<MainWindow> window;
    QString seenDepth;
    QString seenLookup;
};

TEST_F(ShowSetupTest, TheNumbersAreTakenOverWhenTheDialogIsClosedFromItsFrame) {
    WhenShown([](SetupDialog& dialog) {
        dialog.DepthField()->setText("150");
        dialog.LookupField()->setText("-7");
        dialog.close();
    });
    ShowSetup(*window);
    EXPECT_EQ(seenDepth, "50");
    EXPECT_EQ(seenLookup, "2000");
    EXPECT_EQ(window->depth, 150); // no loss of focus, so no check
    EXPECT_EQ(window->lookup, -7);
    EXPECT_EQ(window->status->PartText(0), "Depth: 150%");
    EXPECT_EQ(window->status->PartText(1), "Lookup: -7 lines");
    EXPECT_EQ(Program().setup, nullptr);
    QSettings raw(SettingsStore::Location(), QSettings::IniFormat);
    EXPECT_TRUE(raw.contains("Setup/Left"));
}

TEST_F(ShowSetupTest, TextWithoutDigitsIsTakenAsZero) {
    WhenShown([](SetupDialog& dialog) {
        dialog.DepthField()->setText("abc");
        dialog.LookupField()->setText("75x");
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
    });
    ShowSetup(*window);
    EXPECT_EQ(window->depth, 0);
    EXPECT_EQ(window->lookup, 75);
}

TEST_F(ShowSetupTest, ColoursChangeTheMainWindowAndBothPanes) {
    WhenShown([](SetupDialog& dialog) {
        EXPECT_NE(dialog.findChild<RoundedFrame*>(), nullptr);
        QColorDialog* chooser = dialog.ColourChooser();
        QTimer::singleShot(0, chooser, [chooser] {
            chooser->setCurrentColor(QColor(0, 128, 255));
            chooser->accept();
        });
        dialog.SelectButton(ColourRole::Insert)->click();
        QTimer::singleShot(0, chooser, [chooser] {
            chooser->setCurrentColor(QColor(40, 50, 60));
            chooser->accept();
        });
        dialog.SelectButton(ColourRole::Background)->click();
        dialog.close();
    });
    ShowSetup(*window);
    EXPECT_EQ(window->insertColour, QColor(0, 128, 255));
    EXPECT_EQ(window->sides[kLeft].pane->BackgroundColour(), QColor(40, 50, 60));
    EXPECT_EQ(window->sides[kRight].pane->BackgroundColour(), QColor(40, 50, 60));
    EXPECT_TRUE(window->backgroundChosen);
}

} // namespace
} // namespace tandem
