// Places both reusable controls: the button shows the matrix, toggling its headings on each click.
//   controls-example [picture.png]
#include "Matgrid.h"
#include "Zebbtn.h"

#include <QApplication>
#include <QHeaderView>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

#include <array>

namespace {

QPixmap buttonPicture() {
    QPixmap picture(75, 25);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, 25);
    gradient.setColorAt(0, QColor(255, 230, 230));
    gradient.setColorAt(1, QColor(200, 120, 160));
    painter.fillRect(picture.rect(), gradient);
    return picture;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("部品の例"));
    window.resize(360, 170);

    static const std::array<double, 12> matrix = {1.0, 0.5,  0.25, -1.0, 2.0,  4.0,
                                                  8.0, 16.0, 0.0,  0.1,  0.01, 0.001};
    auto* grid = new TMatGrid(&window);
    grid->setGeometry(8, 8, 344, 120);
    grid->horizontalHeader()->setDefaultSectionSize(64);
    grid->display(matrix.data(), 4, 3, 4, QStringLiteral("%8.3f"));

    auto* button = new TZebBtn(&window);
    button->move(8, 137);
    button->setCaption(QStringLiteral("番号"));
    button->Set_Picture(buttonPicture());
    QObject::connect(button, &TZebBtn::clicked, grid, [grid] {
        grid->setElementNumber(!grid->elementNumber());
        grid->display(matrix.data(), 4, 3, 4, QStringLiteral("%8.3f"));
    });

    if (argc > 1)
        return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    window.show();
    return app.exec();
}
