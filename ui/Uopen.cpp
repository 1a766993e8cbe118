#include "Uopen.h"

#include "AppControl.h"
#include "Forms.h"
#include "History.h"
#include "KanaIndex.h"
#include "ListFile.h"
#include "ListGrid.h"
#include "ListModel.h"
#include "Picture.h"
#include "RadioGroup.h"
#include "Sjis.h"
#include "Texts.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

TOpen* Open = nullptr;

namespace {

const QString kFileError = QStringLiteral("ファイルエラー");

QPushButton* button(QWidget* parent, const QString& caption, const QRect& geometry,
                    const QString& hint = {}) {
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(geometry);
    b->setToolTip(hint);
    // Enter presses the focused button, as nowhere in this window is there a default button.
    b->setAutoDefault(true);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

QLabel* label(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* l = new QLabel(caption, parent);
    l->setGeometry(geometry);
    return l;
}

QCheckBox* checkBox(QWidget* parent, const QString& caption, const QRect& geometry, const QString& hint) {
    auto* c = new QCheckBox(caption, parent);
    c->setGeometry(geometry);
    c->setToolTip(hint);
    c->setFocusPolicy(Qt::StrongFocus);
    return c;
}

QPlainTextEdit* memo(QWidget* parent, const QStringList& lines, const QRect& geometry, const QString& hint) {
    auto* m = new QPlainTextEdit(parent);
    m->setGeometry(geometry);
    m->setToolTip(hint);
    m->setPlainText(lines.join(u'\n'));
    m->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Tab moves on to the next control instead of typing a tab.
    m->setTabChangesFocus(true);
    return m;
}

} // namespace

TOpen::TOpen(QWidget* parent) : QMainWindow(parent) {
    Open = this;
    setWindowTitle(QStringLiteral("洋ラン属種名検索　Veradex"));
    forms::applyStyle(this, 13, forms::kNavy);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    buildMenus();
    buildControls();
    setTabOrder();
    wireHandlers();
    const QSize client = forms::clientSizeFor(1046, 678);
    resize(client);
    Button1->setFocus();
    FormCreate();
}

TOpen::~TOpen() {
    // Destroying the controls moves the focus; the focus handler must not run on a half-destroyed window.
    if (qApp)
        disconnect(qApp, &QApplication::focusChanged, this, nullptr);
    if (Open == this)
        Open = nullptr;
}

void TOpen::buildMenus() {
    MainMenu1 = menuBar();
    N1 = MainMenu1->addMenu(QStringLiteral("ファイル"));
    N10 = N1->addAction(QStringLiteral("洋らんリストの読み込み（既定）"));
    N11 = N1->addAction(QStringLiteral("属種名新旧対応リストの読み込み"));
    N12 = N1->addAction(QStringLiteral("属名和名対応リストの読み込み"));
    N9 = N1->addAction(QStringLiteral("外部リストの読み込み"));
    N2 = N1->addAction(QStringLiteral("終了"));
    N3 = MainMenu1->addMenu(QStringLiteral("編集"));
    N13 = N3->addMenu(QStringLiteral("スクロール速さ"));
    N50ms1 = N13->addAction(QStringLiteral("速い"));
    N100ms1 = N13->addAction(QStringLiteral("標準"));
    N2001 = N13->addAction(QStringLiteral("遅い"));
    for (QAction* a : {N50ms1, N100ms1, N2001})
        a->setCheckable(true);
    N100ms1->setChecked(true);
    N15 = N3->addAction(QStringLiteral("属別種名カウント"));
    N16 = N3->addAction(QStringLiteral("属別種名カウントファイル保存"));
    N16->setEnabled(false);
    N4 = MainMenu1->addMenu(QStringLiteral("ヘルプ"));
    N5 = N4->addAction(QStringLiteral("使い方"));
    N6 = N4->addAction(QStringLiteral("バージョン情報"));

    PopupMenu1 = new QMenu(this);
    N7 = PopupMenu1->addAction(QStringLiteral("この検索文字を削除する"));
    N8 = PopupMenu1->addAction(QStringLiteral("検索文字をすべて削除する"));
    PopupMenu2 = new QMenu(this);
    N14 = PopupMenu2->addAction(QStringLiteral("この行を削除"));

    OpenDialog1 = {QStringLiteral("csv"), QStringLiteral("リストファイル(*.csv);;すべて(*.*)"), false};
    SaveDialog1 = {QStringLiteral("csv"), QStringLiteral("種名数カウントファイル(*.csv)"), true};
}

void TOpen::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);
    client->setAutoFillBackground(true);

    // Top band. The banner box starts 16 pixels above the client area, which cuts off its top rows.
    Image3 = Picture::place(client, QStringLiteral(":/pictures/banner.png"), {16, -16, 401, 121}, {}, true);
    Label5 = label(client, QStringLiteral("Label5"), {407, 11, 46, 20});
    Label7 = label(client, QStringLiteral("Label7"), {544, 11, 46, 20});
    ComboBox1 = new QComboBox(client);
    ComboBox1->setGeometry(407, 36, 145, 28);
    ComboBox1->setEditable(true);
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    // The search is case-sensitive, so completing from the history must not change the letters typed.
    ComboBox1->completer()->setCaseSensitivity(Qt::CaseSensitive);
    ComboBox1->setMaxVisibleItems(20);
    ComboBox1->setToolTip(QStringLiteral("検索文字（部分可）"));
    ComboBox1->setEditText({});
    Button3 = button(client, QStringLiteral("検索"), {562, 38, 50, 25}, QStringLiteral("検索開始/続行"));
    Label1 = label(client, QStringLiteral("検索文字"), {409, 70, 52, 20});
    Good = Picture::place(client, QStringLiteral(":/pictures/good.png"), {472, 69, 20, 20});
    Bad = Picture::place(client, QStringLiteral(":/pictures/bad.png"), {504, 69, 20, 20});
    Good->hide();
    Bad->hide();
    RadioGroup1 =
        new RadioGroup(QStringLiteral("コピー項目"),
                       {QStringLiteral("和名"), QStringLiteral("属種名"), QStringLiteral("両方")}, 3, client);
    RadioGroup1->setGeometry(623, 16, 233, 57);
    RadioGroup1->setToolTip(QStringLiteral("クリップボードにコピーするもの"));
    RadioGroup1->setItemIndex(2);
    CBNewLine = checkBox(client, QStringLiteral("終わりに改行"), {875, 5, 97, 17},
                         QStringLiteral("テキストに改行コードを付けてコピー"));
    BitBtn1 = button(client, QStringLiteral("五十音インデックス"), {867, 32, 137, 25},
                     QStringLiteral("五十音見出し位置表示"));
    BitBtn2 = button(client, QStringLiteral("属名インデックス"), {867, 64, 137, 25});

    // The grid.
    StringGrid1 = new ListGrid(client);
    StringGrid1->setGeometry(60, 96, 909, 403);
    StringGrid1->setToolTip(QStringLiteral("ダブルクリック：クリップボードにコピー/右クリック：行削除"));
    model_ = new ListModel(&table_, this);
    StringGrid1->setModel(model_);
    StringGrid1->setColumnWidth(0, 64);
    StringGrid1->setColumnWidth(1, 428);
    StringGrid1->setColumnWidth(2, 393);
    StringGrid1->setFocusPolicy(Qt::StrongFocus);

    // Left column.
    Button8 = button(client, QStringLiteral("Top"), {9, 136, 40, 25}, QStringLiteral("リスト先頭行へ"));
    Label2 = label(client, QStringLiteral("移動"), {16, 192, 26, 20});
    Image4 = Picture::place(client, QStringLiteral(":/pictures/arrow_up.png"), {13, 227, 31, 30},
                            QStringLiteral("上へ"));
    Image5 = Picture::place(client, QStringLiteral(":/pictures/arrow_down.png"), {13, 275, 31, 30},
                            QStringLiteral("下へ"));
    Button9 = button(client, QStringLiteral("Btm"), {9, 336, 40, 25}, QStringLiteral("リスト最終行へ"));
    Button12 = button(client, QStringLiteral("和名"), {8, 400, 41, 25}, QStringLiteral("属名を和名で表示"));
    CheckBox1 =
        checkBox(client, QStringLiteral("窓"), {13, 440, 41, 17}, QStringLiteral("検索窓から指定するとき"));

    // Right column.
    Button10 = button(client, QStringLiteral("Top"), {980, 136, 40, 25}, QStringLiteral("リスト先頭行へ"));
    Label4 = label(client, QStringLiteral("移動"), {987, 192, 26, 20});
    Button5 = button(client, QStringLiteral("▲"), {984, 232, 33, 25}, QStringLiteral("15行上へ"));
    Button6 = button(client, QStringLiteral("▼"), {984, 272, 33, 25}, QStringLiteral("15行下へ"));
    Button11 = button(client, QStringLiteral("Btm"), {980, 336, 40, 25}, QStringLiteral("リスト最終行へ"));
    Button13 = button(client, QStringLiteral("和名"), {977, 400, 41, 25}, QStringLiteral("属名を和名で表示"));
    Image2 = Picture::place(client, QStringLiteral(":/pictures/help.png"), {976, 456, 36, 36},
                            QStringLiteral("インスタントヘルプ"));

    // Bottom band.
    RadioGroup2 = new RadioGroup(
        QStringLiteral("リスト"),
        {QStringLiteral("洋らん品種名"), QStringLiteral("新旧属種名"), QStringLiteral("属名和名")}, 1,
        client);
    RadioGroup2->setGeometry(8, 504, 113, 97);
    RadioGroup2->setToolTip(QStringLiteral("リスト切り換え"));
    RadioGroup2->setItemIndex(0);
    Memo1 = memo(client,
                 {QStringLiteral("クリップボードにコピーされたテキストまたは追加されるテキスト"),
                  QStringLiteral("（和名）")},
                 {128, 504, 427, 65}, QStringLiteral("コピーまたは追加されるテキスト"));
    Memo2 = memo(client,
                 {QStringLiteral("クリップボードにコピーされたテキストまたは追加されるテキス"),
                  QStringLiteral("ト（属種名）")},
                 {560, 504, 409, 65}, QStringLiteral("コピーまたは追加されるテキスト"));
    Label3 = label(client, QStringLiteral("メモ１"), {128, 569, 39, 20});
    Label6 = label(client, QStringLiteral("メモ２"), {568, 569, 39, 20});
    Button14 = button(client, QStringLiteral("新旧属種名検索"), {216, 576, 120, 25});
    Image1 = Picture::place(client, QStringLiteral(":/pictures/signature.png"), {376, 584, 130, 10});
    Button4 =
        button(client, QStringLiteral("追　加"), {656, 576, 75, 25}, QStringLiteral("上のテキストを追加"));
    Button15 =
        button(client, QStringLiteral("ソート"), {752, 576, 75, 25}, QStringLiteral("和名五十音並べ替え"));
    Button7 = button(client, QStringLiteral("保　存"), {848, 576, 75, 25},
                     QStringLiteral("リストデータをファイル保存"));
    Button1 = button(client, QStringLiteral("終　了"), {944, 576, 75, 25}, QStringLiteral("プログラム終了"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(300);

    // Labels and pictures take no keyboard focus.
    for (QLabel* l : client->findChildren<QLabel*>())
        l->setFocusPolicy(Qt::NoFocus);
}

void TOpen::setTabOrder() {
    // The window's keyboard sequence; a radio group is one stop, at its selected button.
    QList<QWidget*> order{Button1,  StringGrid1, Memo1,    BitBtn1,  CBNewLine, ComboBox1, Button3, Button4,
                          nullptr,  Memo2,       Button5,  Button6,  Button7,   Button8,   Button9, Button10,
                          Button11, nullptr,     Button12, Button13, CheckBox1, Button14,  BitBtn2, Button15};
    QList<QWidget*> chain;
    int group = 0;
    for (QWidget* w : order) {
        if (w) {
            chain.append(w);
            continue;
        }
        RadioGroup* g = group++ == 0 ? RadioGroup1 : RadioGroup2;
        for (int i = 0; i < 3; ++i)
            chain.append(g->button(i));
    }
    for (int i = 0; i + 1 < chain.size(); ++i)
        QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void TOpen::wireHandlers() {
    connect(Button1, &QPushButton::clicked, this, &TOpen::Button1Click);
    connect(N2, &QAction::triggered, this, &TOpen::N2Click);
    connect(N10, &QAction::triggered, this, &TOpen::N10Click);
    connect(N11, &QAction::triggered, this, &TOpen::N11Click);
    connect(N12, &QAction::triggered, this, &TOpen::N12Click);
    connect(N9, &QAction::triggered, this, &TOpen::N9Click);
    connect(RadioGroup2, &RadioGroup::clicked, this, &TOpen::RadioGroup2Click);
    connect(Button3, &QPushButton::clicked, this, &TOpen::Button3Click);
    connect(N7, &QAction::triggered, this, &TOpen::N7Click);
    connect(N8, &QAction::triggered, this, &TOpen::N8Click);
    connect(StringGrid1, &ListGrid::cellClicked, this, &TOpen::StringGrid1Click);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // The search box loses the focus to another control of this window.
        auto inCombo = [this](QWidget* w) { return w && (w == ComboBox1 || ComboBox1->isAncestorOf(w)); };
        if (inCombo(old) && now && !inCombo(now) && now->window() == this)
            ComboBox1Exit();
    });
    connect(Button5, &QPushButton::clicked, this, &TOpen::BtnUpClick);
    connect(Button6, &QPushButton::clicked, this, &TOpen::BtnDownClick);
    connect(Button8, &QPushButton::clicked, this, &TOpen::Button8Click);
    connect(Button10, &QPushButton::clicked, this, &TOpen::Button8Click);
    connect(Button9, &QPushButton::clicked, this, &TOpen::Button9Click);
    connect(Button11, &QPushButton::clicked, this, &TOpen::Button9Click);
    connect(Image4, &Picture::clicked, this, &TOpen::Image4Click);
    connect(Image5, &Picture::clicked, this, &TOpen::Image5Click);
    connect(Timer1, &QTimer::timeout, this, &TOpen::Timer1Timer);
    connect(N50ms1, &QAction::triggered, this, &TOpen::N50ms1Click);
    connect(N100ms1, &QAction::triggered, this, &TOpen::N100ms1Click);
    connect(N2001, &QAction::triggered, this, &TOpen::N2001Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TOpen::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &TOpen::BitBtn2Click);
    connect(StringGrid1, &QAbstractItemView::doubleClicked, this, &TOpen::StringGrid1DblClick);
    connect(Button4, &QPushButton::clicked, this, &TOpen::Button4Click);
    connect(N14, &QAction::triggered, this, &TOpen::N14Click);
    connect(Button15, &QPushButton::clicked, this, &TOpen::Button15Click);
    connect(Button7, &QPushButton::clicked, this, &TOpen::Button7Click);
    connect(Button12, &QPushButton::clicked, this, &TOpen::Button12Click);
    connect(Button13, &QPushButton::clicked, this, &TOpen::Button12Click);
    connect(Button14, &QPushButton::clicked, this, &TOpen::Button14Click);
    connect(N15, &QAction::triggered, this, &TOpen::N15Click);
    connect(N16, &QAction::triggered, this, &TOpen::N16Click);
    connect(N5, &QAction::triggered, this, &TOpen::N5Click);
    connect(N6, &QAction::triggered, this, &TOpen::N6Click);
    connect(Image2, &Picture::clicked, this, &TOpen::Image2Click);

    // Context menus: the search box (also its text field) and the grid; the memos keep their standard menu.
    for (QWidget* w : {static_cast<QWidget*>(ComboBox1), static_cast<QWidget*>(ComboBox1->lineEdit())}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [this, w](const QPoint& pos) { PopupMenu1->popup(w->mapToGlobal(pos)); });
    }
    connect(StringGrid1, &ListGrid::rightClicked, this,
            [this](const QPoint& pos) { PopupMenu2->popup(pos); });
    connect(model_, &ListModel::editRefused, this, &TOpen::refuseEdit);
}

// Start-up: find the data files through the working directory, load the variety list, restore the history.
void TOpen::FormCreate() {
    ExternalList = false;
    Paths = DataPaths::under(QDir::currentPath());
    ListKind = 0;
    if (!LoadList())
        return;
    KanaCount = kKanaCount;
    BuildKanaIndex();
    LoadHistory();
    SearchRow = 1;
    DownRunning = false;
    UpRunning = false;
    Timer1->setInterval(150);
}

void TOpen::Button1Click() {
    SaveHistory();
    if (ListKind == 0 && !ExternalList && ListSavable && !SaveList())
        return; // the list could not be written: stay open with the list as it is
    close();
}

void TOpen::N2Click() {
    Button1Click();
}

void TOpen::closeEvent(QCloseEvent* event) {
    // The main window ends the application, also while an information window is shown.
    event->accept();
    QCoreApplication::quit();
}

// False when nothing was loaded and the caller must stop: the file could not be opened (the end of the
// application is then requested), or the open dialog was cancelled while a view without a file of its own,
// the species count, is shown (which then stays as it is).
void TOpen::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    // Opens centred on the screen, whatever window manager there is (or none).
    centred_ = true;
    if (const QScreen* s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}

bool TOpen::LoadList() {
    const bool ownFile = ListKind >= 0 && ListKind < 3;
    QString path = ownFile ? Paths.ListPaths[size_t(ListKind)] : ListPath;
    if (ExternalList) {
        if (auto chosen = Dialogs::instance().openFileName(this, OpenDialog1))
            path = *chosen;
        else if (!ownFile)
            return false;
    }
    StringGrid1->hide();
    ListPath = path;
    Label5->setText(fileNamePart(ListPath));
    Label5->adjustSize();

    model_->beginChange();
    const LoadResult result = loadListFile(ListPath, table_, RowTexts_);
    model_->endChange();
    switch (result.status) {
    case LoadStatus::CannotOpen:
        showMessage(this, QStringLiteral("リストデータファイルがありません。"), kFileError, StyleWarning);
        app::requestEnd();
        return false;
    case LoadStatus::Refused:
        // The grid stays hidden and nothing may be written over the refused file.
        showMessage(this, QStringLiteral("このデータファイルはVeradexには対応していません。"), kFileError,
                    StyleWarning);
        RowCount = 0;
        ListSavable = false;
        showRowCount();
        return true;
    case LoadStatus::Loaded:
        break;
    }
    RowCount = result.rowCount;
    ListSavable = true;
    StringGrid1->show();
    StringGrid1->setCurrentCell(1, 1);
    StringGrid1->scrollToTop();
    showRowCount();
    return true;
}

bool TOpen::SaveList() {
    if (saveListFile(ListPath, table_, RowCount))
        return true;
    showMessage(this, QStringLiteral("リストデータを保存できません。"), kFileError, StyleWarning);
    return false;
}

void TOpen::BuildKanaIndex() {
    KanaRows = buildKanaIndex(table_, RowCount, KanaCount);
}

void TOpen::showRowCount() {
    Label7->setText(QString::number(RowCount));
    Label7->adjustSize();
}

QList<QByteArray> TOpen::historyEntries() const {
    QList<QByteArray> entries;
    for (int i = 0; i < ComboBox1->count(); ++i)
        entries.append(ComboBox1->itemData(i).toByteArray());
    return entries;
}

void TOpen::insertHistoryEntry(const QByteArray& entry) {
    // Ascending byte order; an equal entry goes after those already there.
    int at = 0;
    while (at < ComboBox1->count() && !(entry < ComboBox1->itemData(at).toByteArray()))
        ++at;
    const QString edit = ComboBox1->currentText();
    ComboBox1->insertItem(at, sjis::decode(entry), entry);
    ComboBox1->setEditText(edit);
}

void TOpen::LoadHistory() {
    for (const QByteArray& entry : readHistoryFile(Paths.HistoryPath))
        insertHistoryEntry(entry);
    ComboBox1->setEditText({});
}

void TOpen::SaveHistory() {
    writeHistoryFile(Paths.HistoryPath, historyEntries());
}

void TOpen::HideMarks() {
    Good->hide();
    Bad->hide();
}

void TOpen::StringGrid1Click() {
    HideMarks();
}

void TOpen::refuseEdit(const QString& unencodable) {
    showMessage(
        this,
        QStringLiteral("「%1」はリストに保存できない文字です（シフトJISにない文字）。セルは元のままです。")
            .arg(unencodable),
        QStringLiteral("入力エラー"), StyleWarning);
}

void TOpen::JumpWithPreScroll(int row) {
    if (row + 15 < RowCount)
        StringGrid1->setRow(row + 15);
    StringGrid1->setRow(row);
}

// Copies the names of the current row: both into the memos, the chosen item onto the clipboard.
void TOpen::StringGrid1DblClick() {
    const int r = StringGrid1->Row();
    if (r < 1)
        return;
    Memo1->clear();
    Memo2->clear();
    Memo1->appendPlainText(sjis::decode(table_.cell(1, r)));
    Memo2->appendPlainText(sjis::decode(table_.cell(2, r)));
    for (QPlainTextEdit* m : {Memo1, Memo2})
        m->verticalScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);

    QByteArray text;
    switch (RadioGroup1->ItemIndex()) {
    case 0:
        text = table_.cell(1, r);
        break;
    case 1:
        text = table_.cell(2, r);
        break;
    default:
        text = table_.cell(1, r) + texts::fullWidthSpace() + table_.cell(2, r);
    }
    if (CBNewLine->isChecked())
        text += '\n';
    QGuiApplication::clipboard()->setText(sjis::decode(text));
}
