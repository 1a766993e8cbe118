#include "RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QResizeEvent>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent)
    : QGroupBox(caption, parent), group_(new QButtonGroup(this)), columns_(columns) {
    group_->setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* b = new QRadioButton(items[i], this);
        group_->addButton(b, i);
        buttons_.append(b);
        connect(b, &QRadioButton::clicked, this, &RadioGroup::clicked);
        connect(b, &QRadioButton::toggled, this, &RadioGroup::updateTabStop);
    }
    updateTabStop();
    layoutButtons();
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (auto* b = group_->button(index))
        b->setChecked(true);
}

void RadioGroup::updateTabStop() {
    // The group is one stop of the tab sequence, at its selected button; arrow keys move within it.
    for (auto* b : buttons_)
        b->setFocusPolicy(b->isChecked() || group_->checkedId() < 0 ? Qt::StrongFocus : Qt::ClickFocus);
}

QStringList RadioGroup::items() const {
    QStringList out;
    for (auto* b : buttons_)
        out.append(b->text());
    return out;
}

void RadioGroup::setItems(const QStringList& items) {
    for (int i = 0; i < buttons_.size() && i < items.size(); ++i)
        buttons_[i]->setText(items[i]);
}

void RadioGroup::layoutButtons() {
    // The items share the box below its caption evenly, column by column.
    const int top = 20, left = 8, bottom = 4;
    const int rows = (int(buttons_.size()) + columns_ - 1) / columns_;
    const int w = (width() - left - 4) / columns_;
    const int h = rows ? (height() - top - bottom) / rows : 0;
    for (int i = 0; i < buttons_.size(); ++i)
        buttons_[i]->setGeometry(left + (i % columns_) * w, top + (i / columns_) * h, w, h);
}

void RadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    layoutButtons();
}
