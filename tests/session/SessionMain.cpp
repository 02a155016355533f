// GoogleTest under a Qt Core application, whose event loop carries the
// session's render results back, with a home of the run's own.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

int main(int argc, char **argv) {
  QTemporaryDir home;
  for (const char *variable : {"HOME", "XDG_STATE_HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME"}) {
    const QString folder = home.filePath(QString::fromLatin1(variable));
    QDir().mkpath(folder);
    qputenv(variable, QFile::encodeName(folder));
  }
  QCoreApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
