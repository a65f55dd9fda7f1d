#include "map/MapRadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvelan::app {

MapRadioGroup::MapRadioGroup(const QString& title, const QStringList& items, QWidget* parent)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 4);
  layout->setSpacing(1);
  connect(group_, &QButtonGroup::idClicked, this, [this](int id) {
    if (clicked) clicked(id);
  });
  SetItems(items);
}

void MapRadioGroup::SetItems(const QStringList& items) {
  const int keep = ItemIndex();
  for (QAbstractButton* button : group_->buttons()) {
    group_->removeButton(button);
    delete button;
  }
  for (int k = 0; k < items.size(); ++k) {
    auto* button = new QRadioButton(items[k], this);
    group_->addButton(button, k);
    layout()->addWidget(button);
  }
  SetItemIndex(keep >= 0 && keep < items.size() ? keep : 0);
}

QStringList MapRadioGroup::Items() const {
  QStringList items;
  for (QAbstractButton* button : group_->buttons()) items << button->text();
  return items;
}

int MapRadioGroup::ItemIndex() const { return group_->checkedId(); }

void MapRadioGroup::SetItemIndex(int index) {
  if (QAbstractButton* button = group_->button(index)) button->setChecked(true);
}

QRadioButton* MapRadioGroup::Button(int index) const { return static_cast<QRadioButton*>(group_->button(index)); }

}  // namespace korvelan::app
