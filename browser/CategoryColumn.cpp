#include "browser/CategoryColumn.h"

#include <QCoreApplication>
#include <QPushButton>

namespace qv {

namespace {

constexpr int kFirstTop = 28, kPlaceHeight = 28, kHiddenGap = 16;

// The registry's captions, named here for the translators' tools (the
// registry itself knows no Qt); kept in step with it by the translation test.
[[maybe_unused]] const char *const kCaptions[] = {
    QT_TRANSLATE_NOOP("Category", "Preset"),  QT_TRANSLATE_NOOP("Category", "Light A"),
    QT_TRANSLATE_NOOP("Category", "Light B"), QT_TRANSLATE_NOOP("Category", "Light C"),
    QT_TRANSLATE_NOOP("Category", "Star"),    QT_TRANSLATE_NOOP("Category", "Amazing"),
    QT_TRANSLATE_NOOP("Category", "Dream A"), QT_TRANSLATE_NOOP("Category", "Dream B"),
    QT_TRANSLATE_NOOP("Category", "Weather"), QT_TRANSLATE_NOOP("Category", "Gradient"),
    QT_TRANSLATE_NOOP("Category", "Color"),   QT_TRANSLATE_NOOP("Category", "Art"),
    QT_TRANSLATE_NOOP("Category", "Texture"), QT_TRANSLATE_NOOP("Category", "Edge A"),
    QT_TRANSLATE_NOOP("Category", "Edge B"),  QT_TRANSLATE_NOOP("Category", "Line"),
};

}  // namespace

QString CategoryCaption(const Category &category) {
  return QCoreApplication::translate("Category", category.Caption);
}

int CategoryButtonTop(const Category &category) {
  return kFirstTop + kPlaceHeight * (category.Column - 1) + (category.Hidden ? kHiddenGap : 0);
}

std::array<QPushButton *, kCategoryCount + 1> MakeCategoryButtons(
    QWidget *column, const std::function<void(int id)> &choose) {
  std::array<QPushButton *, kCategoryCount + 1> buttons{};
  for (const Category &category : Categories()) {
    auto *button = new QPushButton(CategoryCaption(category), column);
    button->setObjectName(QString::fromLatin1(category.ButtonName));
    button->setGeometry(kCategoryButtonLeft, CategoryButtonTop(category), 75, 25);
    button->setVisible(!category.Hidden);
    button->setAccessibleDescription(
        QCoreApplication::translate("Category", "Shows the ten effects of %1")
            .arg(CategoryCaption(category)));
    const int id = category.Id;
    QObject::connect(button, &QPushButton::clicked, column, [choose, id] { choose(id); });
    buttons[std::size_t(id)] = button;
  }
  return buttons;
}

}  // namespace qv
