#pragma once

#include "reports/creportfielditem.h"

#include <QPoint>
#include <QWidget>

class CTheme;
class QMimeData;

/**
 * One field in a list of the report manager: the editable form of a report
 * field item with its short label. Paints the label and its selected state;
 * a press selects it, a drag carries it (mime "int/x-lm-item") to a gap in
 * either list.
 */
class CWCLItem : public QWidget
{
    Q_OBJECT
public:
    static constexpr int RowHeight = 24;

    CWCLItem(const CReportFieldItem &item, const QString &label, const CTheme *theme, QWidget *parent = nullptr);

    /** Shows another field in this widget (lists reuse their rows instead of deleting them mid-drag). */
    void setContent(const CReportFieldItem &item, const QString &label);
    const CReportFieldItem &item() const { return m_item; }
    /** Position in its list. */
    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    QString label() const { return m_label; }
    bool isSelected() const { return m_selected; }
    /** Keyboard modifiers held at the last press (Ctrl or Shift add to a selection). */
    Qt::KeyboardModifiers pressModifiers() const { return m_pressModifiers; }
    void setSelected(bool on);
    /** Extra drag format naming the list and row the drag came from ("<list id>:<row>"). */
    static QString sourceIndexMimeType();
    /** The drag data of a row: the field in its drag form plus where it came from. */
    static QMimeData *mimeFor(const CReportFieldItem &item, const QString &label, const QObject *list, int row);

signals:
    void clicked(CWCLItem *item);
    void doubleClicked(CWCLItem *item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    CReportFieldItem m_item;
    QString m_label;
    const CTheme *m_theme;
    bool m_selected = false;
    int m_index = -1;
    QPoint m_pressPos;
    bool m_pressed = false;
    Qt::KeyboardModifiers m_pressModifiers;
};
