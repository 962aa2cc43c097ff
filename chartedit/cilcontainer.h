#pragma once

#include <QScrollArea>

class CILContainerWidget;

/** The vertical scrolling area of an icon strip around its column of entries. */
class CILContainer : public QScrollArea
{
    Q_OBJECT
public:
    explicit CILContainer(QWidget *parent = nullptr);

    CILContainerWidget *column() const { return m_column; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    CILContainerWidget *m_column = nullptr;
};
