// `cmake --install` into a throw-away prefix: the editor and the renderer
// run from there, away from the build tree, and find their artwork.

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "TestHome.h"
#include "codecs/Codecs.h"

namespace {

QByteArray Run(const QString &program, const QStringList &arguments, const QString &folder,
               int *exitCode) {
  QProcess p;
  p.setWorkingDirectory(folder);
  p.setProcessChannelMode(QProcess::MergedChannels);
  p.start(program, arguments);
  p.waitForFinished(120000);
  *exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  return p.readAll();
}

QByteArray ReadAll(const QString &path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class InstallTest : public QObject {
  Q_OBJECT
  QTemporaryDir prefix_, elsewhere_;

  QString Installed(const QString &path) const { return prefix_.filePath(path); }

 private slots:
  void initTestCase() {
    int code = 0;
    const QByteArray said =
        Run(QStringLiteral(CMAKE_COMMAND),
            {"--install", QStringLiteral(BUILD_DIR), "--prefix", prefix_.path()}, elsewhere_.path(),
            &code);
    QVERIFY2(code == 0, said.constData());
  }

  void everythingLandsInItsPlace() {
    for (const char *file :
         {"bin/quorvane", "bin/quorvane-fx", "share/quorvane/pic/sample.jpg",
          "share/quorvane/pic/lightA/1.ssl", "share/quorvane/help.html", "share/quorvane/blue.urf",
          "share/quorvane/help_de.html", "share/quorvane/help_ja.html",
          "share/quorvane/translations/quorvane_de.qm",
          "share/quorvane/translations/quorvane_zh_CN.qm",
          "share/applications/org.quorvane.Quorvane.desktop",
          "share/metainfo/org.quorvane.Quorvane.metainfo.xml", "share/mime/packages/quorvane.xml",
          "share/icons/hicolor/scalable/apps/org.quorvane.Quorvane.svg",
          "share/icons/hicolor/16x16/apps/org.quorvane.Quorvane.png",
          "share/icons/hicolor/512x512/apps/org.quorvane.Quorvane.png",
          "share/icons/hicolor/scalable/mimetypes/application-x-quorvane-look.svg",
          "share/icons/hicolor/48x48/mimetypes/application-x-quorvane-look.png",
          "share/man/man1/quorvane.1", "share/man/man1/quorvane-fx.1",
          "share/bash-completion/completions/quorvane-fx"})
      QVERIFY2(QFileInfo(Installed(file)).isFile(), file);
    QVERIFY(QFileInfo(Installed("bin/quorvane")).isExecutable());
    const QByteArray entry = ReadAll(Installed("share/applications/org.quorvane.Quorvane.desktop"));
    QVERIFY(entry.contains("\nExec=quorvane %f\n"));
    QVERIFY(entry.contains("\nMimeType=image/jpeg;"));
  }

  void theEditorStartsWithItsSamplePicture() {
    QProcess editor;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("QV_SINGLE_INSTANCE_NAME", "qv-install-test");
    editor.setProcessEnvironment(env);
    editor.setWorkingDirectory(elsewhere_.path());
    editor.start(Installed("bin/quorvane"), {});
    // A message at start (a missing sample, say) would hold it before this.
    QByteArray said;
    QDeadlineTimer deadline(20000);
    while (!said.contains("shown") && !deadline.hasExpired()) {
      editor.waitForReadyRead(100);
      said += editor.readAllStandardOutput();
    }
    const QByteArray errors = editor.readAllStandardError();
    editor.kill();
    editor.waitForFinished(5000);
    QVERIFY2(said.contains("quorvane: shown Quorvane[*]"), said.constData());
    QVERIFY2(errors.isEmpty(), errors.constData());
  }

  void theRendererFindsItsArtwork() {
    int code = 0;
    const QString sample = Installed("share/quorvane/pic/sample.jpg");
    const QByteArray said =
        Run(Installed("bin/quorvane-fx"), {"render", "light-a", "1", sample, "out.jpg"},
            elsewhere_.path(), &code);
    QVERIFY2(code == 0, said.constData());
    const qv::Bitmap out = qv::ReadPicture(elsewhere_.filePath("out.jpg").toStdString());
    const qv::Bitmap in = qv::ReadPicture(sample.toStdString());
    QCOMPARE(out.Width(), in.Width());
    QCOMPARE(out.Height(), in.Height());
  }
};

QV_TEST_MAIN(InstallTest)
#include "InstallTest.moc"
