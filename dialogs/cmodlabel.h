#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

/**
 * A label that reports clicks: the point inside it, and, when it stands for
 * one colour (a basic colour swatch), that colour. The colour dialog uses it
 * for the spectrum, the value strip and the basic colours.
 */
class CModLabel : public QLabel
{
    Q_OBJECT
public:
    explicit CModLabel(QWidget *parent = nullptr);

    /** Makes the label a swatch of @p color; clicks then also emit signalClick(QColor&). */
    void setSwatchColor(const QColor &color);
    QColor swatchColor() const { return m_color; }
    bool isSwatch() const { return m_color.isValid(); }

signals:
    void signalClick(QPoint pos);
    void signalClick(QColor &color);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QColor m_color;
};
