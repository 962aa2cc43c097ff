#pragma once

#include "chart/chartprofile.h"
#include "chartedit/propertyrows.h"

#include <QColor>
#include <QImage>
#include <QWidget>

#include <functional>

class CEditActions;
class CFieldTree;
class CILItem;
class CPropertiesWidget;
class CReportCreatorW1;
class CReportCreatorW2;
class CReportCreatorW3;
class CReportPE;
class CReportPEPages;
class CTheme;
class ChartDocument;
class ChartEditSession;
class ChartItem;
class ChartPage;
class QDataStream;
class QLabel;
class QPushButton;
class QSplitter;
class QToolButton;
class QUndoStack;

/**
 * The chart designer: the field tree and the page and block strips, the page
 * canvas and the properties of the selected item side by side, with the tool
 * buttons above. Every change of the chart goes through the undo stack.
 */
class CReportCreator : public QWidget
{
    Q_OBJECT
public:
    /** Creator mode of the main window: sizes in screen units, "Set Background". */
    static constexpr int kMainWindowMode = 1;

    CReportCreator(const ChartProfile &profile, int mode, CTheme *theme,
                   QWidget *parent = nullptr);
    ~CReportCreator() override;

    /** Loads a chart file's data; 0, or -1 when it is not a chart (the chart is then new). */
    int loadDocument(QDataStream &stream);
    /** The chart's file (empty for a new chart); saving may rename it after the title. */
    QString filePath() const { return m_path; }
    void setFilePath(const QString &path) { m_path = path; }
    /** Folder that "Save" writes into. */
    void setUserFolder(const QString &folder) { m_userFolder = folder; }
    QString userFolder() const { return m_userFolder; }

    int mode() const { return m_mode; }
    ChartEditSession *session() const { return m_session; }
    ChartDocument *document() const { return m_doc; }
    QUndoStack *undoStack() const { return m_undo; }
    CReportPE *canvas() const { return m_canvas; }
    CEditActions *editActions() const { return m_actions; }
    CFieldTree *fieldTree() const { return m_fieldTree; }
    CPropertiesWidget *properties() const { return m_properties; }
    CReportPEPages *pagesPane() const { return m_pages; }
    QSplitter *splitter() const { return m_splitter; }
    QList<QToolButton *> toolButtons() const { return m_tools; }

    /** True until the first successful save, and while there are changes since the last one. */
    bool hasUnsavedChanges() const;
    /** Saves; on failure says "Can't save report!" and returns false. */
    bool save();
    /**
     * Asks "Save changes?" when there is something to save, saves on yes.
     * False when the window should stay open (cancelled, or the save failed).
     */
    bool maybeClose();

    /** The yes/no question of deletions; the main window sets its themed box. */
    using ConfirmHandler = std::function<bool(const QString &title, const QString &text)>;
    void setConfirmHandler(ConfirmHandler handler);

signals:
    /** "Close" was pressed and the window may go. */
    void closeRequested();

public slots:
    void OnCancel();
    void OnOk();
    void OnProperties();
    void slotOnBackground();
    void OnDelete();
    void OnAddField(QPoint pos);
    void OnBlockItemDropped(CILItem *item, QPoint globalPos);
    void OnPageSelectionChanged();
    void OnPropertyChanged();
    void OnUpdateWidgetGeometry();
    void OnAddBlock();
    void OnDelBlock();
    void OnBlockProp();
    void OnAddPage();
    void OnDelPage();
    void OnPageProp();
    void OnListDrop();
    void OnBlockDrop();
    void OnPageSelected(CILItem *item);

private slots:
    void OnDocumentChanged();
    void OnItemsChanged(ChartPage *page, const QList<ChartItem *> &items);
    void OnRefreshPreviews();
    void OnRefreshTitle();
    void OnZoomChanged();
    void OnShowProperties();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTools(QWidget *row);
    void buildEditTools(QWidget *row);
    QToolButton *toolButton(const QString &icon, const QString &tip, QWidget *row);
    void syncStrips();
    void fillStrip(bool blocks);
    void makeCurrent(ChartPage *page);
    bool ask(const QString &title, const QString &text);
    void editPageProperties(ChartPage *page, bool isBlock);
    ChartItem *selectedFrame() const;
    /** Page units per unit the sizes are shown in (screen units in mode 1, else inches). */
    double unitSize() const;
    /** Applies edits of the numeric geometry rows; false when @p rows are not those. */
    bool applyGeometryRows(const QVector<PropertyRow> &rows);

    ChartProfile m_profile;
    int m_mode;
    CTheme *m_theme;
    ChartEditSession *m_session = nullptr;
    ChartDocument *m_doc = nullptr;
    QUndoStack *m_undo = nullptr;
    QString m_path;
    QString m_userFolder;
    bool m_applyingRow = false; ///< the panel's own edit is being pushed
    ConfirmHandler m_confirm;

    // The background chosen in the chart properties, applied on "Ok".
    QColor m_pendingColour;
    QImage m_pendingImage;
    int m_pendingMode = 255;

    QSplitter *m_splitter = nullptr;
    CReportCreatorW1 *m_left = nullptr;
    CReportCreatorW2 *m_middle = nullptr;
    CReportCreatorW3 *m_right = nullptr;
    CFieldTree *m_fieldTree = nullptr;
    CReportPE *m_canvas = nullptr;
    CPropertiesWidget *m_properties = nullptr;
    CReportPEPages *m_pages = nullptr;
    QPushButton *m_save = nullptr;
    QPushButton *m_close = nullptr;
    QList<QToolButton *> m_tools;
    CEditActions *m_actions = nullptr;
    QLabel *m_zoomLabel = nullptr;
    QToolButton *m_undoButton = nullptr;
    QToolButton *m_redoButton = nullptr;
    class QTimer *m_previewTimer = nullptr;
    ChartItem *m_propertiesItem = nullptr;
};
