#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace qv {

// Keeps one editor per user. The first instance listens on a local socket;
// a later one connects, asks it to come to the front and ends.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  explicit SingleInstance(QString name, QObject *parent = nullptr);

  // False when another instance runs; it has then been asked to come to
  // the front. True otherwise: this process is the one instance.
  bool Claim();

  const QString &Name() const { return name_; }

  // "RunOnlyOnce_MyProjectSkecth1" and the user's name, or the value of
  // QV_SINGLE_INSTANCE_NAME when set (tests run isolated instances with it).
  static QString DefaultName();

 signals:
  void RaiseRequested();

 private:
  bool AskOtherToRaise();
  void ReadRequests();

  QString name_;
  QLocalServer server_;
};

}  // namespace qv
