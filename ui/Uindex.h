// The kana index window: the syllabary as a 10 × 5 table; a double-click jumps the main grid to the section.
#pragma once

#include <QWidget>

class TIndex : public QWidget {
    Q_OBJECT
public:
    explicit TIndex(QWidget* parent = nullptr);

    void FormCreate();

    // Closes the window.
    void Button1Click();
    // Jumps the main grid to the heading row of the double-clicked kana.
    void StringGrid1DblClick();
};

extern TIndex* Index;
