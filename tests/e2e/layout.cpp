// Tells the end-to-end tests where to click: shows the real main window on the test's display, as the program
// would on the same data, and prints the centres of the controls in window coordinates. A found row is placed
// by moving the current cell to it from the top, as a downward search does.
// Usage: e2e-layout DATA_DIR [ROW COL]   prints "name x y" lines
#include "Dialogs.h"
#include "ListGrid.h"
#include "Uopen.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

void print(const char* name, const QWidget* window, const QWidget* widget, QPoint at) {
    const QPoint p = widget->mapTo(window, at);
    std::printf("%s %d %d\n", name, p.x(), p.y());
}

void printCentre(const char* name, const QWidget* window, const QWidget* widget) {
    print(name, window, widget, widget->rect().center());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: %s DATA_DIR [ROW COL]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "no folder %s\n", argv[1]);
        return 1;
    }
    ConsoleDialogs dialogs;
    Dialogs::install(&dialogs);
    int status = 0;
    {
        TOpen window;
        window.show();
        // The menu bar's height, and so every position below it, is known once the window is laid out on the
        // display.
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 5000 && !(window.windowHandle() && window.windowHandle()->isExposed())) {
            QApplication::processEvents();
            QThread::msleep(10);
        }
        QApplication::processEvents();
        std::printf("window %d %d\n", window.width(), window.height());
        printCentre("search_box", &window, window.ComboBox1->lineEdit());
        printCentre("search_button", &window, window.Button3);
        printCentre("exit_button", &window, window.Button1);
        printCentre("add_button", &window, window.Button4);
        printCentre("memo1", &window, window.Memo1->viewport());
        printCentre("memo2", &window, window.Memo2->viewport());
        if (argc == 4) {
            const int row = std::atoi(argv[2]);
            const int col = std::atoi(argv[3]);
            if (row < 1 || row > window.rowCount() || col < 1 || col > 2) {
                std::fprintf(stderr, "no cell %d,%d\n", col, row);
                status = 1;
            } else {
                window.StringGrid1->setRow(row);
                window.StringGrid1->setCurrentCell(col, row);
                QApplication::processEvents();
                const QRect cell = window.StringGrid1->visualRect(window.StringGrid1->currentIndex());
                print("row", &window, window.StringGrid1->viewport(), cell.center());
            }
        }
        std::fflush(stdout);
        window.hide();
    }
    Dialogs::install(nullptr);
    return status;
}
