#include "browser/CategoryColumn.h"

#include <QPushButton>

namespace qv {

namespace {

constexpr int kFirstTop = 28, kPlaceHeight = 28, kHiddenGap = 16;

}  // namespace

int CategoryButtonTop(const Category &category) {
  return kFirstTop + kPlaceHeight * (category.Column - 1) + (category.Hidden ? kHiddenGap : 0);
}

std::array<QPushButton *, kCategoryCount + 1> MakeCategoryButtons(
    QWidget *column, const std::function<void(int id)> &choose) {
  std::array<QPushButton *, kCategoryCount + 1> buttons{};
  for (const Category &category : Categories()) {
    auto *button = new QPushButton(QString::fromUtf8(category.Caption), column);
    button->setObjectName(QString::fromLatin1(category.ButtonName));
    button->setGeometry(kCategoryButtonLeft, CategoryButtonTop(category), 75, 25);
    button->setVisible(!category.Hidden);
    const int id = category.Id;
    QObject::connect(button, &QPushButton::clicked, column, [choose, id] { choose(id); });
    buttons[std::size_t(id)] = button;
  }
  return buttons;
}

}  // namespace qv
