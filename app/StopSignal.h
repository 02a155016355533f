#pragma once

#include <QObject>

class QSocketNotifier;

namespace qv {

// SIGTERM and SIGHUP (a logout, `kill`, a service manager stopping the
// program) as a Qt signal on the GUI thread: the handler only writes a
// byte into a pipe, which the event loop then reads.
class StopSignal : public QObject {
  Q_OBJECT
 public:
  explicit StopSignal(QObject *parent = nullptr);
  ~StopSignal() override;

 signals:
  void Received();

 private:
  QSocketNotifier *notifier_ = nullptr;
};

}  // namespace qv
