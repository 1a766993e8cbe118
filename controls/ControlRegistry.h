// The controls library's own widget factory: each control class registers itself by name, with the palette
// page it belongs on, so that form builders (the Designer plugin among them) can list and create it.
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

class QWidget;

namespace controls {

struct ControlClass {
    QString className;
    QString page;
    QString includeFile; // the header that declares the class
    QString description;
    QWidget* (*create)(QWidget* parent) = nullptr;
};

// Registering a class name again replaces its entry.
void registerControl(const ControlClass& control);
// The entry of `className`, or nullptr when it is not registered.
const ControlClass* findControl(QStringView className);
// The classes on `page`, in the order they were first registered.
QList<ControlClass> controlsOnPage(QStringView page);
// A new control of `className`, or nullptr when it is not registered.
QWidget* createControl(QStringView className, QWidget* parent = nullptr);

} // namespace controls
