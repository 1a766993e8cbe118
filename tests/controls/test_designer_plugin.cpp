// Loads the built Designer plugin as Designer does and looks at what it offers.
#include <QMetaProperty>
#include <QPluginLoader>
#include <QSet>
#include <QWidget>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

class DesignerPlugin : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        loader = new QPluginLoader(QStringLiteral(VERADEX_DESIGNER_PLUGIN));
        ASSERT_TRUE(loader->load()) << loader->errorString().toStdString();
        auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader->instance());
        ASSERT_NE(collection, nullptr);
        for (QDesignerCustomWidgetInterface* widget : collection->customWidgets())
            widgets[widget->name()] = widget;
    }

    static QPluginLoader* loader;
    static std::map<QString, QDesignerCustomWidgetInterface*> widgets;
};

QPluginLoader* DesignerPlugin::loader = nullptr;
std::map<QString, QDesignerCustomWidgetInterface*> DesignerPlugin::widgets;

TEST_F(DesignerPlugin, OffersBothControlsUnderSamples) {
    ASSERT_EQ(widgets.size(), 2u);
    for (const char* name : {"TMatGrid", "TZebBtn"}) {
        ASSERT_TRUE(widgets.count(QString::fromLatin1(name))) << name;
        const QDesignerCustomWidgetInterface* widget = widgets.at(QString::fromLatin1(name));
        EXPECT_EQ(widget->group(), QStringLiteral("Samples"));
        EXPECT_FALSE(widget->isContainer());
        EXPECT_TRUE(widget->domXml().contains(QStringLiteral("class=\"%1\"").arg(QString::fromLatin1(name))));
    }
    EXPECT_EQ(widgets.at(QStringLiteral("TMatGrid"))->includeFile(), QStringLiteral("Matgrid.h"));
    EXPECT_EQ(widgets.at(QStringLiteral("TZebBtn"))->includeFile(), QStringLiteral("Zebbtn.h"));
    EXPECT_TRUE(widgets.at(QStringLiteral("TZebBtn"))
                    ->domXml()
                    .contains(QStringLiteral("<width>75</width><height>25</height>")));
}

TEST_F(DesignerPlugin, CreatedControlsHaveTheirPropertiesEditable) {
    const std::map<QString, QSet<QString>> editable = {
        {QStringLiteral("TMatGrid"), {"ElementNumber", "InitZero"}},
        {QStringLiteral("TZebBtn"), {"PictureImg", "Caption", "Alignment", "BevelWidth", "Color"}},
    };
    QWidget form;
    for (const auto& [name, properties] : editable) {
        ASSERT_TRUE(widgets.count(name));
        QWidget* widget = widgets.at(name)->createWidget(&form);
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(QString::fromLatin1(widget->metaObject()->className()), name);
        EXPECT_EQ(widget->parentWidget(), &form);
        const QMetaObject* meta = widget->metaObject();
        for (const QString& property : properties) {
            const int index = meta->indexOfProperty(property.toLatin1().constData());
            ASSERT_GE(index, 0) << property.toStdString();
            EXPECT_TRUE(meta->property(index).isDesignable()) << property.toStdString();
            EXPECT_TRUE(meta->property(index).isWritable()) << property.toStdString();
        }
    }
    // The button paints its own frame, so the inherited frame settings are kept out of the editor.
    QWidget* button = widgets.at(QStringLiteral("TZebBtn"))->createWidget(&form);
    const QMetaObject* meta = button->metaObject();
    EXPECT_FALSE(meta->property(meta->indexOfProperty("frameShape")).isDesignable());

    QWidget* grid = widgets.at(QStringLiteral("TMatGrid"))->createWidget(&form);
    ASSERT_TRUE(grid->setProperty("ElementNumber", false));
    EXPECT_FALSE(grid->property("ElementNumber").toBool());
}

} // namespace
