#include "app/frmSplash.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

#include "app/frmAbout.h"
#include "ui/BusyCursor.h"
#include "ui/ProgramState.h"
#include "ui/modGlobal.h"

namespace parlow {

namespace {

constexpr int kProgressEnd = 16;
constexpr int kProgressStep = 2;

// A picture that cannot be read leaves its place empty.
void ShowPicture(QLabel* place, const std::filesystem::path& file) {
    QPixmap picture;
    if (picture.load(QString::fromStdString(file.string()))) {
        place->setPixmap(picture);
    }
}

template <class Step>
void Try(Step&& step) {
    try {
        step();
    } catch (...) {
    }
}

QFont ProductNameFont() {
    QFont font("Comic Sans MS");
    font.setPointSize(26);
    font.setBold(true);
    return font;
}

}  // namespace

frmSplash::frmSplash(SplashClock clock)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      lblProductName(new QLabel("The Parlow's Log", this)),
      lblVersion(new QLabel(this)),
      imgGolf(new QLabel(this)),
      imgLogo(new QLabel(this)),
      lblProgress(new QLabel(this)),
      prgLoad(new QProgressBar(this)),
      clock_(std::move(clock)) {
    setObjectName("frmSplash");
    if (!clock_.pause) {
        clock_.pause = [] { Pause(0); };
    }
    lblProductName->setFont(ProductNameFont());
    lblProgress->hide();
    prgLoad->hide();
    LayOut();
}

void frmSplash::LayOut() {
    setAutoFillBackground(true);
    QPalette look = palette();
    look.setColor(QPalette::Window, Qt::white);
    setPalette(look);

    // A green edge; the selector keeps the colour off the labels inside.
    auto* frame = new QFrame(this);
    frame->setObjectName("fraSplash");
    frame->setStyleSheet("QFrame#fraSplash { border: 3px solid rgb(34, 139, 34); }");

    imgGolf->setMinimumSize(240, 180);
    imgGolf->setAlignment(Qt::AlignCenter);
    imgLogo->setMinimumSize(120, 60);
    imgLogo->setAlignment(Qt::AlignCenter);
    lblVersion->setAlignment(Qt::AlignCenter);
    lblProductName->setAlignment(Qt::AlignCenter);
    prgLoad->setTextVisible(false);

    auto* inside = new QGridLayout(frame);
    inside->setContentsMargins(18, 18, 18, 18);
    inside->setSpacing(10);
    inside->addWidget(imgGolf, 0, 0, 3, 1);
    inside->addWidget(lblProductName, 0, 1);
    inside->addWidget(lblVersion, 1, 1);
    inside->addWidget(imgLogo, 2, 1);
    inside->addWidget(lblProgress, 3, 0, 1, 2);
    inside->addWidget(prgLoad, 4, 0, 1, 2);
    inside->setColumnStretch(1, 1);

    auto* whole = new QVBoxLayout(this);
    whole->setContentsMargins(0, 0, 0, 0);
    whole->addWidget(frame);
    resize(600, 340);
}

void frmSplash::Load() {
    BusyCursor busy;
    Try([this] { lblVersion->setText(VersionText()); });
    Try([this] { LoadPictures(); });
    Try([this] {
        if (clock_.today().dayOfWeek() == Qt::Tuesday) {
            DeleteErrorLog();
        }
    });
    Try([this] {
        lblProgress->setText("Initializing...");
        lblProgress->show();
        prgLoad->show();
    });
    Try([this] {
        if (const QScreen* screen = QApplication::primaryScreen()) {
            move(screen->availableGeometry().center() - rect().center());
        }
        show();
        raise();
    });
    Try([this] { RunProgress(); });
}

void frmSplash::LoadPictures() {
    const auto images = ProgramFolder() / "images";
    ShowPicture(imgGolf, images / "kw6182.gif");
    ShowPicture(imgLogo, images / "kw-logo01.gif");
}

void frmSplash::RunProgress() {
    prgLoad->setRange(0, kProgressEnd);
    for (int value = 0; value <= kProgressEnd; value += kProgressStep) {
        if (value > 0) {
            clock_.pause();
        }
        prgLoad->setValue(value);
    }
}

void RunSplash() {
    frmSplash splash;
    splash.Load();
}

}  // namespace parlow
