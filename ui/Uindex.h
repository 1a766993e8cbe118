// The kana index window: the syllabary as a 10 × 5 table; a double-click jumps the main grid to the section.
#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QTableWidget;

class TIndex : public QWidget {
    Q_OBJECT
public:
    explicit TIndex(QWidget* parent = nullptr);
    ~TIndex() override;

    QLabel* Label1;
    QLabel* Label2;
    QTableWidget* StringGrid1;
    QPushButton* Button1;

    void FormCreate();

    // Closes the window.
    void Button1Click();
    // Jumps the main grid to the heading row of the double-clicked kana.
    void StringGrid1DblClick();

    // The kana head shown in cell (col, row): the syllabary runs from right to left, ア rightmost.
    static int headAt(int col, int row) { return 5 * (9 - col) + row; }
};

extern TIndex* Index;
