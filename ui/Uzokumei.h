// The genus index window: twenty genus names; a double-click jumps the main grid to the first row of one.
#pragma once

#include "GenusIndex.h"

#include <QWidget>

#include <array>

class QLabel;
class QPushButton;
class QTableWidget;

class TZokumei : public QWidget {
    Q_OBJECT
public:
    explicit TZokumei(QWidget* parent = nullptr);
    ~TZokumei() override;

    QLabel* Label1;
    QTableWidget* StringGrid1;
    QLabel* Label2;
    QPushButton* Button1;

    void FormCreate();

    // Renews `GenusRows` from the main window's list: called when the window opens and after every sort.
    void FindGenusRows();
    void Button1Click();
    void StringGrid1DblClick();

    // The name of row i as Shift-JIS, exactly as the file holds it.
    QByteArray name(int i) const;
    const std::array<int, kGenusCount>& genusRows() const { return GenusRows; }

private:
    // Entry i: the first main grid row beginning with name i, or 0; as the last `FindGenusRows` left it.
    std::array<int, kGenusCount> GenusRows{};
};

extern TZokumei* Zokumei;
