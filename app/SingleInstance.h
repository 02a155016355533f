#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace qv {

// Keeps one editor per user. The first instance listens on a local socket in
// the user's runtime folder; a later one connects, hands over the picture it
// was asked to open (or only asks the first to come to the front) and ends.
// The socket is removed when the first instance ends.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // name: a socket name, placed in the runtime folder unless it is a path.
  explicit SingleInstance(const QString &name, QObject *parent = nullptr);

  // False when another instance runs; it has then been handed `file` to
  // open, or asked to come to the front when `file` is empty. True
  // otherwise: this process is the one instance.
  bool Claim(const QString &file = {});

  // The socket's full path.
  const QString &Name() const { return name_; }

  // "RunOnlyOnce_MyProjectSkecth1", or the value of QV_SINGLE_INSTANCE_NAME
  // when set (tests run isolated instances with it).
  static QString DefaultName();
  // $XDG_RUNTIME_DIR, or a folder of the user's own when it is unset.
  static QString RuntimeFolder();

 signals:
  void RaiseRequested();
  void OpenRequested(const QString &path);

 private:
  bool HandOver(const QString &file);
  void ReadRequests();
  void Handle(const QByteArray &line);

  QString name_;
  QLocalServer server_;
};

}  // namespace qv
