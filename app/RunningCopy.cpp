#include "app/RunningCopy.h"

#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>
#include <QWidget>
#include <cstdlib>
#include <string>

#include "ui/ProgramFiles.h"

namespace parlow {

namespace {

const QByteArray kFrontRequest = "front\n";
const QByteArray kBroughtReply = "front\n";
const QByteArray kStartingReply = "starting\n";
constexpr int kAnswerWaitMs = 3000;
// A socket's path must fit the system's 108 bytes.
constexpr std::size_t kLongestSocketPath = 100;

RunningCopyAnswer Read(const QByteArray& reply) {
    if (reply == kBroughtReply) {
        return RunningCopyAnswer::BroughtToFront;
    }
    return reply == kStartingReply ? RunningCopyAnswer::StillStarting : RunningCopyAnswer::NoAnswer;
}

}  // namespace

QString RunningCopySocket(const std::filesystem::path& programFolder) {
    const std::string identity = ProgramFolderIdentity(programFolder);
    if (identity.empty()) {
        return {};
    }
    const std::string name = "parlow-" + std::to_string(::getuid()) + "-" + identity;
    if (const char* runtime = std::getenv("XDG_RUNTIME_DIR");
        runtime != nullptr && *runtime == '/') {
        const std::string path = std::string(runtime) + "/" + name + ".socket";
        if (path.size() <= kLongestSocketPath) {
            return QString::fromStdString(path);
        }
    }
    return QString::fromStdString(name);
}

RunningCopyListener::RunningCopyListener(const std::filesystem::path& programFolder)
    : server_(new QLocalServer(this)) {
    const QString name = RunningCopySocket(programFolder);
    if (name.isEmpty()) {
        return;
    }
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Whoever holds the lock owns the name: a socket left by a copy that
    // died is in the way, nothing more.
    QLocalServer::removeServer(name);
    server_->listen(name);
    connect(server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* caller = server_->nextPendingConnection()) {
            connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
            connect(caller, &QLocalSocket::readyRead, this, [this, caller] { Answer(caller); });
            QTimer::singleShot(kAnswerWaitMs, caller, &QLocalSocket::disconnectFromServer);
        }
    });
}

bool RunningCopyListener::Listening() const {
    return server_->isListening();
}

void RunningCopyListener::SetWindow(QWidget* window) {
    window_ = window;
}

void RunningCopyListener::Answer(QLocalSocket* caller) {
    if (!caller->canReadLine()) {
        return;
    }
    if (caller->readLine(64) != kFrontRequest) {
        caller->disconnectFromServer();
        return;
    }
    if (window_ && window_->isVisible()) {
        BringToFront(window_);
        caller->write(kBroughtReply);
    } else {
        caller->write(kStartingReply);
    }
    caller->disconnectFromServer();
}

RunningCopyAnswer BringRunningCopyToFront(const std::filesystem::path& programFolder) {
    const QString name = RunningCopySocket(programFolder);
    if (name.isEmpty()) {
        return RunningCopyAnswer::NoAnswer;
    }
    QLocalSocket socket;
    QByteArray reply;
    QEventLoop waiting;
    QObject::connect(&socket, &QLocalSocket::connected, &socket,
                     [&socket] { socket.write(kFrontRequest); });
    QObject::connect(&socket, &QLocalSocket::readyRead, &waiting, [&] {
        if (socket.canReadLine()) {
            reply = socket.readLine(64);
            waiting.quit();
        }
    });
    QObject::connect(&socket, &QLocalSocket::disconnected, &waiting, &QEventLoop::quit);
    QObject::connect(&socket, &QLocalSocket::errorOccurred, &waiting, &QEventLoop::quit);
    QTimer::singleShot(kAnswerWaitMs, &waiting, &QEventLoop::quit);
    socket.connectToServer(name);
    if (socket.state() != QLocalSocket::UnconnectedState) {
        waiting.exec();
    }
    if (reply.isEmpty() && socket.canReadLine()) {
        reply = socket.readLine(64);
    }
    return Read(reply);
}

void BringToFront(QWidget* window) {
    window->setWindowState((window->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window->show();
    window->raise();
    window->activateWindow();
    if (QWidget* box = QApplication::activeModalWidget(); box != nullptr && box != window) {
        box->raise();
        box->activateWindow();
    }
}

}  // namespace parlow
