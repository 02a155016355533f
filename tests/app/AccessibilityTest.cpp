// What a screen reader finds: the accessibility tree of the main window
// (a strip on show), of the preview (a render on show) and of Preferences,
// walked whole,
// holds no control without a name, and none that takes the focus without a
// description.

#include <QAccessible>
#include <QSlider>
#include <QtTest>

#include "EditorFixture.h"
#include "TestHome.h"
#include "app/PreferencesDialog.h"
#include "preview/UnitPreview.h"
#include "widgets/Image.h"

using namespace qv;
using namespace qv::test;

namespace {

// Every visible element below `node`: its name into `names`, and "path
// (role)" into `faults` where it lacks a name, or takes the focus and lacks
// a description.
void Walk(QAccessibleInterface *node, const QString &path, QStringList &names,
          QStringList &faults) {
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface *child = node->child(i);
    if (!child || child->state().invisible) continue;
    const QString here = path + "/" + (child->object() ? child->object()->objectName() : "?");
    const QString role = QString::number(int(child->role()));
    names << child->text(QAccessible::Name);
    if (names.last().trimmed().isEmpty()) faults << here + " (role " + role + ") has no name";
    if (child->state().focusable && child->text(QAccessible::Description).isEmpty())
      faults << here + " (role " + role + ") has no description";
    Walk(child, here, names, faults);
  }
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlIsNamed() {
    Editor e(300, 200);
    e->show();
    QVERIFY(QTest::qWaitForWindowExposed(&*e));
    e.Choose(1);
    e->ImgViewNClick(3);
    QVERIFY(e.Settle());
    PreferencesDialog preferences{Preferences()};
    preferences.show();
    QStringList names, faults;
    for (QWidget *window : std::initializer_list<QWidget *>{&*e, e->FormPreview, &preferences})
      Walk(QAccessible::queryAccessibleInterface(window), window->objectName(), names, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    // The walk reached the strip, the preview's controls and the dialog's.
    for (const char *name : {"Light A, effect 10", "Strength", "History memory"})
      QVERIFY2(names.contains(name), name);
    // The names a user hears.
    QAccessibleInterface *thumbnail = QAccessible::queryAccessibleInterface(e->ImgView[3]);
    QCOMPARE(thumbnail->text(QAccessible::Name), QString("Light A, effect 3"));
    QCOMPARE(e->ImgView[3]->toolTip(), QString("Light A 3"));
    QCOMPARE(QAccessible::queryAccessibleInterface(e->ImgEffect)->text(QAccessible::Name),
             QString("sample.jpg, 300 x 200 pixels"));
    QAccessibleInterface *slider =
        QAccessible::queryAccessibleInterface(e->FormPreview->SliderStrength);
    QCOMPARE(slider->text(QAccessible::Name), QString("Strength"));
    QCOMPARE(slider->valueInterface()->currentValue().toInt(), 100);
  }
};

QV_TEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
