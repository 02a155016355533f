// The editor: one window per user, laid out for the primary screen.

#include <cstdio>

#include <QApplication>
#include <QScreen>

#include "app/QtDialogs.h"
#include "app/SingleInstance.h"
#include "app/Unit1.h"

namespace {

// Qt aborts when no platform plugin can start; say why instead.
bool HaveDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char *argv[]) {
  if (!HaveDisplay()) {
    std::fputs(
        "quorvane: no display to open a window on (DISPLAY and WAYLAND_DISPLAY are unset).\n"
        "Start it from a desktop session, or under a virtual one: xvfb-run -a quorvane\n",
        stderr);
    return 1;
  }
  QApplication app(argc, argv);

  qv::SingleInstance instance(qv::SingleInstance::DefaultName());
  if (!instance.Claim()) return 0;

  // A request that arrives while the window is still being made (a start-up
  // message box can be up) is carried out once the window is shown.
  qv::TFormMain *window = nullptr;
  bool raisePending = false;
  QObject::connect(&instance, &qv::SingleInstance::RaiseRequested, &app, [&] {
    if (window)
      window->BringToFront();
    else
      raisePending = true;
    // Tests that run isolated instances watch for this line.
    if (!qEnvironmentVariableIsEmpty("QV_SINGLE_INSTANCE_NAME")) {
      std::puts("quorvane: raise request");
      std::fflush(stdout);
    }
  });

  qv::QtDialogs dialogs;
  const QSize screen = app.primaryScreen() ? app.primaryScreen()->size() : QSize(1024, 768);
  qv::TFormMain FormMain(dialogs, QCoreApplication::applicationDirPath() + QLatin1Char('/'),
                         screen);
  FormMain.show();
  window = &FormMain;
  if (raisePending) FormMain.BringToFront();
  return app.exec();
}
