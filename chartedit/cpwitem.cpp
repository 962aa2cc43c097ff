#include "chartedit/cpwitem.h"

#include "engine/checkedconnect.h"

#include <QComboBox>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

CPWItem::CPWItem(const PropertyRow &row, QObject *parent) : QObject(parent), m_row(row) {}

QWidget *CPWItem::createEditor(QWidget *parent)
{
    switch (m_row.kind) {
    case PropertyRow::Colour:
    case PropertyRow::Font:
        m_button = new QPushButton(parent);
        m_button->setAccessibleName(m_row.title);
        // The table's rows are low; the program's word-sized padding would clip the value.
        m_button->setStyleSheet(QStringLiteral(
            "QPushButton { padding: 0px 6px; min-height: 0px; text-align: left; font-weight: normal; }"));
        qz::checkedConnect(m_button, SIGNAL(clicked()), this, SLOT(OnItemButton()));
        refreshButton();
        m_editor = m_button;
        break;
    case PropertyRow::Alignment:
    case PropertyRow::List:
    case PropertyRow::EditableList:
        m_combo = new QComboBox(parent);
        m_combo->setAccessibleName(m_row.title);
        m_combo->addItems(m_row.entries);
        m_combo->setEditable(m_row.kind == PropertyRow::EditableList);
        m_combo->setStyleSheet(QStringLiteral("QComboBox { padding: 0px 22px 0px 6px; min-height: 0px; }"));
        m_combo->setCurrentIndex(m_row.index);
        if (m_row.kind == PropertyRow::EditableList)
            m_combo->setEditText(m_row.text);
        qz::checkedConnect(m_combo, SIGNAL(activated(int)), this, SLOT(OnItemCombo(int)));
        m_editor = m_combo;
        break;
    default:
        break;
    }
    return m_editor;
}

void CPWItem::refreshButton()
{
    if (!m_button)
        return;
    if (m_row.kind == PropertyRow::Colour) {
        QPixmap swatch(14, 14);
        swatch.fill(Qt::transparent);
        QPainter p(&swatch);
        p.setPen(m_button->palette().color(QPalette::ButtonText));
        p.setBrush(m_row.colour);
        p.drawRect(0, 0, 13, 13);
        p.end();
        m_button->setIcon(QIcon(swatch));
        m_button->setText(m_row.colour.name().toUpper());
    } else {
        m_button->setText(m_row.font.family() + QStringLiteral(", ") +
                          QString::number(m_row.font.pointSize() > 0 ? m_row.font.pointSize()
                                                                     : m_row.font.pixelSize()));
    }
}

void CPWItem::setColour(const QColor &colour)
{
    m_row.colour = colour;
    refreshButton();
}

void CPWItem::setAlignment(int flags)
{
    m_row.index = propertyrows::alignmentIndex(flags);
    m_row.alignment = propertyrows::alignmentFlags(m_row.index);
    if (m_combo)
        m_combo->setCurrentIndex(m_row.index);
}

void CPWItem::setFont(const QFont &font)
{
    m_row.font = font;
    refreshButton();
}

void CPWItem::setText(const QString &text)
{
    m_row.text = text;
}

void CPWItem::OnItemButton()
{
    emit itemButtonClicked(this);
}

void CPWItem::OnItemCombo(int index)
{
    if (m_row.kind == PropertyRow::EditableList) {
        m_row.text = m_combo ? m_combo->currentText() : QString();
    } else {
        // An index outside the entries counts as the first.
        m_row.index = (index >= 0 && index < m_row.entries.size()) ? index : 0;
        if (m_row.kind == PropertyRow::Alignment)
            m_row.alignment = propertyrows::alignmentFlags(m_row.index);
    }
    emit itemComboChanged(this);
}
