// SPDX-License-Identifier: MIT
// The notebook's rows as a table model for the notebook's window: the short headings with their
// words as tooltips, a row's cells made once, when it is first shown. A row recorded is a row
// appended, so a record costs the same with ten rows as with ten thousand; only rows taken out
// or merged in among the others make the table again. Where the table is narrow, each row has
// a second line, as the page's narrow table has.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QTableView>
#include <vector>

#include "lesson/notebook.h"

namespace korru::view {

class NotebookTable : public QAbstractTableModel {
  public:
    NotebookTable(const Notebook& notebook, QObject* parent);

    // The notebook's rows have changed: brings the table to them. Returns the first row that is
    // new (the row count where none is), or -1 where the table was made again.
    int follow();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Each row on two lines, the columns of the second line hidden in a view that draws them
    // under others (see `draw_two_lines`); a reader hears every column as it is.
    bool two_lines() const { return two_lines_; }
    void set_two_lines(bool two);

  private:
    // A row's cells, made when the row is first shown.
    const QStringList& cells_of(int row) const;

    const Notebook& notebook_;
    QStringList headings_, heading_words_;
    std::vector<RowId> ids_;                  // the rows shown, by id
    mutable std::vector<QStringList> cells_;  // and their cells, none where not yet shown
    bool two_lines_ = false;
};

// Sets `table`, showing a `NotebookTable`, to draw the table's second line under its columns
// while the model has one, and its headings on two lines to match.
void draw_two_lines(QTableView* table, const NotebookTable& rows);

}  // namespace korru::view
