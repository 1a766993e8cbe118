// A form as Designer stores it, compiled by uic: the settings saved with it reach the controls.
#include "ui_ControlsForm.h"

#include "Printers.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlsForm, SettingsStoredWithTheFormAreApplied) {
    QWidget form;
    Ui::ControlsForm ui;
    ui.setupUi(&form);

    EXPECT_FALSE(ui.matGrid->elementNumber());
    EXPECT_TRUE(ui.matGrid->initZero());
    EXPECT_EQ(ui.zebBtn->pictureImg().size(), QSize(4, 2));
    EXPECT_EQ(ui.zebBtn->caption(), QStringLiteral("決定"));
    EXPECT_EQ(ui.zebBtn->alignment(), TZebBtn::RightJustify);
    EXPECT_EQ(ui.zebBtn->bevelWidth(), 2);
    EXPECT_EQ(ui.zebBtn->color(), QColor(10, 20, 30));
}

} // namespace
