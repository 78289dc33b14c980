// One running program per user and display: a later start hands its files
// to the running one over a local socket and ends.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QLocalServer;
class QLocalSocket;
class QTimer;

// The socket's name: per user (the runtime folder or the user id), per
// display, and per program folder, so a build and an installed program, or
// programs on two displays, stay apart.
QString InstanceServerName(const QString &programDir);

enum class THandOff {
    Delivered,  // the running program took the files
    NoInstance, // nobody listens: this start becomes the running program
    Failed,     // someone listens but did not answer
};

// Sends the absolute paths (possibly none) to the program listening on name.
THandOff HandToRunningInstance(const QString &name, const QStringList &paths);

class TInstanceServer : public QObject
{
public:
    // handler gets each later start's paths, only after SetReady, and never
    // while a modal dialog is open (the request waits for it to close).
    explicit TInstanceServer(QObject *parent = nullptr);
    ~TInstanceServer() override;

    // Takes the name: a socket file left by a killed program is removed,
    // but only after a connection to it failed, under a lock so two starts
    // at once do not both take it. Returns the hand-off result: Delivered
    // or Failed when another program runs (this one then does not listen).
    THandOff Start(const QString &name, const QStringList &paths);
    bool IsListening() const;
    void SetReady(std::function<void(const QStringList &)> handler);

private:
    void Accept();
    void Read(QLocalSocket *socket);
    void Flush();

    QLocalServer *m_server = nullptr;
    QTimer *m_retry = nullptr;
    std::function<void(const QStringList &)> m_handler;
    QList<QStringList> m_pending;
};
