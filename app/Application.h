// The application object: an error that escapes an event handler is shown in an error box and the
// application ends, instead of unwinding through the event loop.
#pragma once

#include <QApplication>

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows the message of an error that escaped; an error without a message is shown with an empty text.
    static void showError(const QString& message);
};
