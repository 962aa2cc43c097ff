#pragma once

#include <QRect>
#include <QWidget>

class CTheme;
class QPropertyAnimation;
class QTextBrowser;
class QToolButton;

/**
 * A text panel that expands and collapses: a transparent text browser
 * (white 14-pixel text) on a rounded backdrop, sliding between two
 * rectangles of its parent with a "geometry" animation.
 */
class CExpandWidget : public QWidget
{
    Q_OBJECT

public:
    explicit CExpandWidget(CTheme *theme, QWidget *parent = nullptr);

    void setText(const QString &html);
    QString text() const;
    QTextBrowser *browser() const { return m_browser; }

    /** Rectangles in parent coordinates for the two states. */
    void setGeometries(const QRect &collapsed, const QRect &expanded);
    QRect collapsedGeometry() const { return m_collapsed; }
    QRect expandedGeometry() const { return m_expanded; }
    bool isExpanded() const { return m_isExpanded; }
    /** Animation length in milliseconds (0 jumps). */
    void setDuration(int ms);

signals:
    void expandedChanged(bool expanded);

public slots:
    /** Toggles between collapsed and expanded, animated. */
    void slotExpand();
    /** Snaps to the rectangle of the current state (after the parent moved things) and restyles. */
    void slotUpdate();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void restyle();

    CTheme *m_theme = nullptr;
    QTextBrowser *m_browser = nullptr;
    QToolButton *m_toggle = nullptr;
    QPropertyAnimation *m_animation = nullptr;
    QRect m_collapsed;
    QRect m_expanded;
    bool m_isExpanded = false;
};
