#pragma once

#include <QScrollArea>

class CTheme;
class CWCLContainer;

/** A field list with its scroll bar: the frame around one CWCLContainer. */
class CWCLContainerWidget : public QScrollArea
{
    Q_OBJECT
public:
    CWCLContainerWidget(const QString &name, const CTheme *theme, QWidget *parent = nullptr);

    CWCLContainer *container() const { return m_container; }

private:
    CWCLContainer *m_container;
};
