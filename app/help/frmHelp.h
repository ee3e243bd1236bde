#pragma once
// The help text screen: the program's short help in a rich-text box, with
// an exit button.
#include <QWidget>

class QPushButton;
class QTextEdit;

namespace parlow {

class frmHelp : public QWidget {
    Q_OBJECT
  public:
    explicit frmHelp(QWidget* parent = nullptr);

    QTextEdit* rtbHelp;
    QPushButton* cmdExit;

  private:
    void Form_Load();
    void cmdExit_Click();
};

}  // namespace parlow
