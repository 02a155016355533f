#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>

namespace qv {

namespace {
const QByteArray kRaise = "raise\n";
constexpr int kConnectMs = 1000;
}  // namespace

SingleInstance::SingleInstance(QString name, QObject *parent)
    : QObject(parent), name_(std::move(name)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::ReadRequests);
}

QString SingleInstance::DefaultName() {
  const QString overridden = qEnvironmentVariable("QV_SINGLE_INSTANCE_NAME");
  if (!overridden.isEmpty()) return overridden;
  QString user = qEnvironmentVariable("USER");
  if (user.isEmpty()) user = qEnvironmentVariable("LOGNAME");
  if (user.isEmpty()) user = QDir::home().dirName();
  user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
  return QStringLiteral("RunOnlyOnce_MyProjectSkecth1-") + user;
}

bool SingleInstance::AskOtherToRaise() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectMs)) return false;
  socket.write(kRaise);
  socket.waitForBytesWritten(kConnectMs);
  socket.disconnectFromServer();
  return true;
}

bool SingleInstance::Claim() {
  // Two editors started at the same moment must not both remove and take
  // the name; the lock file orders them (and a crashed holder's lock is
  // taken over).
  QLockFile lock(QDir::temp().filePath(name_ + QStringLiteral(".lock")));
  lock.setStaleLockTime(0);
  lock.tryLock(5000);

  if (AskOtherToRaise()) return false;
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
    auto read = [this, socket] {
      while (socket->canReadLine())
        if (socket->readLine() == kRaise) emit RaiseRequested();
    };
    connect(socket, &QLocalSocket::readyRead, this, read);
    read();  // what arrived before the connection was taken
  }
}

}  // namespace qv
