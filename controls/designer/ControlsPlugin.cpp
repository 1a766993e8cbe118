#include "ControlsPlugin.h"

#include "Matgrid.h"
#include "Zebbtn.h"

#include <QIcon>
#include <QWidget>

#include <memory>

namespace {

const QString kPage = QStringLiteral("Samples");

// The object name Designer starts from, e.g. "matGrid" for TMatGrid.
QString objectNameFor(const QString& className) {
    QString name = className.mid(1);
    if (!name.isEmpty())
        name[0] = name[0].toLower();
    return name;
}

} // namespace

ControlWidgetPlugin::ControlWidgetPlugin(const controls::ControlClass& control, QObject* parent)
    : QObject(parent), control_(control) {}

QString ControlWidgetPlugin::name() const {
    return control_.className;
}

QString ControlWidgetPlugin::group() const {
    return control_.page;
}

QString ControlWidgetPlugin::toolTip() const {
    return control_.description;
}

QString ControlWidgetPlugin::whatsThis() const {
    return control_.description;
}

QString ControlWidgetPlugin::includeFile() const {
    return control_.includeFile;
}

QIcon ControlWidgetPlugin::icon() const {
    return {};
}

bool ControlWidgetPlugin::isContainer() const {
    return false;
}

QWidget* ControlWidgetPlugin::createWidget(QWidget* parent) {
    return control_.create(parent);
}

bool ControlWidgetPlugin::isInitialized() const {
    return initialized_;
}

void ControlWidgetPlugin::initialize(QDesignerFormEditorInterface*) {
    initialized_ = true;
}

QString ControlWidgetPlugin::domXml() const {
    // A control that sets its own size when made is placed at that size, any other at its size hint.
    const std::unique_ptr<QWidget> sample(control_.create(nullptr));
    const QSize size = sample->testAttribute(Qt::WA_Resized) ? sample->size() : sample->sizeHint();
    return QStringLiteral("<ui language=\"c++\">\n"
                          " <widget class=\"%1\" name=\"%2\">\n"
                          "  <property name=\"geometry\">\n"
                          "   <rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>\n"
                          "  </property>\n"
                          " </widget>\n"
                          "</ui>\n")
        .arg(control_.className, objectNameFor(control_.className))
        .arg(size.width())
        .arg(size.height());
}

ControlsPlugin::ControlsPlugin(QObject* parent) : QObject(parent) {
    Matgrid::Register();
    Zebbtn::Register();
    for (const controls::ControlClass& control : controls::controlsOnPage(kPage))
        widgets_.append(new ControlWidgetPlugin(control, this));
}

QList<QDesignerCustomWidgetInterface*> ControlsPlugin::customWidgets() const {
    return widgets_;
}
