#include "Application.h"

#include "AppControl.h"
#include "Dialogs.h"

#include <exception>

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError({});
    }
    app::requestEnd();
    return false;
}

void Application::showError(const QString& message) {
    showMessage(nullptr, message, QStringLiteral("Veradex"), StyleError);
}
