// Shows the about, usage and instant-help windows as the application creates them and saves a picture of
// each: docs/version.png, docs/howto.png and docs/help.png.
// Usage: veradex-info-screenshots OUTPUT_DIR   (under a display server, e.g. xvfb-run, or offscreen)
#include "Forms.h"
#include "Uhelp.h"
#include "Uhowto.h"
#include "Uversion.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWindow>

#include <cstdio>

namespace {

void settle(QWidget* window) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 3000 && !(window->windowHandle() && window->windowHandle()->isExposed())) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    // Let the first paint reach the display before it is read back.
    for (int i = 0; i < 20; ++i) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

// What the display shows of the window's client area; the widget's own rendering where the platform cannot
// read the screen back.
QPixmap capture(QWidget* window) {
    QPixmap shot;
    if (QScreen* screen = window->screen(); screen && QGuiApplication::platformName() != u"offscreen")
        shot = screen->grabWindow(window->winId());
    if (shot.isNull() || shot.size() != window->size())
        shot = window->grab();
    return shot;
}

bool save(QWidget* window, const QDir& dir, const char* name) {
    forms::showModeless(window);
    settle(window);
    const QString path = dir.absoluteFilePath(QString::fromLatin1(name));
    const bool ok = capture(window).save(path, "PNG");
    std::fprintf(ok ? stdout : stderr, "%s %s\n", ok ? "wrote" : "could not write", qUtf8Printable(path));
    window->close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists()) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 1;
    }
    TVersion version;
    THowTo howTo;
    THelp help;
    bool ok = save(&version, dir, "version.png");
    ok = save(&howTo, dir, "howto.png") && ok;
    ok = save(&help, dir, "help.png") && ok;
    return ok ? 0 : 1;
}
