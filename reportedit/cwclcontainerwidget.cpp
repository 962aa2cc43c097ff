#include "reportedit/cwclcontainerwidget.h"

#include "reportedit/cwclcontainer.h"

CWCLContainerWidget::CWCLContainerWidget(const QString &name, const CTheme *theme, QWidget *parent)
    : QScrollArea(parent), m_container(new CWCLContainer(theme))
{
    setAccessibleName(name);
    m_container->setAccessibleName(name);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidget(m_container);
}
