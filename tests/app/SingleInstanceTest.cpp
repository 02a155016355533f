// One editor per user, with real processes: the editor started with a
// file, started again with another (handed over), again without one, and
// started after one that crashed. Each test uses an instance name of its
// own; sockets live in the test's own runtime folder.

#include <QLocalSocket>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHome.h"
#include "app/SingleInstance.h"
#include "codecs/Codecs.h"

using namespace qv;

namespace {

QString UniqueName() {
  return QStringLiteral("qv-test-%1-%2")
      .arg(QCoreApplication::applicationPid())
      .arg(QRandomGenerator::global()->generate());
}

// An editor on the offscreen platform under the given instance name.
std::unique_ptr<QProcess> Editor(const QString &name, const QStringList &arguments = {},
                                 const QString &folder = {}) {
  auto p = std::make_unique<QProcess>();
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert("QT_QPA_PLATFORM", "offscreen");
  env.insert("QV_SINGLE_INSTANCE_NAME", name);
  p->setProcessEnvironment(env);
  p->setProgram(QStringLiteral(QUORVANE_EXE));
  p->setArguments(arguments);
  if (!folder.isEmpty()) p->setWorkingDirectory(folder);
  p->start();
  return p;
}

bool Listening(const QString &name) {
  QLocalSocket socket;
  socket.connectToServer(SingleInstance(name).Name());
  return socket.waitForConnected(200);
}

void Stop(QProcess &p) {
  p.kill();
  p.waitForFinished(5000);
}

// Waits until the editor has said `line`, collecting what it said.
bool Said(QProcess &p, QByteArray &said, const QByteArray &line, int ms = 15000) {
  QDeadlineTimer deadline(ms);
  while (!said.contains(line) && !deadline.hasExpired()) {
    p.waitForReadyRead(100);
    said += p.readAllStandardOutput();
  }
  return said.contains(line);
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT
  QTemporaryDir work_;

  QString Picture(const QString &name) {
    WriteFileBytes(work_.filePath(name).toStdString(), EncodeBmp(Bitmap(8, 6)));
    return work_.filePath(name);
  }

 private slots:
  void aSecondStartHandsOverItsFileOrRaisesTheFirst() {
    const QString name = UniqueName();
    SingleInstance first(name);
    QVERIFY(first.Claim());
    // The socket lies in the runtime folder and goes with its owner.
    const QString socket = first.Name();
    QCOMPARE(QFileInfo(socket).absolutePath(), qEnvironmentVariable("XDG_RUNTIME_DIR"));
    QVERIFY(QFileInfo::exists(socket));
    QSignalSpy raised(&first, &SingleInstance::RaiseRequested);
    QSignalSpy opened(&first, &SingleInstance::OpenRequested);

    // A relative name is made absolute for the other instance; any file
    // name travels, a line break included.
    Picture("odd\nname #1.bmp");
    auto second = Editor(name, {"odd\nname #1.bmp"}, work_.path());
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(opened.count() == 1 || opened.wait(5000));
    QCOMPARE(opened[0][0].toString(), work_.filePath("odd\nname #1.bmp"));

    auto third = Editor(name);
    QVERIFY(third->waitForFinished(10000));
    QCOMPARE(third->exitCode(), 0);
    QVERIFY(raised.count() == 1 || raised.wait(5000));
    QCOMPARE(opened.count(), 1);
  }

  void twoEditorsAndACrashedOne() {
    const QString name = UniqueName();
    const QString a = Picture("a.bmp"), b = Picture("b.bmp");
    QByteArray said;
    auto first = Editor(name, {a});
    QVERIFY(Said(*first, said, "shown a.bmp[*] \u2013 Quorvane"));
    QVERIFY(Listening(name));

    // The second start hands its picture to the first, which opens it.
    auto second = Editor(name, {b});
    QVERIFY(second->waitForFinished(10000));
    QCOMPARE(second->exitCode(), 0);
    QVERIFY(Said(*first, said, "open request " + b.toUtf8()));
    QVERIFY(Said(*first, said, "title b.bmp[*] \u2013 Quorvane"));
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

  void theCommandLineIsChecked() {
    QProcess p;
    p.start(QStringLiteral(QUORVANE_EXE), {"--help"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(p.readAllStandardOutput().contains("FILE"));
    p.start(QStringLiteral(QUORVANE_EXE), {"--no-such-option"});
    QVERIFY(p.waitForFinished(10000));
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains("no-such-option"));
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

QV_TEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
