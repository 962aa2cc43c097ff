#pragma once

#include <QWidget>

class CIconList;
class CTheme;
class QLabel;
class QPushButton;

/**
 * The pages strip and the blocks strip of the creator, one above the other,
 * each with its add, delete and properties buttons underneath.
 */
class CReportPEPages : public QWidget
{
    Q_OBJECT
public:
    explicit CReportPEPages(QWidget *parent = nullptr);

    void setTheme(const CTheme *theme);

    CIconList *pagesList() const { return m_pages; }
    CIconList *blocksList() const { return m_blocks; }
    QPushButton *addPageButton() const { return m_addPage; }
    QPushButton *deletePageButton() const { return m_delPage; }
    QPushButton *pagePropertiesButton() const { return m_pageProp; }
    QPushButton *addBlockButton() const { return m_addBlock; }
    QPushButton *deleteBlockButton() const { return m_delBlock; }
    QPushButton *blockPropertiesButton() const { return m_blockProp; }

    QSize minimumSizeHint() const override { return {100, 220}; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QPushButton *smallButton(const QString &text, const QString &toolTip);
    void placeHalf(int top, int height, QLabel *caption, CIconList *list, QPushButton *add,
                   QPushButton *del, QPushButton *prop);

    QLabel *m_pagesCaption = nullptr;
    QLabel *m_blocksCaption = nullptr;
    CIconList *m_pages = nullptr;
    CIconList *m_blocks = nullptr;
    QPushButton *m_addPage = nullptr;
    QPushButton *m_delPage = nullptr;
    QPushButton *m_pageProp = nullptr;
    QPushButton *m_addBlock = nullptr;
    QPushButton *m_delBlock = nullptr;
    QPushButton *m_blockProp = nullptr;
};
