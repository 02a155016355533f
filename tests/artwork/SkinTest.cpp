// The blue skin applied to real widgets: buttons come out blue, and their
// hover, pressed and disabled looks differ from the normal one.

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QtTest>

class SkinTest : public QObject {
  Q_OBJECT

 private:
  static QColor Middle(QWidget &w) {
    QImage image = w.grab().toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2 - 6);
  }

 private slots:
  void initTestCase() {
    QFile file(QStringLiteral(QV_ARTWORK_DIR "blue.urf"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    qApp->setStyleSheet(QString::fromUtf8(file.readAll()));
  }

  void buttonsAreBlueAndShowTheirState() {
    QPushButton normal(QStringLiteral(" "));
    normal.resize(75, 25);
    const QColor face = Middle(normal);
    QVERIFY2(face.blue() > face.red() + 60, qPrintable(face.name()));

    QPushButton disabled(QStringLiteral(" "));
    disabled.resize(75, 25);
    disabled.setEnabled(false);
    QVERIFY(Middle(disabled) != face);

    QPushButton pressed(QStringLiteral(" "));
    pressed.resize(75, 25);
    pressed.setDown(true);
    QVERIFY(Middle(pressed) != face);
  }

  void dialogsKeepALightBackgroundForDefaultText() {
    QDialog dialog;
    dialog.resize(120, 80);
    const QColor back = dialog.grab().toImage().pixelColor(60, 40);
    QVERIFY2(back.lightness() > 160, qPrintable(back.name()));
    QVERIFY(back.blue() > back.red());
  }
};

QTEST_MAIN(SkinTest)
#include "SkinTest.moc"
