#pragma once
// The golfer entry screen: records a new golfer through AddGolfer.
#include <QWidget>

namespace parlow::golfers {

class GolferForm;

class frmAddGolfer : public QWidget {
    Q_OBJECT
  public:
    explicit frmAddGolfer(QWidget* parent = nullptr);

    GolferForm* form = nullptr;

  private:
    void Save();
    void Clear();
};

}  // namespace parlow::golfers
