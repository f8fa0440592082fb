// SPDX-License-Identifier: MIT
// The notebook's table model.
#include "view/notebook_table.h"

#include <QHeaderView>
#include <QPainter>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <algorithm>

#include "view/language.h"

namespace korru::view {

namespace {

QStringList strings(const std::vector<std::string>& utf8) {
    QStringList out;
    out.reserve(static_cast<qsizetype>(utf8.size()));
    for (const std::string& s : utf8) out << QString::fromStdString(s);
    return out;
}

// The span of `rect`'s row under which the second line of `line` lies.
QRect span_of(const QHeaderView* head, const SecondLine& line, const QRect& rect) {
    const int left = head->sectionViewportPosition(static_cast<int>(line.first));
    const int last = static_cast<int>(line.last);
    const int right = head->sectionViewportPosition(last) + head->sectionSize(last);
    return QRect(left, rect.top(), right - left, rect.height());
}

// The first line of a row or of the headings in `rect`, and the part of the second line that
// lies in it: each cell draws its own part, so a cell painted alone is whole.
void draw_lines(QPainter* p, const QRect& rect, int margin, const QString& first,
                Qt::Alignment align, const QRect& span, const QString& second) {
    const int line = p->fontMetrics().height();
    const int top = rect.top() + (rect.height() - 2 * line) / 2;
    p->drawText(QRect(rect.left() + margin, top, rect.width() - 2 * margin, line),
                static_cast<int>((align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter), first);
    if (second.isEmpty()) return;
    p->save();
    p->setClipRect(rect);
    p->drawText(QRect(span.left() + margin, top + line, span.width() - 2 * margin, line),
                Qt::AlignLeft | Qt::AlignVCenter, second);
    p->restore();
}

// The text's margin in a cell, as the toolkit's styles keep it.
int text_margin(const QWidget* w) {
    return w->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
}

// The rows' cells, on two lines where the table has them.
class TwoLineCells : public QStyledItemDelegate {
  public:
    TwoLineCells(const NotebookTable& rows, QTableView* table)
        : QStyledItemDelegate(table), rows_(rows), table_(table) {}

    void paint(QPainter* p, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!rows_.two_lines()) {
            QStyledItemDelegate::paint(p, option, index);
            return;
        }
        QStyleOptionViewItem o = option;
        initStyleOption(&o, index);
        const QString first = o.text;
        o.text.clear();
        p->save();  // the style leaves its clip behind
        table_->style()->drawControl(QStyle::CE_ItemViewItem, &o, p, table_);
        p->restore();
        const QPalette::ColorGroup group = !(o.state & QStyle::State_Enabled) ? QPalette::Disabled
                                           : (o.state & QStyle::State_Active) ? QPalette::Active
                                                                              : QPalette::Inactive;
        const SecondLine* line = second_line_under(static_cast<std::size_t>(index.column()));
        const QRect span = line ? span_of(table_->horizontalHeader(), *line, o.rect) : o.rect;
        p->save();
        // The grid's lines round the row and each column, not through the second line's words.
        const int style_grid =
            table_->style()->styleHint(QStyle::SH_Table_GridLineColor, &o, table_);
        p->setPen(QColor(static_cast<QRgb>(style_grid)));
        p->drawLine(o.rect.bottomLeft(), o.rect.bottomRight());
        if (o.rect.right() == span.right()) p->drawLine(o.rect.topRight(), o.rect.bottomRight());
        p->setFont(o.font);
        p->setPen(o.palette.color(group, (o.state & QStyle::State_Selected)
                                             ? QPalette::HighlightedText
                                             : QPalette::Text));
        draw_lines(p, o.rect, text_margin(table_), first, o.displayAlignment, span,
                   line ? index.siblingAtColumn(static_cast<int>(line->column)).data().toString()
                        : QString());
        p->restore();
    }

  private:
    const NotebookTable& rows_;
    QTableView* table_;
};

// The headings, on two lines where the rows are.
class TwoLineHeadings : public QHeaderView {
  public:
    TwoLineHeadings(const NotebookTable& rows, QWidget* parent)
        : QHeaderView(Qt::Horizontal, parent), rows_(rows) {}

    QSize sizeHint() const override {
        QSize size = QHeaderView::sizeHint();
        if (rows_.two_lines()) size.rheight() += fontMetrics().height();
        return size;
    }

  protected:
    void paintSection(QPainter* p, const QRect& rect, int logical) const override {
        if (!rows_.two_lines()) {
            QHeaderView::paintSection(p, rect, logical);
            return;
        }
        const SecondLine* line = second_line_under(static_cast<std::size_t>(logical));
        const QRect span = line ? span_of(this, *line, rect) : rect;
        // A heading over a second line is drawn as one section with the others over it: its
        // part of that section, drawn aside, since the style sets clips of its own.
        QStyleOptionHeader o;
        initStyleOptionForIndex(&o, logical);
        o.rect = QRect(QPoint(), span.size());
        o.text.clear();
        const qreal ratio = devicePixelRatioF();
        QPixmap section(span.size() * ratio);
        section.setDevicePixelRatio(ratio);
        section.fill(Qt::transparent);
        {
            QPainter aside(&section);
            style()->drawControl(QStyle::CE_Header, &o, &aside, this);
        }
        const QRect part = rect.translated(-span.topLeft());
        p->drawPixmap(rect, section,
                      QRectF(part.x() * ratio, part.y() * ratio, part.width() * ratio,
                             part.height() * ratio));
        p->save();
        p->setPen(o.palette.color(QPalette::ButtonText));
        draw_lines(
            p, rect, text_margin(this),
            rows_.headerData(logical, Qt::Horizontal, Qt::DisplayRole).toString(), Qt::AlignHCenter,
            span,
            line ? rows_.headerData(static_cast<int>(line->column), Qt::Horizontal, Qt::DisplayRole)
                       .toString()
                 : QString());
        p->restore();
    }

  private:
    const NotebookTable& rows_;
};

}  // namespace

void draw_two_lines(QTableView* table, const NotebookTable& rows) {
    table->setHorizontalHeader(new TwoLineHeadings(rows, table));
    table->setItemDelegate(new TwoLineCells(rows, table));
}

NotebookTable::NotebookTable(const Notebook& notebook, QObject* parent)
    : QAbstractTableModel(parent),
      notebook_(notebook),
      headings_(strings(headings(translated_utf8))),
      heading_words_(strings(heading_words(translated_utf8))) {}

const QStringList& NotebookTable::cells_of(int row) const {
    QStringList& c = cells_[static_cast<std::size_t>(row)];
    if (c.isEmpty())
        c = strings(cells(notebook_.rows()[static_cast<std::size_t>(row)], translated_utf8));
    return c;
}

int NotebookTable::follow() {
    const std::vector<RowId>& now = notebook_.ids();
    const std::size_t from = rows_kept(ids_, now);
    if (from == now.size() && from == ids_.size()) return static_cast<int>(from);
    const bool appended = from > 0;
    if (appended) {
        beginInsertRows({}, static_cast<int>(from), static_cast<int>(now.size()) - 1);
    } else {
        beginResetModel();
        ids_.clear();
        cells_.clear();
    }
    ids_.insert(ids_.end(), now.begin() + static_cast<std::ptrdiff_t>(from), now.end());
    cells_.resize(ids_.size());
    if (appended) {
        endInsertRows();
        return static_cast<int>(from);
    }
    endResetModel();
    return -1;
}

int NotebookTable::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(ids_.size());
}

int NotebookTable::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(headings_.size());
}

QVariant NotebookTable::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    switch (role) {
        case Qt::DisplayRole:
            return cells_of(index.row()).value(index.column());
        case Qt::TextAlignmentRole: {
            const bool number = number_column(static_cast<std::size_t>(index.column()));
            return static_cast<int>(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
        }
        default:
            return {};
    }
}

QVariant NotebookTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (role) {
        case Qt::DisplayRole:
            return headings_.value(section);
        case Qt::ToolTipRole:
        case Qt::AccessibleTextRole:
            return heading_words_.value(section);
        default:
            return {};
    }
}

void NotebookTable::set_two_lines(bool two) {
    if (two == two_lines_) return;
    two_lines_ = two;
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);  // headings of two lines
}

}  // namespace korru::view
