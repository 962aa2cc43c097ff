#pragma once

#include "chartedit/propertyrows.h"

#include <QObject>

class QComboBox;
class QPushButton;
class QTableWidgetItem;
class QWidget;

/**
 * One row of the properties panel: the row's data and the widget of its
 * value cell (a button for colours and fonts, a combo box for lists, a plain
 * editable cell for text).
 */
class CPWItem : public QObject
{
    Q_OBJECT
public:
    CPWItem(const PropertyRow &row, QObject *parent = nullptr);

    const PropertyRow &row() const { return m_row; }
    QString title() const { return m_row.title; }
    int kind() const { return m_row.kind; }

    /** Builds the value cell's widget (null for text rows, which use the table item). */
    QWidget *createEditor(QWidget *parent);
    QWidget *editor() const { return m_editor; }
    QComboBox *combo() const { return m_combo; }
    QPushButton *button() const { return m_button; }
    QTableWidgetItem *tableItem() const { return m_tableItem; }
    void setTableItem(QTableWidgetItem *item) { m_tableItem = item; }

    void setColour(const QColor &colour);
    /** An alignment row's value as flags (1 left, 4 centre, 2 right); the list follows. */
    void setAlignment(int flags);
    void setFont(const QFont &font);
    void setText(const QString &text);

signals:
    void itemButtonClicked(CPWItem *item);
    /** A list row changed its choice. */
    void itemComboChanged(CPWItem *item);

public slots:
    void OnItemButton();
    void OnItemCombo(int index);

private:
    void refreshButton();

    PropertyRow m_row;
    QWidget *m_editor = nullptr;
    QComboBox *m_combo = nullptr;
    QPushButton *m_button = nullptr;
    QTableWidgetItem *m_tableItem = nullptr;
};
