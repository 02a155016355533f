#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QLockFile>
#include <QPointer>
#include <QStandardPaths>

namespace qv {

namespace {

// One request per line: "raise", or "open " and the path's bytes
// percent-encoded, so that any file name fits on one line.
const QByteArray kRaise = "raise";
const QByteArray kOpen = "open ";
constexpr int kConnectMs = 1000;

QByteArray Request(const QString &file) {
  if (file.isEmpty()) return kRaise + '\n';
  return kOpen + QFile::encodeName(file).toPercentEncoding() + '\n';
}

}  // namespace

SingleInstance::SingleInstance(const QString &name, QObject *parent)
    : QObject(parent),
      name_(QDir::isAbsolutePath(name) ? name : QDir(RuntimeFolder()).filePath(name)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::ReadRequests);
}

QString SingleInstance::DefaultName() {
  const QString overridden = qEnvironmentVariable("QV_SINGLE_INSTANCE_NAME");
  return overridden.isEmpty() ? QStringLiteral("RunOnlyOnce_MyProjectSkecth1") : overridden;
}

QString SingleInstance::RuntimeFolder() {
  // Qt checks that the folder belongs to the user and falls back to one of
  // the user's own in the temporary folder.
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return folder.isEmpty() ? QDir::tempPath() : folder;
}

bool SingleInstance::HandOver(const QString &file) {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(Request(file));
  socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Claim(const QString &file) {
  // Two editors started at the same moment must not both remove and take
  // the name; the lock file orders them (and a crashed holder's lock is
  // taken over). It is removed again when this function returns.
  QLockFile lock(name_ + QStringLiteral(".lock"));
  lock.setStaleLockTime(0);
  lock.tryLock(5000);

  if (HandOver(file)) return false;
  // Nobody answers: a name left by a crashed instance must not block us.
  QLocalServer::removeServer(name_);
  // Keeping one instance is a courtesy: if the name cannot be taken the
  // editor still starts.
  if (!server_.listen(name_))
    qWarning("quorvane: cannot listen on %s: %s", qPrintable(name_),
             qPrintable(server_.errorString()));
  return true;
}

void SingleInstance::ReadRequests() {
  while (QLocalSocket *socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // The lines are taken first: opening a file runs the event loop, in
    // which the other side may hang up and the socket be deleted.
    auto read = [this, socket = QPointer<QLocalSocket>(socket)] {
      QList<QByteArray> lines;
      while (socket && socket->canReadLine()) lines << socket->readLine().chopped(1);
      for (const QByteArray &line : lines) Handle(line);
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();  // what arrived before the connection was taken
  }
}

void SingleInstance::Handle(const QByteArray &line) {
  if (line == kRaise)
    emit RaiseRequested();
  else if (line.startsWith(kOpen))
    emit OpenRequested(QFile::decodeName(QByteArray::fromPercentEncoding(line.mid(kOpen.size()))));
}

}  // namespace qv
