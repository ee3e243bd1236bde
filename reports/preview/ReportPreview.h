#pragma once
// The preview of one report: its pages at a readable size, page by page,
// with zoom, Print... and Save as PDF.... Only the page on show is drawn, so
// a long report opens at once; printing and saving draw with the same code.
#include <QWidget>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QScrollArea;

namespace parlow::reports {

class Report;

class ReportPreview : public QWidget {
    Q_OBJECT
  public:
    explicit ReportPreview(std::unique_ptr<Report> report, QWidget* parent = nullptr);
    ~ReportPreview() override;

    const Report& GetReport() const { return *report_; }
    int CurrentPage() const { return page_; }  // zero-based
    int PageCount() const;
    // 1.0 shows the page at its printed size.
    double Zoom() const { return zoom_; }
    // How many page images have been drawn since the preview opened.
    int DrawnPages() const { return drawn_; }

    void ShowPage(int page);
    void ZoomIn();
    void ZoomOut();
    void FitWidth();
    void FitPage();

    // Asks the system's print dialog, then prints the chosen pages.
    void Print();
    // Asks for a file name, offering one made from the report and its record.
    void SaveAsPdf();
    // Writes the PDF; a failure is shown in a message box. False then.
    bool SaveAsPdfTo(const QString& file);

    QSize sizeHint() const override;

  protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    enum class Fit { None, Width, Page };

    void BuildTools();
    QAction* AddAction(const QString& text, const QKeySequence& key, std::function<void()> run);
    void SetZoom(double zoom, Fit fit);
    double FittingZoom(Fit fit) const;
    double DotsPerInch() const;
    void Redraw();
    void UpdateTools();

    std::unique_ptr<Report> report_;
    QScrollArea* scroll_ = nullptr;
    QLabel* pageView_ = nullptr;
    QLabel* pageNumber_ = nullptr;
    QAction* first_ = nullptr;
    QAction* previous_ = nullptr;
    QAction* next_ = nullptr;
    QAction* last_ = nullptr;
    int page_ = 0;
    double zoom_ = 1.0;
    Fit fit_ = Fit::None;
    int drawn_ = 0;
    bool shown_ = false;
};

}  // namespace parlow::reports
