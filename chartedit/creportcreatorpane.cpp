#include "chartedit/creportcreatorpane.h"

#include <QResizeEvent>

void CReportCreatorPane::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    emit updateWidgetGeometry();
}
