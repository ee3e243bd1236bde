#include "app/RunningCopy.h"

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <optional>
#include <string>

#include "ui/ProgramFiles.h"

// The socket is a plain Unix-domain socket watched by the event loop: Qt's
// network module would bring its own libraries into every start for this
// one line of text.

namespace parlow {

namespace {

const std::string kFrontRequest = "front\n";
const std::string kBroughtReply = "front\n";
const std::string kStartingReply = "starting\n";
constexpr int kAnswerWaitMs = 3000;
constexpr std::size_t kLongestLine = 64;
// A socket's path must fit the system's 108 bytes.
constexpr std::size_t kLongestSocketPath = 100;

RunningCopyAnswer Read(const std::string& reply) {
    if (reply == kBroughtReply) {
        return RunningCopyAnswer::BroughtToFront;
    }
    return reply == kStartingReply ? RunningCopyAnswer::StillStarting : RunningCopyAnswer::NoAnswer;
}

// A name without a folder lives in the system's temporary folder.
std::string SocketPath(const QString& name) {
    return (name.startsWith('/') ? name : QDir::tempPath() + '/' + name).toStdString();
}

std::optional<sockaddr_un> AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof(address.sun_path)) {
        return std::nullopt;
    }
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

int NewSocket() {
    return ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
}

bool Bind(int socket, const sockaddr_un& address) {
    return ::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
}

bool Connect(int socket, const sockaddr_un& address) {
    return ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
}

void SetNonBlocking(int socket) {
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) | O_NONBLOCK);
}

bool SendAll(int socket, const std::string& text) {
    return ::send(socket, text.data(), text.size(), MSG_NOSIGNAL) ==
           static_cast<ssize_t>(text.size());
}

// Reads what has come in onto `line`; false once the other end is gone or
// a whole line (or more than a line may be) has arrived.
bool ReadMore(int socket, std::string& line) {
    char buffer[kLongestLine];
    const ssize_t got = ::recv(socket, buffer, sizeof(buffer), 0);
    if (got < 0) {
        return errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR;
    }
    line.append(buffer, static_cast<std::size_t>(got));
    return got > 0 && line.find('\n') == std::string::npos && line.size() < kLongestLine;
}

// The first line of `text`, its newline included.
std::string FirstLine(const std::string& text) {
    const std::size_t end = text.find('\n');
    return end == std::string::npos ? text : text.substr(0, end + 1);
}

// One second copy asking: answered once its line is in, dropped after a
// few seconds without one.
class Caller : public QObject {
  public:
    Caller(int socket, QObject* parent, std::function<std::string()> answer)
        : QObject(parent),
          socket_(socket),
          notifier_(socket, QSocketNotifier::Read, this),
          answer_(std::move(answer)) {
        SetNonBlocking(socket_);
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { Take(); });
        QTimer::singleShot(kAnswerWaitMs, this, [this] { End(); });
    }
    ~Caller() override { ::close(socket_); }

  private:
    void Take() {
        if (ReadMore(socket_, line_)) {
            return;
        }
        if (FirstLine(line_) == kFrontRequest) {
            SendAll(socket_, answer_());
        }
        End();
    }
    void End() {
        notifier_.setEnabled(false);
        deleteLater();
    }

    int socket_;
    QSocketNotifier notifier_;
    std::function<std::string()> answer_;
    std::string line_;
};

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

RunningCopyListener::RunningCopyListener(const std::filesystem::path& programFolder) {
    const QString name = RunningCopySocket(programFolder);
    const std::string path = name.isEmpty() ? std::string() : SocketPath(name);
    // Bound under a name of its own and made the owner's before it takes
    // the real one: no other account can reach it at any moment.
    const std::string unready = path + ".new";
    const std::optional<sockaddr_un> address = AddressOf(unready);
    if (!address) {
        return;
    }
    const int socket = NewSocket();
    if (socket < 0) {
        return;
    }
    ::unlink(unready.c_str());
    // Whoever holds the lock owns the name: a socket left by a copy that
    // died is in the way, nothing more.
    if (!Bind(socket, *address) || ::chmod(unready.c_str(), S_IRUSR | S_IWUSR) != 0 ||
        ::listen(socket, SOMAXCONN) != 0 || ::rename(unready.c_str(), path.c_str()) != 0) {
        ::unlink(unready.c_str());
        ::close(socket);
        return;
    }
    SetNonBlocking(socket);
    socket_ = socket;
    path_ = path;
    auto* incoming = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(incoming, &QSocketNotifier::activated, this, [this] { AcceptCallers(); });
}

RunningCopyListener::~RunningCopyListener() {
    if (socket_ >= 0) {
        ::close(socket_);
        ::unlink(path_.c_str());
    }
}

bool RunningCopyListener::Listening() const {
    return socket_ >= 0;
}

void RunningCopyListener::SetWindow(QWidget* window) {
    window_ = window;
}

void RunningCopyListener::AcceptCallers() {
    for (int caller; (caller = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
        new Caller(caller, this, [this] { return Answer(); });
    }
}

std::string RunningCopyListener::Answer() {
    if (window_ && window_->isVisible()) {
        BringToFront(window_);
        return kBroughtReply;
    }
    return kStartingReply;
}

RunningCopyAnswer BringRunningCopyToFront(const std::filesystem::path& programFolder) {
    const QString name = RunningCopySocket(programFolder);
    const std::optional<sockaddr_un> address =
        name.isEmpty() ? std::nullopt : AddressOf(SocketPath(name));
    if (!address) {
        return RunningCopyAnswer::NoAnswer;
    }
    const int socket = NewSocket();
    if (socket < 0) {
        return RunningCopyAnswer::NoAnswer;
    }
    std::string reply;
    if (Connect(socket, *address) && SendAll(socket, kFrontRequest)) {
        SetNonBlocking(socket);
        // The copy asked may be this very process (its tests): its answer
        // comes from the event loop, so the wait lets events run.
        QEventLoop waiting;
        QSocketNotifier replies(socket, QSocketNotifier::Read);
        QObject::connect(&replies, &QSocketNotifier::activated, &waiting, [&] {
            if (!ReadMore(socket, reply)) {
                waiting.quit();
            }
        });
        QTimer::singleShot(kAnswerWaitMs, &waiting, &QEventLoop::quit);
        waiting.exec();
        replies.setEnabled(false);
    }
    ::close(socket);
    return Read(FirstLine(reply));
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
