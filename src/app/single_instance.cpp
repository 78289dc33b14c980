#include "app/single_instance.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

#include <utility>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

constexpr quint32 Magic = 0x56454c31; // "VEL1"
constexpr qint64 MaxRequest = 1 << 20;
constexpr char Ack = 'K';

QString LockPath(const QString &name)
{
    const QString base = QDir::isAbsolutePath(name) ? name : QDir::tempPath() + u'/' + name;
    return base + u".lock"_s;
}

} // namespace

QString InstanceServerName(const QString &programDir)
{
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty())
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    QString safeDisplay;
    for (const QChar c : display)
        safeDisplay += c.isLetterOrNumber() ? c : QChar(u'_');
    const QByteArray folder =
        QCryptographicHash::hash(QDir::cleanPath(programDir).toUtf8(), QCryptographicHash::Sha1).toHex().left(10);
    const QString leaf = u"vellomy-%1-%2"_s.arg(safeDisplay, QString::fromLatin1(folder));
    // The runtime folder belongs to the user alone; /tmp is shared, so the
    // user id goes into the name there.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return runtime + u'/' + leaf;
    return u"%1-u%2"_s.arg(leaf).arg(uint(::getuid()));
}

THandOff HandToRunningInstance(const QString &name, const QStringList &paths)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(2000))
        return THandOff::NoInstance;
    QByteArray request;
    {
        QDataStream out(&request, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_4);
        out << Magic << paths;
    }
    socket.write(request);
    if (!socket.waitForBytesWritten(5000))
        return THandOff::Failed;
    // The running program may still be starting: its windows come before it
    // serves requests.
    for (int i = 0; i < 60 && socket.bytesAvailable() == 0; ++i) {
        if (!socket.waitForReadyRead(500) && socket.state() != QLocalSocket::ConnectedState)
            break;
    }
    return socket.read(1) == QByteArray(1, Ack) ? THandOff::Delivered : THandOff::Failed;
}

TInstanceServer::TInstanceServer(QObject *parent) : QObject(parent)
{
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(300);
    connect(m_retry, &QTimer::timeout, this, &TInstanceServer::Flush);
}

TInstanceServer::~TInstanceServer()
{
    if (m_server)
        m_server->close();
}

THandOff TInstanceServer::Start(const QString &name, const QStringList &paths)
{
    QLockFile lock(LockPath(name));
    lock.setStaleLockTime(10000);
    (void)lock.tryLock(10000); // a start that waited in vain goes on: only a narrow race is left
    const THandOff handed = HandToRunningInstance(name, paths);
    if (handed != THandOff::NoInstance)
        return handed;
    // Nobody answered: a socket file still there was left by a program that
    // ended without closing it.
    QLocalServer::removeServer(name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(name)) {
        qWarning("vellomy: no single-instance socket: %s", qPrintable(m_server->errorString()));
        delete m_server;
        m_server = nullptr;
        return THandOff::NoInstance;
    }
    connect(m_server, &QLocalServer::newConnection, this, &TInstanceServer::Accept);
    return THandOff::NoInstance;
}

bool TInstanceServer::IsListening() const
{
    return m_server && m_server->isListening();
}

void TInstanceServer::SetReady(std::function<void(const QStringList &)> handler)
{
    m_handler = std::move(handler);
    Flush();
}

void TInstanceServer::Accept()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

void TInstanceServer::Read(QLocalSocket *socket)
{
    if (socket->bytesAvailable() > MaxRequest) {
        socket->abort();
        return;
    }
    QDataStream in(socket);
    in.setVersion(QDataStream::Qt_6_4);
    in.startTransaction();
    quint32 magic = 0;
    QStringList paths;
    in >> magic >> paths;
    if (!in.commitTransaction()) {
        if (magic != 0 && magic != Magic)
            socket->abort();
        return; // wait for the rest
    }
    if (magic != Magic) {
        socket->abort();
        return;
    }
    // Taken: the later start may end now; the files open when we are ready.
    socket->write(&Ack, 1);
    socket->flush();
    socket->disconnectFromServer();
    m_pending << paths;
    Flush();
}

void TInstanceServer::Flush()
{
    if (!m_handler || m_pending.isEmpty())
        return;
    // Opening documents in the middle of a question would change what the
    // question is about: wait until it is answered.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
        m_retry->start();
        return;
    }
    const QList<QStringList> requests = std::exchange(m_pending, {});
    for (const QStringList &paths : requests)
        m_handler(paths);
}
