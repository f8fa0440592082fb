// SPDX-License-Identifier: MIT
// The notebook's window: the table, its buttons, and the plot painted as the bench is.
#include "view/notebook_window.h"

#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <deque>
#include <string>

#include "lesson/captions.h"
#include "view/bench_painter.h"
#include "view/growing_picture.h"
#include "view/language.h"
#include "view/notebook_table.h"
#include "view/snapshot.h"
#include "view/worksheet.h"

namespace korru::view {

namespace {

constexpr const char* kHint = QT_TRANSLATE_NOOP(
    "korru", "R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。");
constexpr const char* kTable = QT_TRANSLATE_NOOP("korru", "測定の表");

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

}  // namespace

// The plot at the widget's size, painted from the session's drawing by the bench's painter, on a
// picture that only grows by a mark where a row was added.
class PlotWidget : public QWidget {
  public:
    PlotWidget(const Session& session, QWidget* parent) : QWidget(parent), session_(session) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(320, 240);
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

NotebookWindow::NotebookWindow(const Session& session, QWidget* parent)
    : QWidget(parent, Qt::Window), session_(session) {
    setObjectName(QStringLiteral("notebook"));
    const auto button = [this](std::string_view text, const char* name, auto&& slot) {
        auto* b = new QPushButton(translated(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    auto* hint = new QLabel(translated(kHint), this);
    hint->setWordWrap(true);
    rows_ = new NotebookTable(session_.notebook(), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setAccessibleName(translated(kTable));
    table_->setModel(rows_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->setWordWrap(false);
    QHeaderView* numbers = table_->verticalHeader();
    numbers->setSectionResizeMode(QHeaderView::Fixed);
    numbers->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    unkept_ = new QLabel(this);
    unkept_->setObjectName(QStringLiteral("unkept"));
    unkept_->setWordWrap(true);
    unkept_->hide();

    auto* rows = new QHBoxLayout;
    rows->addWidget(button(kCaptions.export_csv, "csv", [this] { export_csv(); }));
    rows->addWidget(button(kCaptions.copy_table, "copy", [this] { copy_table(); }));
    rows->addStretch();
    rows->addWidget(button(kCaptions.clear, "clear", [this] { clear_rows(); }));

    plot_ = new PlotWidget(session_, this);
    plot_->setObjectName(QStringLiteral("plot"));
    plot_->setAccessibleName(translated(kCaptions.plot));
    distances_ = new QRadioButton(translated(kCaptions.distances), this);
    distances_->setObjectName(QStringLiteral("distances"));
    distances_->setChecked(true);
    reciprocals_ = new QRadioButton(translated(kCaptions.reciprocals), this);
    reciprocals_->setObjectName(QStringLiteral("reciprocals"));
    connect(reciprocals_, &QRadioButton::toggled, this,
            [this](bool on) { set_plot_view(on ? PlotView::reciprocals : PlotView::distances); });
    auto* plot_row = new QHBoxLayout;
    plot_row->addWidget(new QLabel(translated(kCaptions.plot) + QLatin1Char(':'), this));
    plot_row->addWidget(distances_);
    plot_row->addWidget(reciprocals_);
    plot_row->addStretch();
    plot_row->addWidget(button(kCaptions.save_plot, "save_plot", [this] { save_plot(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_, 2);
    layout->addWidget(unkept_);
    layout->addLayout(rows);
    layout->addLayout(plot_row);
    layout->addWidget(plot_, 3);
    set_plot_view(PlotView::distances);
    show_rows();
    // Wide enough for every column's heading where the screen has room, the plot below.
    int columns = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth() +
                  table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < rows_->columnCount(); ++c) columns += table_->columnWidth(c);
    const QMargins margins = layout->contentsMargins();
    int width = std::max(columns + margins.left() + margins.right(), 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    }
    resize(width, 680);
}

void NotebookWindow::show_rows() {
    const Notebook& notebook = session_.notebook();
    fit_columns(rows_->follow());
    setWindowTitle(translated(kCaptions.notebook) + QStringLiteral(" — ") +
                   translated(kCaptions.rows).arg(notebook.rows().size()));
    const QString unkept = words(session_.unkept_text());
    unkept_->setText(unkept);
    unkept_->setVisible(!unkept.isEmpty());
    table_->clearSelection();
    if (!notebook.rows().empty()) {
        table_->scrollToBottom();
        table_->setAccessibleDescription(words(row_words(notebook.rows().back(), translated_utf8)));
    } else {
        table_->setAccessibleDescription(QString());
    }
    plot_->update();
}

// Every column as wide as its widest cell: all of them measured where the table was made (the
// toolkit measures a thousand rows at most), only the new rows' where rows were added.
void NotebookWindow::fit_columns(int from) {
    if (from <= 0) {
        table_->resizeColumnsToContents();
        return;
    }
    const int grid = table_->showGrid() ? 1 : 0;  // as the table counts a column's width
    for (int row = from; row < rows_->rowCount(); ++row) {
        for (int c = 0; c < rows_->columnCount(); ++c) {
            const int width = table_->sizeHintForIndex(rows_->index(row, c)).width() + grid;
            if (width > table_->columnWidth(c)) table_->setColumnWidth(c, width);
        }
    }
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
    QImage image(kPlotPictureWidth, kPlotPictureHeight, QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    QPainter p(&image);
    paint_drawing(p, drawing);
    return image;
}

QByteArray NotebookWindow::plot_svg() const {
    return QByteArray::fromStdString(session_.plot_svg(plot_->view, svg_look()));
}

void NotebookWindow::export_csv() {
    const QString file = QFileDialog::getSaveFileName(
        this, title_of(kCaptions.export_csv),
        last_csv_.isEmpty() ? QStringLiteral("notebook.csv") : last_csv_,
        translated(kCaptions.csv_files));
    if (file.isEmpty()) return;
    const QString name = with_suffix(file, QStringLiteral(".csv"));
    QString error;
    if (!write_csv(name, error)) {
        QMessageBox::warning(this, windowTitle(), error);
        return;
    }
    last_csv_ = name;
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
