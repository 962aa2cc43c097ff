#pragma once

#include "chartedit/propertyrows.h"

#include <QList>
#include <QWidget>

class CPWItem;
class CTheme;
class QTableWidget;
class QTableWidgetItem;

/**
 * The properties of the selected item as a two-column table ("Property",
 * "Value"). Each edit of a row updates the row and emits dataChanged(); the
 * creator then writes the changed rows (changedRows()) back to the item.
 */
class CPropertiesWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CPropertiesWidget(QWidget *parent = nullptr);

    void setTheme(const CTheme *theme) { m_theme = theme; }

    /** Empties the table. */
    void clear();
    /** Shows @p rows; filling the table does not count as an edit. */
    void setRows(const QVector<PropertyRow> &rows);
    /** The rows with their current values. */
    QVector<PropertyRow> rows() const;
    const QList<CPWItem *> &items() const { return m_items; }
    CPWItem *item(const QString &title) const;
    QTableWidget *table() const { return m_table; }
    /** Indexes of the rows the last edit changed (the font dialog may change three). */
    QList<int> changedRows() const { return m_changed; }

signals:
    void dataChanged();

public slots:
    void OnItemsActions(CPWItem *item);
    void OnItemsChanged(QTableWidgetItem *cell);
    void OnItemCombo(CPWItem *item);

private:
    void connectCells(bool on);
    void changed(const QList<CPWItem *> &items);
    CPWItem *itemOfKind(int kind) const;

    QTableWidget *m_table = nullptr;
    QList<CPWItem *> m_items;
    const CTheme *m_theme = nullptr;
    QList<int> m_changed;
};
