#include "chartedit/creportpepages.h"

#include "chartedit/ciconlist.h"

#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int kButton = 20;
constexpr int kCaption = 18;
} // namespace

CReportPEPages::CReportPEPages(QWidget *parent) : QWidget(parent)
{
    m_pagesCaption = new QLabel(QStringLiteral("Pages"), this);
    m_blocksCaption = new QLabel(QStringLiteral("Blocks"), this);
    m_pages = new CIconList(this);
    m_pages->setAccessibleName(QStringLiteral("Pages"));
    m_blocks = new CIconList(this);
    m_blocks->setAccessibleName(QStringLiteral("Blocks"));
    m_addPage = smallButton(QStringLiteral("+"), QStringLiteral("Add Pages"));
    m_delPage = smallButton(QStringLiteral("x"), QStringLiteral("Delete Pages"));
    m_pageProp = smallButton(QString(), QStringLiteral("Pages Properties"));
    m_addBlock = smallButton(QStringLiteral("+"), QStringLiteral("Add Block"));
    m_delBlock = smallButton(QStringLiteral("x"), QStringLiteral("Delete Block"));
    m_blockProp = smallButton(QString(), QStringLiteral("Block Properties"));
}

void CReportPEPages::setTheme(const CTheme *theme)
{
    m_pages->setTheme(theme);
    m_blocks->setTheme(theme);
}

QPushButton *CReportPEPages::smallButton(const QString &text, const QString &toolTip)
{
    auto *b = new QPushButton(text, this);
    b->setToolTip(toolTip);
    b->setAccessibleName(toolTip);
    b->setFixedSize(kButton, kButton);
    b->setFocusPolicy(Qt::TabFocus);
    // The program's buttons are padded for words; these hold one sign.
    b->setStyleSheet(QStringLiteral("QPushButton { padding: 0px; min-height: 0px; }"));
    if (text.isEmpty())
        b->setText(QStringLiteral("\u2026"));
    return b;
}

void CReportPEPages::placeHalf(int top, int height, QLabel *caption, CIconList *list,
                               QPushButton *add, QPushButton *del, QPushButton *prop)
{
    const int w = width();
    caption->setGeometry(2, top, w - 4, kCaption);
    const int listHeight = qMax(20, height - kCaption - kButton - 8);
    list->setGeometry(0, top + kCaption, w, listHeight);
    const int y = top + kCaption + listHeight + 3;
    add->move(0, y);
    del->move(kButton + 4, y);
    prop->move(2 * (kButton + 4), y);
}

void CReportPEPages::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    placeHalf(0, half, m_pagesCaption, m_pages, m_addPage, m_delPage, m_pageProp);
    placeHalf(half, height() - half, m_blocksCaption, m_blocks, m_addBlock, m_delBlock,
              m_blockProp);
}
