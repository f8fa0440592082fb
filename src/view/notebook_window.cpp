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
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <deque>
#include <string>

#include "view/bench_painter.h"
#include "view/language.h"
#include "view/snapshot.h"
#include "view/worksheet.h"

namespace korru::view {

namespace {

constexpr const char* kTitle = QT_TRANSLATE_NOOP("korru", "測定ノート");
constexpr const char* kHint = QT_TRANSLATE_NOOP(
    "korru", "R キーか光学台のメニューの「測定ノートに記録」で、いまの場面を1行記録します。");
constexpr const char* kTable = QT_TRANSLATE_NOOP("korru", "測定の表");
constexpr const char* kExport = QT_TRANSLATE_NOOP("korru", "CSV に書き出す…");
constexpr const char* kCopy = QT_TRANSLATE_NOOP("korru", "表をコピー");
constexpr const char* kClear = QT_TRANSLATE_NOOP("korru", "すべて消す…");
constexpr const char* kClearAsk =
    QT_TRANSLATE_NOOP("korru", "測定ノートの行をすべて消しますか? (%1 行)");
constexpr const char* kPlot = QT_TRANSLATE_NOOP("korru", "グラフ");
constexpr const char* kDistances = QT_TRANSLATE_NOOP("korru", "距離 a, b");
constexpr const char* kReciprocals = QT_TRANSLATE_NOOP("korru", "逆数 1/a, 1/b");
constexpr const char* kSavePlot = QT_TRANSLATE_NOOP("korru", "グラフを保存…");
constexpr const char* kCsvFiles = QT_TRANSLATE_NOOP("korru", "CSV ファイル (*.csv)");
constexpr const char* kPngFiles = QT_TRANSLATE_NOOP("korru", "PNG 画像 (*.png)");
constexpr const char* kSvgFiles = QT_TRANSLATE_NOOP("korru", "SVG 図 (*.svg)");
constexpr const char* kNotWritten = QT_TRANSLATE_NOOP("korru", "書き出せませんでした: %1");

QString words(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// The name the user chose, with the suffix of the chosen kind where it has none.
QString with_suffix(const QString& file, const QString& suffix) {
    return QFileInfo(file).suffix().isEmpty() ? file + suffix : file;
}

}  // namespace

// The plot at the widget's size, painted from its drawing by the bench's painter.
class PlotWidget : public QWidget {
  public:
    PlotWidget(const Notebook& notebook, QWidget* parent) : QWidget(parent), notebook_(notebook) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMinimumSize(320, 240);
    }

    PlotView view = PlotView::distances;

    const Drawing& drawing() const {
        draw_plot(notebook_, view, width(), height(), translated_utf8, drawing_, words_);
        return drawing_;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        paint_drawing(p, drawing());
    }

  private:
    const Notebook& notebook_;
    mutable Drawing drawing_;
    mutable std::deque<std::string> words_;
};

NotebookWindow::NotebookWindow(Notebook& notebook, QWidget* parent)
    : QWidget(parent, Qt::Window), notebook_(notebook) {
    setObjectName(QStringLiteral("notebook"));
    setWindowTitle(translated(kTitle));
    const auto button = [this](const char* text, const char* name, auto&& slot) {
        auto* b = new QPushButton(translated(text), this);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        return b;
    };

    auto* hint = new QLabel(translated(kHint), this);
    hint->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("rows"));
    table_->setAccessibleName(translated(kTable));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);

    auto* rows = new QHBoxLayout;
    rows->addWidget(button(kExport, "csv", [this] { export_csv(); }));
    rows->addWidget(button(kCopy, "copy", [this] { copy_table(); }));
    rows->addStretch();
    rows->addWidget(button(kClear, "clear", [this] { clear_rows(); }));

    plot_ = new PlotWidget(notebook_, this);
    plot_->setObjectName(QStringLiteral("plot"));
    plot_->setAccessibleName(translated(kPlot));
    distances_ = new QRadioButton(translated(kDistances), this);
    distances_->setObjectName(QStringLiteral("distances"));
    distances_->setChecked(true);
    reciprocals_ = new QRadioButton(translated(kReciprocals), this);
    reciprocals_->setObjectName(QStringLiteral("reciprocals"));
    connect(reciprocals_, &QRadioButton::toggled, this,
            [this](bool on) { set_plot_view(on ? PlotView::reciprocals : PlotView::distances); });
    auto* plot_row = new QHBoxLayout;
    plot_row->addWidget(new QLabel(translated(kPlot) + QLatin1Char(':'), this));
    plot_row->addWidget(distances_);
    plot_row->addWidget(reciprocals_);
    plot_row->addStretch();
    plot_row->addWidget(button(kSavePlot, "save_plot", [this] { save_plot(); }));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(table_, 2);
    layout->addLayout(rows);
    layout->addLayout(plot_row);
    layout->addWidget(plot_, 3);
    set_plot_view(PlotView::distances);
    show_rows();
    // Wide enough for every column's heading where the screen has room, the plot below.
    int columns = table_->verticalHeader()->sizeHint().width() + 2 * table_->frameWidth() +
                  table_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < table_->columnCount(); ++c) columns += table_->columnWidth(c);
    const QMargins margins = layout->contentsMargins();
    int width = std::max(columns + margins.left() + margins.right(), 760);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        width = std::min(width, screen->availableGeometry().width() * 9 / 10);
    }
    resize(width, 680);
}

void NotebookWindow::show_rows() {
    const std::vector<std::string> heads = headings(translated_utf8);
    table_->setColumnCount(static_cast<int>(heads.size()));
    QStringList labels;
    for (const std::string& h : heads) labels << words(h);
    table_->setHorizontalHeaderLabels(labels);
    table_->setRowCount(static_cast<int>(notebook_.rows().size()));
    for (int row = 0; row < table_->rowCount(); ++row) {
        const auto& cells_of =
            cells(notebook_.rows()[static_cast<std::size_t>(row)], translated_utf8);
        for (int column = 0; column < table_->columnCount(); ++column) {
            auto* item = new QTableWidgetItem(words(cells_of[static_cast<std::size_t>(column)]));
            bool number = false;
            item->text().toDouble(&number);
            item->setTextAlignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
            table_->setItem(row, column, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->clearSelection();
    if (!notebook_.rows().empty()) {
        table_->scrollToBottom();
        table_->setAccessibleDescription(
            words(row_words(notebook_.rows().back(), translated_utf8)));
    } else {
        table_->setAccessibleDescription(QString());
    }
    plot_->update();
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
    return save_bytes(QByteArray::fromStdString(notebook_.csv(translated_utf8)), file, error);
}

QImage NotebookWindow::plot_picture() const {
    QImage image(plot_->size(), QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    QPainter p(&image);
    paint_drawing(p, plot_->drawing());
    return image;
}

QByteArray NotebookWindow::plot_svg() const {
    return QByteArray::fromStdString(drawing_svg(plot_->drawing(), plot_->size(),
                                                 windowTitle().toStdString(),
                                                 plot_->accessibleDescription().toStdString()));
}

void NotebookWindow::export_csv() {
    const QString file = QFileDialog::getSaveFileName(
        this, translated(kExport).remove(QChar(0x2026)),
        last_csv_.isEmpty() ? QStringLiteral("notebook.csv") : last_csv_, translated(kCsvFiles));
    if (file.isEmpty()) return;
    const QString name = with_suffix(file, QStringLiteral(".csv"));
    QString error;
    if (!write_csv(name, error)) {
        QMessageBox::warning(this, windowTitle(),
                             translated(kNotWritten).arg(name + QStringLiteral(": ") + error));
        return;
    }
    last_csv_ = name;
}

void NotebookWindow::copy_table() {
    QGuiApplication::clipboard()->setText(words(notebook_.tab_separated(translated_utf8)));
}

void NotebookWindow::clear_rows() {
    if (notebook_.rows().empty()) return;
    const auto answer = QMessageBox::question(
        this, windowTitle(),
        translated(kClearAsk).arg(static_cast<qsizetype>(notebook_.rows().size())),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes) return;
    notebook_.clear();
    show_rows();
    Q_EMIT cleared();
}

void NotebookWindow::save_plot() {
    const QString png = translated(kPngFiles), svg = translated(kSvgFiles);
    QString filter = png;
    const QString file =
        QFileDialog::getSaveFileName(this, translated(kSavePlot).remove(QChar(0x2026)),
                                     last_plot_.isEmpty() ? QStringLiteral("plot.png") : last_plot_,
                                     png + QStringLiteral(";;") + svg, &filter);
    if (file.isEmpty()) return;
    const QString name =
        with_suffix(file, filter == svg ? QStringLiteral(".svg") : QStringLiteral(".png"));
    QString error;
    if (!save_picture(plot_picture(), plot_svg(), name, error)) {
        QMessageBox::warning(this, windowTitle(),
                             translated(kNotWritten).arg(name + QStringLiteral(": ") + error));
        return;
    }
    last_plot_ = name;
}

}  // namespace korru::view
