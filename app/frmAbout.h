#pragma once
// The About screen: version, the program's information text, and the ways to
// the system information tool and the product's page.
#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace parlow {

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblVersion;
    QTextEdit* txtAbout;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;
    QPushButton* cmdUpdates;

  private:
    void Load();
    void LayOut();
    void StartSystemInfo();
};

// "Version 3.1": the version label of the splash and About screens.
QString VersionText();

}  // namespace parlow
