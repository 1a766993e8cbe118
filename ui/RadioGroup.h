// A captioned group of radio buttons, laid out in columns, with the selected item's index.
#pragma once

#include <QGroupBox>
#include <QList>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent = nullptr);

    int ItemIndex() const;
    // Selects an item without raising `clicked`.
    void setItemIndex(int index);
    QStringList items() const;
    void setItems(const QStringList& items);
    QRadioButton* button(int index) const { return buttons_.value(index); }

signals:
    // The user selected an item (also the one already selected).
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutButtons();
    void updateTabStop();
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
    int columns_;
};
