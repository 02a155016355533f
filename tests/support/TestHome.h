#pragma once

// A home of the test's own, so that a test run leaves nothing in the user's:
// settings (the editor's recent files, Qt's file dialog state), caches and
// the single-instance socket all go to a temporary folder that is removed
// when the test ends. QV_TEST_MAIN sets it up before the application.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace qv::test {

class TestHome {
 public:
  TestHome() {
    const struct {
      const char *Variable, *Folder;
    } places[] = {{"HOME", "home"},
                  {"XDG_CONFIG_HOME", "home/.config"},
                  {"XDG_CACHE_HOME", "home/.cache"},
                  {"XDG_DATA_HOME", "home/.local/share"},
                  {"XDG_STATE_HOME", "home/.local/state"},
                  {"XDG_RUNTIME_DIR", "runtime"}};
    for (const auto &place : places) {
      const QString path = dir_.filePath(QString::fromLatin1(place.Folder));
      QDir().mkpath(path);
      qputenv(place.Variable, QFile::encodeName(path));
    }
    // Qt accepts a runtime folder only when nobody else may enter it.
    QFile::setPermissions(dir_.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  QString Path() const { return dir_.path(); }

 private:
  QTemporaryDir dir_;
};

}  // namespace qv::test

// QTEST_MAIN with a home of the test's own, made before the application.
#define QV_TEST_MAIN(TestObject)             \
  int main(int argc, char *argv[]) {         \
    qv::test::TestHome home;                 \
    QApplication app(argc, argv);            \
    app.setAttribute(Qt::AA_Use96Dpi, true); \
    TestObject tc;                           \
    QTEST_SET_MAIN_SOURCE_PATH               \
    return QTest::qExec(&tc, argc, argv);    \
  }
