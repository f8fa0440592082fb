// SPDX-License-Identifier: MIT
// The lesson's band or window: the bar and the notices, the notebook's table, its buttons and
// the plot painted as the bench is.
#include "view/notebook_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>
#include <deque>
#include <initializer_list>
#include <numeric>
#include <string>

#include "lesson/lesson_bar.h"
#include "view/bench_painter.h"
#include "view/fonts.h"
#include "view/growing_picture.h"
#include "view/language.h"
#include "view/lesson_bar_view.h"
#include "view/notebook_table.h"
#include "view/notice.h"
#include "view/rows_layout.h"
#include "view/snapshot.h"
#include "view/worksheet.h"

namespace korru::view {

namespace {

constexpr const char* kHint = QT_TRANSLATE_NOOP(
    "korru", "R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。");
constexpr const char* kTable = QT_TRANSLATE_NOOP("korru", "測定の表");

// The least height of a button or an option, for a finger.
constexpr int kLeastSide = 28;
// The least number of rows the table shows, wherever the notebook opens.
constexpr int kLeastRows = 5;
// The least width at which the plot stands beside the table, not under it.
constexpr int kSideBySide = 640;
// The window's width, enough for every column of the table, and its height with the notebook.
constexpr int kWidth = 460, kNotebookHeight = 700;

QString words(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A caption of a menu item as a dialog's title: without its "…".
QString title_of(std::string_view caption) {
    return translated(caption).remove(QChar(0x2026));
}

// The name the user chose, with the suffix of the chosen kind where it has none.
QString with_suffix(const QString& file, const QString& suffix) {
    return QFileInfo(file).suffix().isEmpty() ? file + suffix : file;
}

// Controls side by side in `parent`, on as many rows as the notebook's width needs.
QWidget* buttons_row(QWidget* parent, std::initializer_list<QWidget*> buttons) {
    auto* row = new QWidget(parent);
    auto* layout = new RowsLayout(row);
    for (QWidget* b : buttons) {
        b->setParent(row);
        layout->addWidget(b);
    }
    return row;
}

}  // namespace

// The plot at the widget's size, painted from the session's drawing by the bench's painter, on a
// picture that only grows by a mark where a row was added.
class PlotWidget : public QWidget {
  public:
    PlotWidget(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(240, 120);
    }

    PlotView view = PlotView::distances;

  protected:
    void paintEvent(QPaintEvent*) override {
        Drawing drawing;
        std::deque<std::string> words;
        session_.draw_plot(view, width(), height(), drawing, words);
        QPainter p(this);
        p.drawImage(QPoint(0, 0), picture_.paint(std::move(drawing), std::move(words), size(),
                                                 devicePixelRatioF()));
    }

  private:
    const Session& session_;
    GrowingPicture picture_;
};

NotebookWindow::NotebookWindow(const Session& session, QWidget* parent, bool own_window)
    : QWidget(parent, own_window ? Qt::Window : Qt::Widget), session_(session) {
    setObjectName(QStringLiteral("notebook"));
    setFont(window_font());
    notebook_part_ = make_notebook_part();

    band_ = new QWidget(this);
    band_->setObjectName(QStringLiteral("band"));
    bar_ = new LessonBarView(band_);
    connect(bar_, &LessonBarView::acted, this, &NotebookWindow::acted);
    unkept_ = new QLabel(band_);
    unkept_->setObjectName(QStringLiteral("unkept"));
    unkept_->setWordWrap(true);
    unkept_->hide();
    notice_ = new Notice(band_);
    auto* line = new QFrame(band_);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    auto* band = new QVBoxLayout(band_);
    band->setContentsMargins(0, 0, 0, 0);
    band->addWidget(line);
    band->addWidget(bar_);
    band->addWidget(unkept_);
    band->addWidget(notice_);

    auto* layout = new QVBoxLayout(this);
    // The window's sizes are set here, not by its layout, once it is shown: the bar's height
    // follows its words.
    layout->setSizeConstraint(QLayout::SetNoConstraint);
    if (own_window) {
        layout->addWidget(notebook_part_, 1);
        layout->addWidget(band_);
        // In the band of korru's window, korru's window hears the key.
        auto* away = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(away, &QShortcut::activated, this, &NotebookWindow::put_away);
    } else {
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(band_);
        layout->addWidget(notebook_part_, 1);
        // Nothing but the bar and the notices while the notebook is away.
        layout->addStretch(0);
    }
    set_plot_view(PlotView::distances);
    show_rows();
    show_mode();
    notebook_size_ = QSize(kWidth, kNotebookHeight);
    resize(notebook_size_);
}

QWidget* NotebookWindow::make_notebook_part() {
    auto* part = new QWidget(this);
    part->setObjectName(QStringLiteral("notebook_part"));
    const auto button = [this, part](const QString& text, const char* name, auto&& slot) {
        auto* b = new QPushButton(text, part);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        b->setMinimumHeight(kLeastSide);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    title_ = new QLabel(part);
    title_->setObjectName(QStringLiteral("notebook_title"));
    QFont heading = title_->font();
    heading.setBold(true);
    title_->setFont(heading);
    auto* head = new QHBoxLayout;
    head->addWidget(title_, 1);
    head->addWidget(button(translated(kCaptions.close), "close", [this] { Q_EMIT put_away(); }));

    rows_ = new NotebookTable(session_.notebook(), this);
    table_ = new QTableView(part);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setAccessibleName(translated(kTable));
    // How a row comes, for the keyboard: the bar's button says it for the mouse and a finger.
    table_->setToolTip(translated(kHint));
    table_->setModel(rows_);
    draw_two_lines(table_, *rows_);
    // Columns as narrow as their words: the toolkit's least is its font's widest glyph, a wide
    // one in a font with Chinese or Vietnamese in it.
    table_->horizontalHeader()->setMinimumSectionSize(
        table_->fontMetrics().horizontalAdvance(QStringLiteral("00")));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    size_rows(true);
    // Tab leaves the table for the next control; the arrows move in it.
    table_->setTabKeyNavigation(false);
    table_->installEventFilter(this);

    remove_ = button(translated(kCaptions.remove_row), "remove", [this] { remove_row(); });
    QWidget* rows = buttons_row(
        part, {button(translated(kCaptions.export_csv), "csv", [this] { export_csv(); }),
               button(translated(kCaptions.copy_table), "copy", [this] { copy_table(); }), remove_,
               button(translated(kCaptions.clear), "clear", [this] { clear_rows(); })});

    plot_ = new PlotWidget(session_, part);
    plot_->setObjectName(QStringLiteral("plot"));
    plot_->setAccessibleName(translated(kCaptions.plot));
    distances_ = new QRadioButton(translated(kCaptions.distances), part);
    distances_->setObjectName(QStringLiteral("distances"));
    distances_->setChecked(true);
    distances_->setMinimumHeight(kLeastSide);
    reciprocals_ = new QRadioButton(translated(kCaptions.reciprocals), part);
    reciprocals_->setObjectName(QStringLiteral("reciprocals"));
    reciprocals_->setMinimumHeight(kLeastSide);
    connect(reciprocals_, &QRadioButton::toggled, this,
            [this](bool on) { set_plot_view(on ? PlotView::reciprocals : PlotView::distances); });
    auto* plot_label = new QLabel(translated(kCaptions.plot) + QLatin1Char(':'), part);
    plot_label->setMinimumHeight(kLeastSide);
    QWidget* plot_row = buttons_row(
        part, {plot_label, distances_, reciprocals_,
               button(translated(kCaptions.save_plot), "save_plot", [this] { save_plot(); })});

    // The table with its buttons, and the plot with its own: one above the other, or side by
    // side where the notebook is wide (a band below the bench's window).
    auto* table_part = new QVBoxLayout;
    table_part->addLayout(head);
    table_part->addWidget(table_, 1);
    table_part->addWidget(rows);
    auto* plot_part = new QVBoxLayout;
    plot_part->addWidget(plot_row);
    plot_part->addWidget(plot_, 1);
    parts_ = new QBoxLayout(QBoxLayout::TopToBottom, part);
    parts_->setContentsMargins(0, 0, 0, 0);
    parts_->addLayout(table_part, 1);
    parts_->addLayout(plot_part, 2);
    return part;
}

void NotebookWindow::resizeEvent(QResizeEvent* e) {
    const bool side_by_side = e->size().width() >= kSideBySide;
    parts_->setDirection(side_by_side ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
    parts_->setStretch(1, side_by_side ? 1 : 2);
    QWidget::resizeEvent(e);
}

// The Delete key in the table takes out the chosen row, after asking, as the button does.
bool NotebookWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched != table_) return QWidget::eventFilter(watched, e);
    if (e->type() == QEvent::Resize) fit_table();
    if (e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Delete)) {
        remove_row();
        return true;
    }
    return QWidget::eventFilter(watched, e);
}

void NotebookWindow::show_rows() {
    const Notebook& notebook = session_.notebook();
    fit_columns(rows_->follow());
    const std::size_t count = notebook.rows().size();
    setWindowTitle(translated(kCaptions.notebook) + QStringLiteral(" — ") +
                   counted(kCaptions.rows, count));
    title_->setText(windowTitle());
    const QString unkept = words(session_.unkept_text());
    unkept_->setText(unkept);
    unkept_->setVisible(!unkept.isEmpty());
    remove_->setEnabled(count > 0);
    table_->clearSelection();
    if (!notebook.rows().empty()) {
        table_->scrollToBottom();
        table_->setAccessibleDescription(words(row_words(notebook.rows().back(), translated_utf8)));
    } else {
        table_->setAccessibleDescription(QString());
    }
    plot_->update();
    if (!notebook_shown()) fit_bar();
}

void NotebookWindow::show_mode() {
    bar_->show_bar(lesson_bar(session_, translated_utf8), notebook_shown());
    if (!notebook_shown()) fit_bar();
}

// Without the notebook, the window as tall as its bar and notices need at its width, its bottom
// where it was: a bar of more buttons grows upwards, away from the screen's edge.
void NotebookWindow::fit_bar() {
    if (!isWindow()) return;  // the band's size is korru's window's
    notice_->updateGeometry();
    band_->updateGeometry();
    layout()->activate();
    const int height = layout()->totalHeightForWidth(width());
    if (height <= 0 || height == this->height()) return;
    QRect g = geometry();
    if (isVisible()) {
        g.setTop(g.bottom() + 1 - height);
    } else {
        g.setHeight(height);
    }
    setGeometry(g);
}

void NotebookWindow::tell(const QString& text, bool lasting) {
    notice_->tell(text, lasting);
    if (!notebook_shown()) fit_bar();
}

void NotebookWindow::show_notebook(bool shown) {
    if (shown == notebook_shown()) return;
    if (!shown && isVisible()) notebook_size_ = size();
    notebook_part_->setVisible(shown);
    show_mode();
    if (shown && isWindow()) resize(notebook_size_);
}

void NotebookWindow::set_width(int width) {
    notebook_size_.setWidth(width);
    resize(width, height());
    if (!notebook_shown()) fit_bar();
}

bool NotebookWindow::notebook_shown() const {
    return !notebook_part_->isHidden();
}

void NotebookWindow::take_focus() {
    table_->setFocus(Qt::OtherFocusReason);
}

int NotebookWindow::band_height() const {
    const int width =
        this->width() - layout()->contentsMargins().left() - layout()->contentsMargins().right();
    return band_->layout()->totalHeightForWidth(width) + layout()->contentsMargins().bottom();
}

// Every column as wide as its widest cell on one line, with the grid's line: all of them measured
// where the table was made (the toolkit measures a thousand rows at most), only the new rows'
// where rows were added.
void NotebookWindow::fit_columns(int from) {
    const int columns = rows_->columnCount();
    const int grid = 1;  // as the table counts a column's width where it draws the grid
    if (from <= 0) {
        const QHeaderView* head = table_->horizontalHeader();
        const QAbstractItemView* view = table_;
        const int counted = table_->showGrid() ? grid : 0;
        widths_.assign(static_cast<std::size_t>(columns), 0);
        for (int c = 0; c < columns; ++c) {
            widths_[static_cast<std::size_t>(c)] =
                std::max(view->sizeHintForColumn(c) - counted + grid, head->sectionSizeHint(c));
        }
    } else {
        for (int row = from; row < rows_->rowCount(); ++row) {
            for (int c = 0; c < columns; ++c) {
                int& width = widths_[static_cast<std::size_t>(c)];
                width =
                    std::max(width, table_->sizeHintForIndex(rows_->index(row, c)).width() + grid);
            }
        }
    }
    fit_table();
}

// The rows on one line where every column fits the table's width, else on two: the image's side
// and its way up on the second, each under the columns it belongs with, as wide as they need.
void NotebookWindow::fit_table() {
    const int room =
        table_->maximumViewportSize().width() - table_->verticalScrollBar()->sizeHint().width();
    const bool two = on_two_lines(std::accumulate(widths_.begin(), widths_.end(), 0), room);
    std::vector<int> widths = widths_;
    if (two) {
        for (const SecondLine& line : kSecondLine) {
            const auto first = widths.begin() + static_cast<std::ptrdiff_t>(line.first);
            const auto last = widths.begin() + static_cast<std::ptrdiff_t>(line.last);
            const int over = widths[line.column] - std::accumulate(first, last + 1, 0);
            if (over > 0) *last += over;
            widths[line.column] = 0;
        }
    }
    const bool scrolls = std::accumulate(widths.begin(), widths.end(), 0) > room;
    if (two != rows_->two_lines()) {
        rows_->set_two_lines(two);
        table_->setShowGrid(!two);  // the rows draw their own
        for (const SecondLine& line : kSecondLine) {
            table_->setColumnHidden(static_cast<int>(line.column), two);
        }
    }
    size_rows(scrolls);
    for (int c = 0; c < static_cast<int>(widths.size()); ++c) {
        if (!table_->isColumnHidden(c)) {
            table_->setColumnWidth(c, widths[static_cast<std::size_t>(c)]);
        }
    }
}

// Rows as high as their lines, and the table high enough for its headings, the least rows and,
// where the columns are wider than the table, its scroll bar.
void NotebookWindow::size_rows(bool scrolls) {
    const int lines = rows_->two_lines() ? 2 : 1;
    QHeaderView* numbers = table_->verticalHeader();
    numbers->setDefaultSectionSize(lines * table_->fontMetrics().height() + 6);
    table_->setMinimumHeight(table_->horizontalHeader()->sizeHint().height() +
                             kLeastRows * numbers->defaultSectionSize() +
                             (scrolls ? table_->horizontalScrollBar()->sizeHint().height() : 0) +
                             2 * table_->frameWidth());
}

PlotView NotebookWindow::plot_view() const {
    return plot_->view;
}

void NotebookWindow::set_plot_view(PlotView view) {
    plot_->view = view;
    (view == PlotView::distances ? distances_ : reciprocals_)->setChecked(true);
    plot_->setAccessibleDescription(
        (view == PlotView::distances ? distances_ : reciprocals_)->text());
    plot_->update();
}

bool NotebookWindow::write_csv(const QString& file, QString& error) const {
    return save_bytes(QByteArray::fromStdString(session_.notebook_csv()), file, error);
}

QImage NotebookWindow::plot_picture() const {
    Drawing drawing;
    std::deque<std::string> words;
    session_.draw_plot(plot_->view, kPlotPictureWidth, kPlotPictureHeight, drawing, words);
    QImage image(kPlotPictureWidth * kPrintRatio, kPlotPictureHeight * kPrintRatio,
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(kPrintRatio);
    // Placed in a document at the size of the drawing: 96 pixels of it to an inch.
    const int per_metre = static_cast<int>(96 * kPrintRatio / 0.0254 + 0.5);
    image.setDotsPerMeterX(per_metre);
    image.setDotsPerMeterY(per_metre);
    QPainter p(&image);
    paint_drawing(p, drawing);
    return image;
}

QByteArray NotebookWindow::plot_svg() const {
    return QByteArray::fromStdString(session_.plot_svg(plot_->view, svg_look()));
}

bool NotebookWindow::export_csv() {
    const QString file = QFileDialog::getSaveFileName(
        this, title_of(kCaptions.export_csv),
        last_csv_.isEmpty() ? QStringLiteral("notebook.csv") : last_csv_,
        translated(kCaptions.csv_files));
    if (file.isEmpty()) return false;
    const QString name = with_suffix(file, QStringLiteral(".csv"));
    QString error;
    if (!write_csv(name, error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return false;
    }
    last_csv_ = name;
    return true;
}

void NotebookWindow::copy_table() {
    QGuiApplication::clipboard()->setText(
        words(session_.notebook().tab_separated(translated_utf8)));
}

void NotebookWindow::clear_rows() {
    if (session_.notebook().rows().empty()) return;
    const auto answer = QMessageBox::question(this, windowTitle(), words(session_.clear_question()),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) Q_EMIT clear_asked();
}

// The row chosen in the table, or the newest, after asking; the rows may change while the
// question waits (a second window writes), so the row is known by its id.
void NotebookWindow::remove_row() {
    const QModelIndexList chosen = table_->selectionModel()->selectedRows();
    const auto& ids = session_.notebook().ids();
    std::optional<RowId> was_chosen;
    if (!chosen.isEmpty() && chosen.first().row() < static_cast<int>(ids.size())) {
        was_chosen = ids[static_cast<std::size_t>(chosen.first().row())];
    }
    const auto id = korru::row_to_remove(ids, was_chosen);
    if (!id) return;
    const auto answer = QMessageBox::question(this, windowTitle(),
                                              QString::fromStdString(session_.remove_question(*id)),
                                              QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer == QMessageBox::Yes) Q_EMIT remove_asked(*id);
}

void NotebookWindow::save_plot() {
    const QString png = translated(kCaptions.png_files), svg = translated(kCaptions.svg_files);
    QString filter = png;
    const QString file =
        QFileDialog::getSaveFileName(this, title_of(kCaptions.save_plot),
                                     last_plot_.isEmpty() ? QStringLiteral("plot.png") : last_plot_,
                                     png + QStringLiteral(";;") + svg, &filter);
    if (file.isEmpty()) return;
    const QString name =
        with_suffix(file, filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png"));
    QString error;
    if (!save_picture(plot_picture(), plot_svg(), name, error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    last_plot_ = name;
}

}  // namespace korru::view
