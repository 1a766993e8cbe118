// Renders the real main window on the given data folder and saves it as a PNG: the README's screenshot.
// Usage: veradex-screenshot DATA_DIR OUTPUT.png
#include "Dialogs.h"
#include "Uopen.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUTPUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 1;
    }
    ConsoleDialogs dialogs;
    Dialogs::install(&dialogs);
    TOpen window;
    window.show();
    QApplication::processEvents();
    const bool ok = window.grab().save(out);
    Dialogs::install(nullptr);
    return ok ? 0 : 1;
}
