#pragma once
// A date field with a calendar that takes a date typed whole: the keys go
// in as plain text ("12/10/2030", "1/5/2030", "1/5/30"), in the order the
// field shows its dates, and the date is taken when the field is left (Tab,
// Enter, a click elsewhere) if the text is a whole date within range. The section-by-section
// editing of a plain QDateEdit jumps sections at a separator and pads a half-typed year ("0002"),
// so a date typed at speed could land on another day.
#include <QDateEdit>

namespace parlow {

class TypedDateEdit : public QDateEdit {
    Q_OBJECT
  public:
    explicit TypedDateEdit(QWidget* parent = nullptr);

    // The date the text stands for in the field's order, or an invalid date.
    QDate ReadTyped(const QString& text) const;

  signals:
    // A day of the calendar popup was clicked. The calendar is made when it
    // first opens, not with the field: it costs more than the field itself.
    void CalendarDayClicked();

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;

  private:
    void ShowTyped();
    void StopTyping();

    QString typed_;
    QDate taken_;  // the date the field holds once the typing ends
    bool typing_ = false;
    bool calendarHooked_ = false;
};

}  // namespace parlow
