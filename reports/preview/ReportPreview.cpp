#include "reports/preview/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "reports/engine/PagedOutput.h"
#include "reports/engine/Report.h"
#include "reports/preview/PdfFolder.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"

namespace parlow::reports {

namespace {

constexpr double kZoomSteps[] = {0.25, 0.5, 0.75, 1.0, 1.25, 1.5, 2.0, 3.0, 4.0};
constexpr int kPageGap = 16;  // grey around the page, in screen pixels

}  // namespace

ReportPreview::ReportPreview(std::unique_ptr<Report> report, QWidget* parent)
    : QWidget(parent), report_(std::move(report)) {
    setWindowTitle(report_->GetLayout().caption);
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setFocusPolicy(Qt::StrongFocus);
    pageView_ = new QLabel;
    pageView_->setObjectName("pageView");
    pageView_->setMargin(kPageGap);
    scroll_->setWidget(pageView_);
    scroll_->setWidgetResizable(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    BuildTools();
    layout->addWidget(scroll_);
    setFocusProxy(scroll_);
    UpdateTools();  // the page itself is drawn once the window's size is known
}

ReportPreview::~ReportPreview() = default;

int ReportPreview::PageCount() const {
    return report_->PageCount();
}

QAction* ReportPreview::AddAction(const QString& text, const QKeySequence& key,
                                  std::function<void()> run) {
    auto* action = new QAction(text, this);
    action->setShortcut(key);
    action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(action, &QAction::triggered, this, std::move(run));
    addAction(action);
    return action;
}

void ReportPreview::BuildTools() {
    auto* tools = new QToolBar(this);
    tools->setObjectName("previewTools");
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    first_ = AddAction("|<", Qt::CTRL | Qt::Key_Home, [this] { ShowPage(0); });
    previous_ = AddAction("<", Qt::Key_PageUp, [this] { ShowPage(page_ - 1); });
    next_ = AddAction(">", Qt::Key_PageDown, [this] { ShowPage(page_ + 1); });
    last_ = AddAction(">|", Qt::CTRL | Qt::Key_End, [this] { ShowPage(PageCount() - 1); });
    first_->setToolTip("First page");
    previous_->setToolTip("Previous page (Page Up)");
    next_->setToolTip("Next page (Page Down)");
    last_->setToolTip("Last page");
    pageNumber_ = new QLabel;
    pageNumber_->setObjectName("pageNumber");
    pageNumber_->setContentsMargins(8, 0, 8, 0);

    tools->addActions({first_, previous_});
    tools->addWidget(pageNumber_);
    tools->addActions({next_, last_});
    tools->addSeparator();
    tools->addAction(AddAction("Zoom &In", QKeySequence::ZoomIn, [this] { ZoomIn(); }));
    tools->addAction(AddAction("Zoom &Out", QKeySequence::ZoomOut, [this] { ZoomOut(); }));
    tools->addAction(AddAction("Fit &Width", Qt::CTRL | Qt::Key_W, [this] { FitWidth(); }));
    tools->addAction(AddAction("&Fit Page", Qt::CTRL | Qt::Key_F, [this] { FitPage(); }));
    tools->addSeparator();
    tools->addAction(AddAction("&Print...", QKeySequence::Print, [this] { Print(); }));
    tools->addAction(AddAction("Save as P&DF...", QKeySequence::Save, [this] { SaveAsPdf(); }));
    tools->addSeparator();
    tools->addAction(AddAction("&Close", Qt::Key_Escape, [this] { CloseScreen(this); }));
    layout()->addWidget(tools);
}

void ReportPreview::ShowPage(int page) {
    const int clamped = std::clamp(page, 0, PageCount() - 1);
    if (clamped == page_) {
        return;
    }
    page_ = clamped;
    Redraw();
    scroll_->verticalScrollBar()->setValue(0);
}

void ReportPreview::ZoomIn() {
    for (double step : kZoomSteps) {
        if (step > zoom_ + 1e-6) {
            SetZoom(step, Fit::None);
            return;
        }
    }
}

void ReportPreview::ZoomOut() {
    for (auto it = std::rbegin(kZoomSteps); it != std::rend(kZoomSteps); ++it) {
        if (*it < zoom_ - 1e-6) {
            SetZoom(*it, Fit::None);
            return;
        }
    }
}

void ReportPreview::FitWidth() {
    SetZoom(FittingZoom(Fit::Width), Fit::Width);
}

void ReportPreview::FitPage() {
    SetZoom(FittingZoom(Fit::Page), Fit::Page);
}

void ReportPreview::SetZoom(double zoom, Fit fit) {
    fit_ = fit;
    if (std::abs(zoom - zoom_) < 1e-6) {
        return;
    }
    zoom_ = zoom;
    Redraw();
}

double ReportPreview::DotsPerInch() const {
    return logicalDpiX();
}

double ReportPreview::FittingZoom(Fit fit) const {
    const QSize page = PageSize(report_->GetLayout());
    const QSize room = scroll_->viewport()->size() - QSize(2 * kPageGap, 2 * kPageGap);
    const double inch = DotsPerInch() / kTwipsPerInch;
    const double across = room.width() / (page.width() * inch);
    const double down = room.height() / (page.height() * inch);
    const double zoom = fit == Fit::Page ? std::min(across, down) : across;
    return std::clamp(zoom, kZoomSteps[0], *std::rbegin(kZoomSteps));
}

// Room for a whole page at its printed size, which the window arranging
// cuts down to what the main window has.
QSize ReportPreview::sizeHint() const {
    const QSize page = PageSize(report_->GetLayout());
    const double inch = DotsPerInch() / kTwipsPerInch;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int frame = 2 * scroll_->frameWidth();
    const int tools = findChild<QToolBar*>("previewTools")->sizeHint().height();
    return {qRound(page.width() * inch) + 2 * kPageGap + scrollBar + frame,
            qRound(page.height() * inch) + 2 * kPageGap + scrollBar + frame + tools};
}

void ReportPreview::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // A page wider than the window opens narrowed to fit, but never so
        // far that its print gets hard to read.
        zoom_ = std::clamp(FittingZoom(Fit::Width), 0.75, 1.0);
        Redraw();
    }
}

void ReportPreview::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fit_ != Fit::None) {
        const Fit fit = fit_;
        SetZoom(FittingZoom(fit), fit);
    }
}

void ReportPreview::Redraw() {
    const qreal ratio = devicePixelRatioF();
    const double dots = DotsPerInch() * zoom_ * ratio;
    const QSize page = PageSize(report_->GetLayout());
    QImage image(qRound(page.width() * dots / kTwipsPerInch),
                 qRound(page.height() * dots / kTwipsPerInch), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (PageCount() > 0) {
        QPainter painter(&image);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        UseTwips(painter, dots);
        report_->DrawPage(painter, page_);
        ++drawn_;
    }
    image.setDevicePixelRatio(ratio);
    pageView_->setPixmap(QPixmap::fromImage(image));
    pageView_->adjustSize();
    UpdateTools();
}

void ReportPreview::UpdateTools() {
    pageNumber_->setText(QString("Page %1 of %2").arg(page_ + 1).arg(PageCount()));
    first_->setEnabled(page_ > 0);
    previous_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < PageCount());
    last_->setEnabled(page_ + 1 < PageCount());
}

void ReportPreview::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setFullPage(true);
    ApplyPageSettings(report_->GetLayout(), printer);
    printer.setDocName(report_->GetLayout().title);
    QPrintDialog dialog(&printer, this);
    dialog.setMinMax(1, PageCount());
    dialog.setWindowTitle("Print " + report_->GetLayout().title);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    int first = 0;
    int last = PageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::max(printer.fromPage(), 1) - 1;
        last = std::min(printer.toPage(), PageCount()) - 1;
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        first = last = page_;
    }
    bool printed = false;
    {
        BusyCursor busy;
        printed = PaintPages(*report_, printer, first, last);
    }
    if (!printed) {
        ShowMessage("The report could not be printed.", zeviza::Icon::Critical);
    }
}

void ReportPreview::SaveAsPdf() {
    QString file = QFileDialog::getSaveFileName(
        this, "Save as PDF", QDir(PdfStartingFolder()).filePath(report_->SuggestedFileName()),
        "PDF files (*.pdf)");
    if (file.isEmpty()) {
        return;
    }
    RememberPdfFolder(file);
    if (!file.endsWith(".pdf", Qt::CaseInsensitive)) {
        file += ".pdf";
    }
    SaveAsPdfTo(file);
}

bool ReportPreview::SaveAsPdfTo(const QString& file) {
    QString error;
    bool saved = false;
    {
        BusyCursor busy;
        saved = WritePdf(*report_, file, &error);
    }
    if (!saved) {
        ShowMessage(("The report was NOT saved.\r\n" + error).toStdString(),
                    zeviza::Icon::Critical);
    }
    return saved;
}

}  // namespace parlow::reports
