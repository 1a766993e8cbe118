#include "ControlRegistry.h"

#include <deque>

namespace controls {
namespace {

// In registration order; a deque so that entries handed out stay where they are when more are added.
std::deque<ControlClass>& registry() {
    static std::deque<ControlClass> entries;
    return entries;
}

ControlClass* entryOf(QStringView className) {
    for (ControlClass& entry : registry()) {
        if (entry.className == className)
            return &entry;
    }
    return nullptr;
}

} // namespace

void registerControl(const ControlClass& control) {
    if (ControlClass* entry = entryOf(control.className))
        *entry = control;
    else
        registry().push_back(control);
}

const ControlClass* findControl(QStringView className) {
    return entryOf(className);
}

QList<ControlClass> controlsOnPage(QStringView page) {
    QList<ControlClass> found;
    for (const ControlClass& entry : registry()) {
        if (entry.page == page)
            found.append(entry);
    }
    return found;
}

QWidget* createControl(QStringView className, QWidget* parent) {
    const ControlClass* entry = entryOf(className);
    return entry && entry->create ? entry->create(parent) : nullptr;
}

} // namespace controls
