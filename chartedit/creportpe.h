#pragma once

#include "chartedit/canvasdrag.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QTimer>
#include <QTransform>
#include <QVector>

#include <functional>

class CTheme;
class ChartDocument;
class ChartEditSession;
class ChartItem;
class ChartPage;
class QAction;
class QUndoStack;
struct ChartFieldEntry;

/** Colours and pictures of handles and page decoration, taken from the skin. */
struct ChartHandleSet {
    QColor boundaryColor{180, 180, 180};
    QImage scale;  ///< "scale-s.png"
    QImage move;   ///< "move-s.png"
    QImage rotate; ///< "rotate-s.png"
    QImage shadows[8]; ///< left, right, top, bottom, top-left, top-right, bottom-left, bottom-right
};

/**
 * The page canvas of the chart creator: shows the current page (or block) of
 * a chart and lets the user select, move, resize, rotate, delete and restack
 * its items and drop new ones. The page, the selection and the document belong
 * to the edit session: the canvas pushes commands and repaints when the
 * session announces a change.
 */
class CReportPE : public QAbstractScrollArea
{
    Q_OBJECT

public:
    /** Margin around the page in view pixels. */
    static constexpr double kMargin = 10.0;
    static constexpr double kMinZoom = 0.2;
    static constexpr double kMaxZoom = 2.0;
    static constexpr double kNormalZoom = 0.75;

    /**
     * @p session stays owned by the caller and must outlive the canvas;
     * @p theme (may be null) gives the canvas colour and the pictures.
     */
    explicit CReportPE(ChartEditSession *session, CTheme *theme = nullptr,
                       QWidget *parent = nullptr);
    ~CReportPE() override;

    ChartEditSession *session() const { return m_session; }
    ChartDocument *document() const { return m_doc; }
    QUndoStack *undoStack() const;
    /** The session's current page; null when it has none. */
    ChartPage *currentPage() const;
    /** Makes @p page (a page or block of the document) current; clears the selection. */
    void setCurrentPage(ChartPage *page);

    /** The selected frame items of the current page in list order. */
    QList<ChartItem *> selectedItems() const;
    /** The item being dragged or last clicked; null when none. */
    ChartItem *activeItem() const { return m_activeItem; }
    /** Selects only @p frame (null clears); emits selectionChanged(). */
    void selectItem(ChartItem *frame);

    double zoom() const;
    /** The zoom as the user reads it: "100%" at the normal size (0.75). */
    QString zoomText() const;
    /** What the context menu offers (set by the window). */
    void setContextActions(const QList<QAction *> &actions) { m_contextActions = actions; }
    /** Sets the zoom within 0.2..2.0, re-lays the scroll bars out and repaints. */
    void setZoom(double zoom);
    /** The page-to-viewport transform. */
    QTransform viewTransform() const;
    /** A viewport position in page units. */
    QPointF mapToPage(const QPoint &viewportPos) const;
    /** (x, y) unchanged when @p snap is off, else rounded to the grid step. */
    QPointF snapPoint(double x, double y, bool snap) const;
    /** The drag in progress (canvasdrag::Mode), 0 when none. */
    int dragMode() const { return m_dragMode; }

    /**
     * Item creation at a viewport position, each one undo step. The field and
     * image variants put a frame with a content of kind 5 or 2 on the page;
     * the block variant a reference to @p block. Null when nothing was made.
     */
    ChartItem *createFieldItem(const QString &caption, const QPoint &dropPoint, const QSizeF &size);
    ChartItem *createImageItem(const QImage &picture, const QPoint &dropPoint);
    ChartItem *createBlockItem(ChartPage *block, const QPoint &dropPoint);
    /**
     * Creates what a field tree entry makes at @p dropPoint, with a title
     * above calculated data when @p withTitle (Alt held), as one undo step;
     * "Image" needs @p picture. The new item is selected. Null when nothing was made.
     */
    ChartItem *addFieldAt(const QPoint &dropPoint, const ChartFieldEntry &entry, bool withTitle,
                          const QImage &picture = QImage());

    /** Asks, then deletes the selected items (one undo step). Nothing while dragging. */
    void deleteSelected();
    /** Re-lays the scroll bars out and repaints (after page or item changes). */
    void pageItemsChanged();

    /**
     * The yes/no question used before deleting: returns true for yes. The
     * window sets the program's themed question box; without one a plain
     * message box asks.
     */
    using ConfirmHandler = std::function<bool(const QString &title, const QString &text)>;
    void setConfirmHandler(ConfirmHandler handler) { m_confirm = std::move(handler); }

    /** The handle set in use (pictures of the skin). */
    const ChartHandleSet &handleSet() const { return m_handles; }

signals:
    /** A field was dropped from the field tree at a viewport position. */
    void itemDropped(QPoint pos);
    /** The selection or the active item changed. */
    void selectionChanged();
    void zoomChanged(double zoom);

public slots:
    void OnZoomIn();
    void OnZoomOut();
    void OnGrid();
    void OnSnap();
    void OnBoundaries();
    void moveToFrontSelItems();
    void moveToBackSelItems();
    void OnZoomNormal();
    /** The largest zoom (within the limits) that shows the whole page. */
    void OnZoomToFit();
    /** deleteSelected() as a slot. */
    void OnDeleteSelected();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dragLeaveEvent(QDragLeaveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private slots:
    void OnDocumentReset();
    void OnCurrentPageChanged();
    void OnSelectionChanged();
    void OnItemsChanged();
    void OnThemeChanged();

private:
    struct Fade {
        ChartItem *item = nullptr;
        int remaining = 3;
        int total = 3;
        bool fadingIn = true;
    };

    void loadSkin();
    void layoutScrollBars();
    QSize contentSize() const;
    /** One item unit in view pixels, horizontally and vertically, for @p frame. */
    QPointF itemScale(const ChartItem &frame) const;
    QVector<QRectF> handlesOf(const ChartItem &frame) const;
    int handleAt(const ChartItem &frame, const QPointF &pagePoint) const;
    ChartItem *itemAt(const QPointF &pagePoint) const;
    void changeSelection(const QList<ChartItem *> &frames);
    struct GroupMember {
        ChartItem *frame = nullptr;
        canvasdrag::Start start;
        ChartItemGeometry last;
    };

    canvasdrag::Context dragContext() const;
    void startDrag(ChartItem *frame, int handle, int mode, const QPointF &pagePoint);
    void continueDrag(const QPointF &pagePoint);
    /** Where another selected item goes while the active one is moved or resized. */
    ChartItemGeometry followActive(GroupMember &m, const QPointF &pagePoint) const;
    void endDrag();
    /** Esc: everything back where the drag found it, and no undo step left. */
    void cancelDrag();
    /** The selected item (the active one first) whose handle is at @p pagePoint. */
    ChartItem *handleOwnerAt(const QPointF &pagePoint, int *handle) const;
    void resizeSelection(const QPointF &delta);
    void updateCursor(const QPointF &pagePoint);
    void nudgeSelection(const QPointF &delta);
    void paintHandles(QPainter &p, const ChartItem &frame, double opacity) const;
    void paintShadows(QPainter &p, const QRect &page) const;
    using Maker = std::function<ChartItem *(ChartPage &scratch)>;
    ChartItem *addItems(const Maker &make, const QString &text);

    ChartEditSession *m_session;
    ChartDocument *m_doc;
    CTheme *m_theme;
    ChartHandleSet m_handles;
    QColor m_canvasColour;
    QColor m_selectionColour;
    ConfirmHandler m_confirm;
    QList<QAction *> m_contextActions;

    int m_dragMode = canvasdrag::None;
    int m_activeHandle = -1;
    ChartItem *m_activeItem = nullptr;
    canvasdrag::Start m_start;
    ChartItemGeometry m_lastGeometry;
    QVector<GroupMember> m_group; ///< the other selected items a drag takes along
    QRectF m_band;                ///< rubber band in page units
    bool m_bandAdds = false;      ///< the band adds to the selection (Shift or Ctrl)
    QPointF m_lastPoint;
    int m_dragSerial = 0;

    QList<Fade> m_fades;
    QList<ChartItem *> m_shownSelection; ///< what the handles showed last, for the fades
    QTimer m_fadeTimer;
};
