#pragma once
// A stored value shown as a framed label, as the removal and review screens
// show the chosen record. A value too long for the room it has ends in "…"
// and shows whole as the label's tooltip; text() is always the whole value.
// The label asks for room for `widthChars` characters whatever its value,
// so a long name never widens or crushes the screen around it. The value is
// plain text: a name with "<b>" in it shows as typed.
//
//   lblFullName = new parlow::ValueLabel(this);        // 22 characters wide
//   lblFullName->setText(row->text(kNameColumn));
#include <QLabel>

namespace parlow {

class ValueLabel : public QLabel {
    Q_OBJECT
  public:
    explicit ValueLabel(QWidget* parent = nullptr, int widthChars = 22);

    // The text as drawn: the value, or its start and "…" when cut short.
    QString ShownText() const;
    bool IsElided() const { return ShownText() != text(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    QRect TextRect() const;

    int widthChars_;
};

}  // namespace parlow
