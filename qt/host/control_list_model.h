#pragma once

#include "windows/common/control_model.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>
#include <QStringList>

#include <vector>

// A report-style list of the control model as a Qt model: the view asks for
// the cells it paints, so refilling a long list costs the same whatever
// part of it is on screen. Headers show as they fit their columns, with the
// whole caption as tooltip when they do not.
class ControlListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    // The small images the rows name by index.
    void setImages(QList<QIcon> images) { images_ = std::move(images); }

    // New columns empty the list; shownHeaders are the captions as they fit.
    void setColumns(const std::vector<ListColumn>& columns, const QStringList& shownHeaders);
    const std::vector<ListColumn>& columns() const { return columns_; }
    // Shows rows unless they are the ones shown (which takes no time when
    // they are the very same); true when they were new.
    bool showRows(const ListRows& rows);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QList<QIcon> images_;
    std::vector<ListColumn> columns_;
    QStringList shownHeaders_;
    ListRows rows_;
};
