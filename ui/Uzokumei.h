// The genus index window: twenty genus names; a double-click jumps the main grid to the first row of one.
#pragma once

#include <QWidget>

class TZokumei : public QWidget {
    Q_OBJECT
public:
    explicit TZokumei(QWidget* parent = nullptr);

    void FormCreate();

    // Renews `GenusRows` from the main window's list: called when the window opens and after every sort.
    void FindGenusRows();
    void Button1Click();
    void StringGrid1DblClick();
};

extern TZokumei* Zokumei;
