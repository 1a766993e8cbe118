// The main window: the list grid and every tool of the application.
#pragma once

#include "DataPaths.h"
#include "Dialogs.h"
#include "ListTable.h"

#include <QByteArray>
#include <QMainWindow>
#include <QString>

#include <array>
#include <vector>

class ListGrid;
class ListModel;
class Picture;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTimer;

// A group of radio buttons with an item index, as the list switch and the copy options use it.
class RadioGroup;

class TOpen : public QMainWindow {
    Q_OBJECT
public:
    explicit TOpen(QWidget* parent = nullptr);
    ~TOpen() override;

    // Controls, under their names on the form.
    QPushButton* Button1;
    ListGrid* StringGrid1;
    QPlainTextEdit* Memo1;
    QPushButton* BitBtn1;
    QCheckBox* CBNewLine;
    QMenuBar* MainMenu1;
    QMenu* N1;
    QAction* N2;
    QMenu* N3;
    QMenu* N4;
    QAction* N5;
    QAction* N6;
    QComboBox* ComboBox1;
    QLabel* Label1;
    QPushButton* Button3;
    QMenu* PopupMenu1;
    QAction* N7;
    QAction* N8;
    QPushButton* Button4;
    QLabel* Label2;
    RadioGroup* RadioGroup1;
    QPlainTextEdit* Memo2;
    Picture* Image3;
    QLabel* Label4;
    QPushButton* Button5;
    QPushButton* Button6;
    QPushButton* Button7;
    QPushButton* Button8;
    QPushButton* Button9;
    QPushButton* Button10;
    QPushButton* Button11;
    QAction* N9;
    FileRequest OpenDialog1;
    QAction* N10;
    QAction* N11;
    QAction* N12;
    RadioGroup* RadioGroup2;
    Picture* Image1;
    QLabel* Label5;
    QPushButton* Button12;
    QPushButton* Button13;
    QCheckBox* CheckBox1;
    QLabel* Label3;
    QLabel* Label6;
    Picture* Image2;
    Picture* Image4;
    Picture* Image5;
    QTimer* Timer1;
    QMenu* N13;
    QAction* N50ms1;
    QAction* N100ms1;
    QAction* N2001;
    QPushButton* Button14;
    Picture* Good;
    Picture* Bad;
    QPushButton* BitBtn2;
    QPushButton* Button15;
    QMenu* PopupMenu2;
    QAction* N14;
    QAction* N15;
    QAction* N16;
    FileRequest SaveDialog1;
    QLabel* Label7;

    // Start-up and shut-down.
    void FormCreate();
    void Button1Click();
    void N2Click();

    // List switching.
    void N10Click();
    void N11Click();
    void N12Click();
    void N9Click();
    void RadioGroup2Click();

    // Search and history.
    void Button3Click();
    void N7Click();
    void N8Click();
    void StringGrid1Click();
    void ComboBox1Exit();

    // Scrolling and jumps.
    void BtnUpClick();
    void BtnDownClick();
    void Button8Click();
    void Button9Click();
    void Image4Click();
    void Image5Click();
    void Timer1Timer();
    void N50ms1Click();
    void N100ms1Click();
    void N2001Click();
    void BitBtn1Click();
    void BitBtn2Click();

    // Copy and editing.
    void StringGrid1DblClick();
    void Button4Click();
    void N14Click();
    void Button15Click();
    void Button7Click();

    // Name tools.
    void Button12Click();
    void Button14Click();
    void N15Click();
    void N16Click();

    // Information windows.
    void N5Click();
    void N6Click();
    void Image2Click();

    // Read access for the index windows and for tests.
    const ListTable& table() const { return table_; }
    const RowTexts& rowTexts() const { return RowTexts_; }
    int rowCount() const { return RowCount; }
    int listKind() const { return ListKind; }
    bool externalList() const { return ExternalList; }
    bool listSavable() const { return ListSavable; }
    const DataPaths& paths() const { return Paths; }
    const QString& listPath() const { return ListPath; }
    const std::vector<int>& kanaRows() const { return KanaRows; }
    int searchRow() const { return SearchRow; }
    // The search history in list order, as Shift-JIS bytes.
    QList<QByteArray> historyEntries() const;

    // Moves the grid's current row to `row`, first to row + 15 when that is still a data row, so that the
    // target stands near the top of the view.
    void JumpWithPreScroll(int row);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void setTabOrder();
    void wireHandlers();

    // List data operations.
    bool LoadList();
    bool SaveList();
    void BuildKanaIndex();
    void LoadHistory();
    void SaveHistory();
    void HideMarks();
    void showRowCount();
    // Adds a history entry in its sorted place.
    void insertHistoryEntry(const QByteArray& entry);
    void refuseEdit(const QString& unencodable);

    ListTable table_;
    ListModel* model_;

    QString ListPath;
    DataPaths Paths;
    bool ExternalList = false;
    int SearchRow = 0;
    bool ScrollDown = false;
    bool DownRunning = false;
    bool UpRunning = false;
    std::array<QByteArray, 5> NameParts;
    int ListKind = 0;
    RowTexts RowTexts_;
    int RowCount = 0;
    int KanaCount = 0;
    std::vector<int> KanaRows;
    // False after a refused list file: there is no list that may be written back.
    bool ListSavable = false;
    bool centred_ = false;

    // --- Search and navigation (UopenSearch.cpp) ---
    // Adds `text`, the search box text as Shift-JIS, to the history unless an equal entry is there.
    void RememberSearchText(const QByteArray& text);
    // The index of the history entry the search box shows, or -1 when its text is not an entry chosen.
    int selectedHistoryIndex() const;
    // Checks `item` alone among the three speeds and sets the tick.
    void setScrollSpeed(QAction* item, int milliseconds);

public:
    // Timed scrolling state, for tests.
    bool scrollDown() const { return ScrollDown; }
    bool downRunning() const { return DownRunning; }
    bool upRunning() const { return UpRunning; }

private:

    // --- List switching and editing (UopenEdit.cpp) ---
    void EnableListTools();
    void DisableListTools();
    void SetCopyItems();
    // Loads the list of `kind` from its own file and sets the tools for it; false when the switch had to stop.
    bool ShowList(int kind);
    // Puts the data rows in byte order of column 1 and numbers them anew.
    void SortRows();
    // Makes `row` current again after the table was replaced under the grid; staying on the same row raises
    // no click, as the row did not change for the user.
    void restoreCurrentRow(int col, int row, int previousRow);
    // The first line of text of a memo as Shift-JIS; nothing when it holds characters the list cannot store
    // (the message has then been shown).
    std::optional<QByteArray> memoFirstLine(QPlainTextEdit* memo, const QString& title);
    // The item of RadioGroup2 chosen by the last radio switch: choosing it again switches nothing.
    int ListItem = 0;

    // --- Name tools (UopenTools.cpp) ---
    // Splits a Latin name into the given fields (callers pass the NameParts fields, emptied first); false
    // when the genus-reading list was needed and could not be read (the message has then been shown).
    bool SplitName(QByteArrayView text, QByteArray& genus, QByteArray& clonal, QByteArray& species,
                   QByteArray& abbrev);
    // The abbreviation of a written-out genus from the genus-reading list; false when the list cannot be
    // read.
    bool FindGenusAbbrev(QByteArrayView genus, QByteArray& abbrev);
    // The text of list file `kind` (1 old and new names, 2 genus readings), or nothing after the message
    // naming the file that cannot be read.
    std::optional<QByteArray> readNameList(int kind);

public:
    // The name fields, for tests.
    const std::array<QByteArray, 5>& nameParts() const { return NameParts; }
};

extern TOpen* Open;
