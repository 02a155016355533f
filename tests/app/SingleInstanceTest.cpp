// One editor per user, with real processes: the editor started twice, and
// started after one that crashed. Each test uses a name of its own.

#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QtTest>

#include "app/SingleInstance.h"

using namespace qv;

namespace {

QString UniqueName() {
  return QStringLiteral("qv-test-%1-%2")
      .arg(QCoreApplication::applicationPid())
      .arg(QRandomGenerator::global()->generate());
}

// An editor on the offscreen platform under the given instance name.
std::unique_ptr<QProcess> Editor(const QString &name) {
  auto p = std::make_unique<QProcess>();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("QV_SINGLE_INSTANCE_NAME", name);
  p->setProcessEnvironment(env);
  p->setProgram(QStringLiteral(QUORVANE_EXE));
  p->start();
  return p;
}

bool Listening(const QString &name) {
  QLocalSocket socket;
  socket.connectToServer(name);
  return socket.waitForConnected(200);
}

void Stop(QProcess &p) {
  p.kill();
  p.waitForFinished(5000);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT
 private slots:
  void aSecondStartRaisesTheFirstAndEnds() {
    const QString name = UniqueName();
    SingleInstance first(name);
    QVERIFY(first.Claim());
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);

    auto second = Editor(name);
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(raised.count() == 1 || raised.wait(5000));
  }

  void twoEditorsAndACrashedOne() {
    const QString name = UniqueName();
    auto first = Editor(name);
    QVERIFY(first->waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(Listening(name), 15000);

    auto second = Editor(name);
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QByteArray said;
    QTRY_VERIFY_WITH_TIMEOUT((said += first->readAllStandardOutput()).contains("raise request"),
                             5000);
    QCOMPARE(first->state(), QProcess::Running);

    // Killed without cleaning up, the first leaves its name behind; a new
    // start must not take that for a running editor.
    Stop(*first);
    auto third = Editor(name);
    QVERIFY(third->waitForStarted(5000));
    QTRY_VERIFY_WITH_TIMEOUT(Listening(name), 15000);
    QCOMPARE(third->state(), QProcess::Running);
    Stop(*third);
  }

  void withoutADisplayItSaysSo() {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *var : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(var);
    env.insert("QV_SINGLE_INSTANCE_NAME", UniqueName());
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(QUORVANE_EXE), {});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 1);
    QVERIFY(p.readAllStandardError().contains("no display"));
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
