#pragma once

#include <QWidget>

/** A column of the creator window that tells the window when it was resized. */
class CReportCreatorPane : public QWidget
{
    Q_OBJECT
public:
    explicit CReportCreatorPane(QWidget *parent = nullptr) : QWidget(parent) {}

signals:
    void updateWidgetGeometry();

protected:
    void resizeEvent(QResizeEvent *event) override;
};
