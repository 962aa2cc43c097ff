#pragma once

#include <QImage>
#include <QWidget>

class ChartPage;
class CTheme;

/** One entry of an icon strip: a page or block with its thumbnail, caption and count. */
class CILItem : public QWidget
{
    Q_OBJECT
public:
    CILItem(ChartPage *page, QWidget *parent = nullptr);

    ChartPage *page() const { return m_page; }
    QImage thumbnail() const { return m_thumbnail; }
    QString caption() const { return m_caption; }
    QString countText() const { return m_countText; }
    bool isSelected() const { return m_selected; }

    void setThumbnail(const QImage &image);
    void setCaption(const QString &caption);
    void setCountText(const QString &text);
    void setSelected(bool selected);
    void setTheme(const CTheme *theme) { m_theme = theme; }

    /** Height of an entry of @p width: room for an upright page and the count line. */
    static int heightForEntryWidth(int width);

signals:
    void clicked(CILItem *item);
    /** The entry is being dragged: the strip starts the drag. */
    void startDD(CILItem *item);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void refreshAccessibleName();

    ChartPage *m_page = nullptr;
    const CTheme *m_theme = nullptr;
    QImage m_thumbnail;
    QString m_caption;
    QString m_countText;
    bool m_selected = false;
    QPoint m_pressPos;
    bool m_pressed = false;
};
