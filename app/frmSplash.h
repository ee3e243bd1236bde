#pragma once
// The splash screen shown while the program starts: pictures, version and
// a progress bar that runs for about eight seconds. On Tuesdays it also
// clears the error log.
#include <QDate>
#include <QWidget>
#include <functional>

class QLabel;
class QProgressBar;

namespace parlow {

struct SplashClock {
    std::function<QDate()> today = [] { return QDate::currentDate(); };
    // Waits between two steps of the progress.
    std::function<void()> pause;
};

class frmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit frmSplash(SplashClock clock = {});

    // Runs the whole splash sequence; returns when the progress is done.
    void Load();

    QLabel* lblProductName;
    QLabel* lblVersion;
    QLabel* imgGolf;
    QLabel* imgLogo;
    QLabel* lblProgress;
    QProgressBar* prgLoad;

  private:
    void LayOut();
    void LoadPictures();
    void RunProgress();

    SplashClock clock_;
};

// Shows the splash screen while the main window prepares itself.
void RunSplash();

}  // namespace parlow
