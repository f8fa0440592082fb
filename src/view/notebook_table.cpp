// SPDX-License-Identifier: MIT
// The notebook's table model.
#include "view/notebook_table.h"

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

}  // namespace

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

}  // namespace korru::view
