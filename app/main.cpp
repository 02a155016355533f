// The editor: one window per user, laid out for the primary screen.
//
//   quorvane [FILE]
//
// opens FILE (any picture the editor reads) instead of the sample picture.
// When an editor already runs, FILE is handed to it, or it is only brought
// to the front, and this start ends. EditorHelp.h says so to --help.

#include <cstdio>
#include <optional>
#include <string>

#include <QApplication>
#include <QCommandLineParser>
#include <QScreen>
#include <QSessionManager>

#include "app/EditorHelp.h"
#include "app/Preferences.h"
#include "app/QtDialogs.h"
#include "app/SingleInstance.h"
#include "app/StopSignal.h"
#include "app/Translations.h"
#include "app/Unit1.h"
#include "kernels/KernelEnv.h"
#include "session/RecoveryRecord.h"

namespace {

// Qt aborts when no platform plugin can start; say why instead.
bool HaveDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// Tests that run isolated instances (with a name of their own) follow the
// editor by the lines it prints.
void Report(const QString &line) {
  if (qEnvironmentVariableIsEmpty("QV_SINGLE_INSTANCE_NAME")) return;
  std::printf("quorvane: %s\n", qPrintable(line));
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char *argv[]) {
  QCoreApplication::setApplicationName(QStringLiteral("quorvane"));
  QCoreApplication::setApplicationVersion(QStringLiteral(QUORVANE_VERSION));
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
  const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QString());
  parser.addOptions({help, version});
  parser.addPositionalArgument(QStringLiteral("FILE"), QString());
  if (!parser.parse(arguments)) {
    std::fprintf(stderr, "quorvane: %s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(version)) {
    std::printf("quorvane %s\n", QUORVANE_VERSION);
    return 0;
  }
  if (parser.isSet(help) || parser.positionalArguments().size() > 1) {
    const bool asked = parser.isSet(help);
    std::fputs(qv::cli::HelpText(qv::EditorHelpPage()).c_str(), asked ? stdout : stderr);
    return asked ? 0 : 2;
  }
  const QString file = parser.positionalArguments().isEmpty()
                           ? QString()
                           : qv::CommandLineFile(parser.positionalArguments().first());

  if (!HaveDisplay()) {
    std::fputs(
        "quorvane: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
        "Start it from a desktop session, or under a virtual one: xvfb-run -a quorvane\n",
        stderr);
    return 1;
  }
  // The desktop entry's name: Wayland desktops find the window's icon by it.
  QGuiApplication::setDesktopFileName(QStringLiteral(QUORVANE_APP_ID));
  QApplication app(argc, argv);
  // The language chosen in Preferences, or the desktop's.
  const QLocale locale = qv::InterfaceLocale(qv::Preferences::Load());
  QLocale::setDefault(locale);
  qv::InstallTranslations(
      app, locale, QString::fromStdString(qv::ProgramDataDir()) + QStringLiteral("translations"));

  qv::SingleInstance instance(qv::SingleInstance::DefaultName());
  if (!instance.Claim(file)) return 0;

  // A request that arrives while the window is still being made (a start-up
  // message box can be up) is carried out once the window is shown.
  qv::TFormMain *window = nullptr;
  bool raisePending = false;
  QStringList filesPending;
  QObject::connect(&instance, &qv::SingleInstance::RaiseRequested, &app, [&] {
    Report(QStringLiteral("raise request"));
    if (window)
      window->BringToFront();
    else
      raisePending = true;
  });
  QObject::connect(&instance, &qv::SingleInstance::OpenRequested, &app, [&](const QString &path) {
    Report(QStringLiteral("open request ") + path);
    if (!window) {
      filesPending << path;
      return;
    }
    window->BringToFront();
    window->Guard([&] { window->OpenFile(path); });
  });

  qv::QtDialogs dialogs;
  const QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize(1024, 768);
  qv::TFormMain FormMain(dialogs, QString::fromStdString(qv::ProgramDataDir()), screen);
  QObject::connect(&FormMain, &QWidget::windowTitleChanged, &app,
                   [](const QString &title) { Report(QStringLiteral("title ") + title); });
  FormMain.show();
  window = &FormMain;

  // Work left by a run that did not close is offered first; from then on
  // the session keeps its own record.
  const std::string recovery = qv::RecoveryPath();
  std::optional<qv::RecoveryRecord> left;
  FormMain.Guard([&] {
    try {
      left = qv::ReadRecovery(recovery);
    } catch (...) {
      qv::RemoveRecovery(recovery);  // damaged: nothing can be brought back
      throw;
    }
  });
  FormMain.KeepRecoveryAt(recovery);
  if (left) {
    Report(QStringLiteral("restore question"));
    FormMain.OfferRestore(*left);
  }
  // The desktop's "save your work" and a polite kill end the program
  // without questions, keeping the record for the next start.
  QObject::connect(&app, &QGuiApplication::commitDataRequest, &FormMain,
                   [&](QSessionManager &) { FormMain.EndKeepingWork(); });
  qv::StopSignal stop;
  QObject::connect(&stop, &qv::StopSignal::Received, &FormMain, [&] {
    Report(QStringLiteral("stop signal"));
    FormMain.EndKeepingWork();
    app.quit();
  });
  // Opened over the window, so that a message about the file has the window
  // behind it.
  if (!file.isEmpty()) FormMain.Guard([&] { FormMain.OpenFile(file); });
  Report(QStringLiteral("shown ") + FormMain.windowTitle());
  if (raisePending) FormMain.BringToFront();
  for (const QString &path : filesPending) FormMain.Guard([&] { FormMain.OpenFile(path); });
  return app.exec();
}
