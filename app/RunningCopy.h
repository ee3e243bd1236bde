#pragma once
// A second copy started for the same log does more than refuse: it asks the
// copy that runs, through a local socket only this user can reach, to bring
// its window to the front. The single-copy lock alone decides which copy
// runs; only the lock's holder listens here.
#include <QObject>
#include <QPointer>
#include <QString>
#include <filesystem>
#include <string>

class QWidget;

namespace parlow {

// Where the copy running the log in `programFolder` listens: in the user's
// runtime folder when there is one, otherwise under the system's temporary
// folder in a name carrying the user's id; both carry the program folder's
// identity. Empty when the folder cannot be looked at.
QString RunningCopySocket(const std::filesystem::path& programFolder);

// Held by the running copy beside its lock, for the life of the program.
class RunningCopyListener : public QObject {
  public:
    explicit RunningCopyListener(const std::filesystem::path& programFolder);
    ~RunningCopyListener() override;
    RunningCopyListener(const RunningCopyListener&) = delete;
    RunningCopyListener& operator=(const RunningCopyListener&) = delete;
    bool Listening() const;
    // The window a second copy brings to the front; none while starting up.
    void SetWindow(QWidget* window);

  private:
    void AcceptCallers();
    // The reply to a second copy's request, bringing the window up first.
    std::string Answer();

    int socket_ = -1;
    std::string path_;  // the socket's file, removed when the listener ends
    QPointer<QWidget> window_;
};

enum class RunningCopyAnswer {
    BroughtToFront,
    StillStarting,  // its window is not up yet
    NoAnswer,       // no copy listens, or it did not answer in time
};

// What the second copy does before it ends: asks and waits a few seconds at
// most, letting events run meanwhile.
RunningCopyAnswer BringRunningCopyToFront(const std::filesystem::path& programFolder);

// Un-minimises, shows, raises and activates the window; a modal box open
// over it comes up above it.
void BringToFront(QWidget* window);

}  // namespace parlow
