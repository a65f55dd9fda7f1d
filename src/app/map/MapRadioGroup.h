#pragma once
#include <QGroupBox>
#include <QStringList>
#include <functional>

class QButtonGroup;
class QRadioButton;

namespace korvelan::app {

// A titled group of radio buttons whose items can be rebuilt; a click by the
// user reports the item index, setting the index from code reports nothing.
class MapRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  MapRadioGroup(const QString& title, const QStringList& items, QWidget* parent = nullptr);
  void SetItems(const QStringList& items);
  QStringList Items() const;
  int ItemIndex() const;
  void SetItemIndex(int index);
  QRadioButton* Button(int index) const;
  std::function<void(int)> clicked;

 private:
  QButtonGroup* group_;
};

}  // namespace korvelan::app
