#include "Forms.h"

#include <QPalette>
#include <QWidget>

namespace forms {

QFont font(int pixelHeight) {
    QFont f;
    f.setFamilies({QStringLiteral("メイリオ"), QStringLiteral("Meiryo"), QStringLiteral("IPAexGothic"),
                   QStringLiteral("IPAexゴシック"), QStringLiteral("Noto Sans CJK JP")});
    f.setPixelSize(pixelHeight);
    f.setBold(true);
    return f;
}

void applyStyle(QWidget* window, int fontPixelHeight, const QColor& textColor) {
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, kWindowColor);
    pal.setColor(QPalette::WindowText, textColor);
    pal.setColor(QPalette::Text, textColor);
    pal.setColor(QPalette::ButtonText, textColor);
    window->setPalette(pal);
    window->setAutoFillBackground(true);
    window->setFont(font(fontPixelHeight));
}

void showModeless(QWidget* window) {
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace forms
