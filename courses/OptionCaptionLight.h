#pragma once
// An option button whose own text is its caption lights that text while it
// has the focus, in the colour and weight of a lit caption label. The field
// behaviour lights the group's caption label beside it.
#include <QColor>
#include <QObject>

class QAbstractButton;

namespace courses {

class OptionCaptionLight : public QObject {
    Q_OBJECT
  public:
    OptionCaptionLight(QColor lit, bool bold, QObject* parent);
    void Watch(QAbstractButton* option);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QColor lit_;
    bool bold_;
};

}  // namespace courses
