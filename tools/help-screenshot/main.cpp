// Draws the instant-help picture: the real main window on the shipped lists, its search history dropped down,
// with a caption and a red arrow for each control. Positions come from the live widgets, so the picture
// follows the layout.
// Usage: veradex-help-screenshot DATA_DIR OUTPUT.png
#include "Dialogs.h"
#include "Forms.h"
#include "ListGrid.h"
#include "Picture.h"
#include "RadioGroup.h"
#include "Sjis.h"
#include "Uopen.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

#include <cmath>
#include <cstdio>

namespace {

constexpr QSize kPicture{801, 447};

struct Note {
    QString caption;
    QRect target;  // in window coordinates
    QPoint offset; // label centre relative to the target's centre, in picture pixels
};

bool copyFolder(const QString& from, const QString& to) {
    QDir().mkpath(to);
    for (const QString& name : QDir(from).entryList(QDir::Files))
        if (!QFile::copy(from + u'/' + name, to + u'/' + name))
            return false;
    return true;
}

// A label box with the caption, and an arrow from the box's edge to the target.
void drawNote(QPainter& p, const QString& caption, QPointF target, QPointF centre) {
    const QFont font = forms::font(11);
    p.setFont(font);
    const QFontMetrics fm(font);
    QRectF box(0, 0, fm.horizontalAdvance(caption) + 8, fm.height() + 2);
    box.moveCenter(centre);

    // The arrow starts where the line to the target leaves the box.
    const QPointF d = target - centre;
    const double tx = d.x() ? (box.width() / 2) / std::abs(d.x()) : 1e9;
    const double ty = d.y() ? (box.height() / 2) / std::abs(d.y()) : 1e9;
    const QPointF start = centre + d * std::min({tx, ty, 1.0});
    const QPointF dir = (target - start) / std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF tip = target - dir * 2;
    p.setPen(QPen(QColor(220, 0, 0), 1.6));
    p.drawLine(start, tip);
    const QPointF n(-dir.y(), dir.x());
    QPainterPath head;
    head.moveTo(tip + dir * 2);
    head.lineTo(tip - dir * 7 + n * 3.5);
    head.lineTo(tip - dir * 7 - n * 3.5);
    head.closeSubpath();
    p.fillPath(head, QColor(220, 0, 0));

    p.setPen(QPen(QColor(220, 0, 0), 1));
    p.setBrush(QColor(255, 255, 215, 235));
    p.drawRoundedRect(box, 3, 3);
    p.setPen(forms::kNavy);
    p.drawText(box, Qt::AlignCenter, caption);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUTPUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[2]));
    const QString data = QDir::current().absoluteFilePath(QString::fromLocal8Bit(argv[1]));

    // A working copy of the shipped lists with a search history to drop down.
    QTemporaryDir work;
    if (!copyFolder(data + QStringLiteral("/リストデータ"), work.filePath(QStringLiteral("リストデータ")))) {
        std::fprintf(stderr, "cannot copy the lists of %s\n", argv[1]);
        return 1;
    }
    QFile history(work.filePath(QStringLiteral("Initial.txt")));
    history.open(QIODevice::WriteOnly);
    const QStringList entries{"labiata",        "Paph.",          "カトレア",
                              "シンビジューム", "デンドロビウム", "ファレノプシス"};
    QByteArray text = QByteArray::number(entries.size()) + "\r\n";
    for (const QString& e : entries)
        text += sjis::constant(e) + "\r\n";
    history.write(text);
    history.close();
    QDir::setCurrent(work.path());

    ConsoleDialogs dialogs;
    Dialogs::install(&dialogs);
    TOpen w;
    w.show();
    QApplication::processEvents();
    QImage shot = w.grab().toImage();

    // The drop-down list is a window of its own: draw it where it stands below the search box.
    w.ComboBox1->showPopup();
    QApplication::processEvents();
    QWidget* popup = w.ComboBox1->view()->window();
    const QPoint popupAt = w.mapFromGlobal(popup->mapToGlobal(QPoint(0, 0)));
    {
        QPainter p(&shot);
        p.drawPixmap(popupAt, popup->grab());
    }
    w.ComboBox1->hidePopup();

    auto rect = [&w](QWidget* c) { return QRect(c->mapTo(&w, QPoint(0, 0)), c->size()); };
    auto column = [&w](int col) {
        const QRect header(w.StringGrid1->horizontalHeader()->mapTo(&w, QPoint(0, 0)),
                           w.StringGrid1->horizontalHeader()->size());
        const int x = header.left() + w.StringGrid1->columnViewportPosition(col);
        return QRect(x, header.top(), w.StringGrid1->columnWidth(col), header.height());
    };
    QRect editMenu = w.MainMenu1->actionGeometry(w.N3->menuAction());
    editMenu.translate(w.MainMenu1->mapTo(&w, QPoint(0, 0)));
    const QRect grid = rect(w.StringGrid1);
    const QRect slider = rect(w.StringGrid1->verticalScrollBar());

    // Captions in the margins where there is room, over the grid where it has none.
    const QList<Note> notes{
        {"属別種名カウント", editMenu, {0, -22}},
        {"リストファイル名", rect(w.Label5), {0, -33}},
        {"リスト数", rect(w.Label7), {15, -33}},
        {"クリップボードにコピーする項目", rect(w.RadioGroup1), {10, -53}},
        {"コピーテキスト末端に改行", rect(w.CBNewLine), {70, -34}},
        {"検索窓", rect(w.ComboBox1), {-90, 8}},
        {"検索開始/続行", rect(w.Button3), {35, 30}},
        {"五十音インデックス", rect(w.BitBtn1), {-120, 20}},
        {"属名インデックス", rect(w.BitBtn2), {-40, 47}},
        {"先頭行へ", rect(w.Button10), {59, 0}},
        {"15行上へ", rect(w.Button5), {59, 0}},
        {"15行下へ", rect(w.Button6), {59, 0}},
        {"最終行へ", rect(w.Button11), {59, 0}},
        {"インスタントヘルプ（この画面）", rect(w.Image2), {-110, -22}},
        {"プログラム終了", rect(w.Button1), {66, -3}},
        {"上に移動", rect(w.Image4), {-56, 0}},
        {"下に移動", rect(w.Image5), {-56, 0}},
        {"指定行の属名読みを表示", rect(w.Button12), {104, 0}},
        {"検索窓で指定", rect(w.CheckBox1), {-60, 16}},
        {"リストデータ切替", rect(w.RadioGroup2), {-60, 54}},
        {"新旧属種名対応表示", rect(w.Button14), {0, 33}},
        {"メモ１、メモ２を洋らんリストに追加", rect(w.Button4), {-80, 33}},
        {"五十音順ソート", rect(w.Button15), {22, 33}},
        {"変更した洋らんリスト保存", rect(w.Button7), {85, 34}},
        {"スライダー", slider, {-50, 40}},
        {"和名リスト", column(1), {0, 40}},
        {"属種名リスト", column(2), {-20, 40}},
        {"右クリックで行削除", grid, {0, 30}},
        {"ダブルクリックした行のテキスト", rect(w.Memo1), {0, -6}},
        {"ダブルクリックした行のテキスト", rect(w.Memo2), {0, -6}},
    };

    QImage picture(kPicture, QImage::Format_ARGB32);
    picture.fill(forms::kWindowColor);
    // Room around the window for the captions of its edge controls.
    const double scale = 0.62;
    const QSizeF shown(shot.width() * scale, shot.height() * scale);
    const QPointF origin((kPicture.width() - shown.width()) / 2, (kPicture.height() - shown.height()) / 2);
    auto map = [&](QPointF p) { return origin + p * scale; };
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRectF(origin, shown), shot);
    p.setPen(QPen(QColor(120, 120, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(origin, shown).adjusted(-0.5, -0.5, 0.5, 0.5));
    for (const Note& n : notes) {
        const QPointF target = map(QRectF(n.target).center());
        drawNote(p, n.caption, target, target + n.offset);
    }
    p.end();
    Dialogs::install(nullptr);
    return picture.save(out) ? 0 : 1;
}
