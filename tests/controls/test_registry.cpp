#include "ControlRegistry.h"
#include "Matgrid.h"
#include "Zebbtn.h"

#include "Printers.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(ControlRegistry, RegisterMakesBothControlsKnownOnSamples) {
    Matgrid::Register();
    Zebbtn::Register();
    Matgrid::Register(); // again: replaces, does not add

    const QList<controls::ControlClass> samples = controls::controlsOnPage(u"Samples");
    ASSERT_EQ(samples.size(), 2);
    EXPECT_EQ(samples[0].className, QStringLiteral("TMatGrid"));
    EXPECT_EQ(samples[1].className, QStringLiteral("TZebBtn"));
    EXPECT_EQ(samples[0].includeFile, QStringLiteral("Matgrid.h"));
    EXPECT_EQ(samples[1].includeFile, QStringLiteral("Zebbtn.h"));

    QWidget parent;
    const std::unique_ptr<QWidget> grid(controls::createControl(u"TMatGrid", &parent));
    ASSERT_NE(grid, nullptr);
    EXPECT_NE(qobject_cast<TMatGrid*>(grid.get()), nullptr);
    EXPECT_EQ(grid->parentWidget(), &parent);
    const std::unique_ptr<QWidget> button(controls::createControl(u"TZebBtn"));
    EXPECT_NE(qobject_cast<TZebBtn*>(button.get()), nullptr);
}

TEST(ControlRegistry, UnknownNamesAndPagesFindNothing) {
    Matgrid::Register();
    EXPECT_EQ(controls::findControl(u"TStringGrid"), nullptr);
    EXPECT_EQ(controls::createControl(u"TStringGrid"), nullptr);
    EXPECT_TRUE(controls::controlsOnPage(u"Standard").isEmpty());
}

} // namespace
