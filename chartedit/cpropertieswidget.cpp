#include "chartedit/cpropertieswidget.h"

#include "chartedit/ccolordialog.h"
#include "chartedit/cpwitem.h"
#include "chartedit/ctextdlgwin.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

CPropertiesWidget::CPropertiesWidget(QWidget *parent) : QWidget(parent)
{
    m_table = new QTableWidget(0, 2, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Property"), QStringLiteral("Value")});
    m_table->setAccessibleName(QStringLiteral("Properties"));
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(26);
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    auto *lay = new QVBoxLayout(this);
    lay->setContentsMargins(0, 0, 0, 0);
    lay->addWidget(m_table);
    connectCells(true);
}

void CPropertiesWidget::connectCells(bool on)
{
    if (on)
        connect(m_table, SIGNAL(itemChanged(QTableWidgetItem *)), this,
                SLOT(OnItemsChanged(QTableWidgetItem *)));
    else
        disconnect(m_table, SIGNAL(itemChanged(QTableWidgetItem *)), this,
                   SLOT(OnItemsChanged(QTableWidgetItem *)));
}

void CPropertiesWidget::clear()
{
    connectCells(false);
    m_table->setRowCount(0);
    // A row may be cleared from inside its own signal: let it finish first.
    for (CPWItem *item : m_items) {
        item->disconnect(this);
        item->deleteLater();
    }
    m_items.clear();
    connectCells(true);
}

void CPropertiesWidget::setRows(const QVector<PropertyRow> &rows)
{
    clear();
    connectCells(false);
    m_table->setRowCount(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        auto *item = new CPWItem(rows[i], this);
        m_items << item;
        auto *title = new QTableWidgetItem(rows[i].title);
        title->setFlags(Qt::ItemIsEnabled);
        m_table->setItem(i, 0, title);
        if (QWidget *editor = item->createEditor(m_table)) {
            m_table->setCellWidget(i, 1, editor);
        } else {
            auto *cell = new QTableWidgetItem(rows[i].text);
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsEditable);
            cell->setData(Qt::AccessibleTextRole, rows[i].title);
            m_table->setItem(i, 1, cell);
            item->setTableItem(cell);
        }
        connect(item, SIGNAL(itemButtonClicked(CPWItem *)), this, SLOT(OnItemsActions(CPWItem *)));
        connect(item, SIGNAL(itemComboChanged(CPWItem *)), this, SLOT(OnItemCombo(CPWItem *)));
    }
    connectCells(true);
}

QVector<PropertyRow> CPropertiesWidget::rows() const
{
    QVector<PropertyRow> result;
    for (const CPWItem *item : m_items)
        result << item->row();
    return result;
}

CPWItem *CPropertiesWidget::item(const QString &title) const
{
    for (CPWItem *i : m_items) {
        if (i->title() == title)
            return i;
    }
    return nullptr;
}

void CPropertiesWidget::OnItemsActions(CPWItem *item)
{
    if (!m_items.contains(item))
        return;
    if (item->kind() == PropertyRow::Colour) {
        auto *dlg = new CColorDialog(item->row().colour, CColorDialog::ColourOnly, m_theme, this);
        dlg->setWindowModality(Qt::ApplicationModal);
        dlg->exec();
        const bool chosen = dlg->mode() != CColorDialog::ModeCancelled;
        const QColor colour = dlg->color();
        delete dlg;
        if (!chosen)
            return;
        item->setColour(colour);
    } else if (item->kind() == PropertyRow::Font) {
        const QString sample = item->row().text.isEmpty() ? QStringLiteral("Text") : item->row().text;
        auto *dlg = new CTextDlgWin(item->row().font, sample, m_theme, this);
        const bool accepted = dlg->exec() == QDialog::Accepted;
        const QFont font = dlg->font();
        delete dlg;
        if (!accepted)
            return;
        item->setFont(font);
    } else {
        return;
    }
    emit dataChanged();
}

void CPropertiesWidget::OnItemCombo(CPWItem *item)
{
    if (m_items.contains(item))
        emit dataChanged();
}

void CPropertiesWidget::OnItemsChanged(QTableWidgetItem *cell)
{
    for (CPWItem *item : m_items) {
        if (item->tableItem() == cell) {
            item->setText(cell->text());
            // The font dialog shows the item's own text as its sample.
            for (CPWItem *font : m_items) {
                if (font->kind() == PropertyRow::Font)
                    font->setText(cell->text());
            }
            emit dataChanged();
            return;
        }
    }
}
