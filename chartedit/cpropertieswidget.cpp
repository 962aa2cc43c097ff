#include "chartedit/cpropertieswidget.h"

#include "dialogs/ccolordialog.h"
#include "chartedit/cpwitem.h"
#include "dialogs/ctextdlg.h"
#include "dialogs/ctextdlgwin.h"
#include "engine/checkedconnect.h"

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
        qz::checkedConnect(m_table, SIGNAL(itemChanged(QTableWidgetItem *)), this,
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
    m_changed.clear();
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
        qz::checkedConnect(item, SIGNAL(itemButtonClicked(CPWItem *)), this,
                           SLOT(OnItemsActions(CPWItem *)));
        qz::checkedConnect(item, SIGNAL(itemComboChanged(CPWItem *)), this,
                           SLOT(OnItemCombo(CPWItem *)));
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
        const QFont font = item->row().font;
        // Chart fonts are sized in pixels; counting points would turn 11 px into 12 pt.
        auto *dlg = new CTextDlgWin(font, sample, m_theme, this, font.pixelSize() > 0);
        CPWItem *colourRow = itemOfKind(PropertyRow::Colour);
        CPWItem *alignRow = itemOfKind(PropertyRow::Alignment);
        if (colourRow && alignRow)
            dlg->content()->showTextOptions(alignRow->row().alignment, colourRow->row().colour);
        const bool accepted = dlg->exec() == QDialog::Accepted;
        const QFont chosen = dlg->font();
        const int alignment = dlg->content()->textAlignment();
        const QColor colour = dlg->content()->textColor();
        delete dlg;
        if (!accepted)
            return;
        QList<CPWItem *> edited;
        if (chosen != font) {
            item->setFont(chosen);
            edited << item;
        }
        if (colourRow && alignRow && colour != colourRow->row().colour) {
            colourRow->setColour(colour);
            edited << colourRow;
        }
        if (colourRow && alignRow && alignment != alignRow->row().alignment) {
            alignRow->setAlignment(alignment);
            edited << alignRow;
        }
        if (edited.isEmpty())
            return; // OK without a change is no edit
        changed(edited);
        return;
    } else {
        return;
    }
    changed({item});
}

CPWItem *CPropertiesWidget::itemOfKind(int kind) const
{
    for (CPWItem *i : m_items) {
        if (i->kind() == kind)
            return i;
    }
    return nullptr;
}

void CPropertiesWidget::changed(const QList<CPWItem *> &items)
{
    m_changed.clear();
    for (CPWItem *item : items)
        m_changed << m_items.indexOf(item);
    emit dataChanged();
}

void CPropertiesWidget::OnItemCombo(CPWItem *item)
{
    if (m_items.contains(item))
        changed({item});
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
            changed({item});
            return;
        }
    }
}
