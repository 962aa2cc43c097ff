#pragma once

#include "reports/creportlayoutlist.h"

#include <QVector>
#include <QWidget>
#include <functional>

class CLayoutEditModel;
class CTheme;
class CWCLContainer;
class CWCLContainerWidget;
class QCheckBox;
class QComboBox;
class QListWidget;
class QPushButton;
class QTimer;
class QUndoStack;

/**
 * The report manager: named report layouts (new, copy, rename, delete), and
 * for the selected layout and report kind the field order, edited by drag
 * and drop or the keyboard, with fonts, colours, pictures, captions and
 * per-value texts of each field.
 *
 * It edits a copy of the program's list; OK saves the copy through
 * saveLayouts() and only then hands it back. Every edit (layouts added,
 * copied, renamed or deleted, fields and their styles) is one undo step;
 * Cancel or the close button ask before unsaved edits are dropped.
 *
 * Use: host it in CLayoutManagerDlgWin; after exec() read currentName().
 * For a live preview give it a widget (setPreviewWidget) and answer
 * previewRequested() by showing the report in that widget.
 */
class CLayoutManagerDlg : public QWidget
{
    Q_OBJECT
public:
    enum INSERTType { InsertNew = 0, InsertCopy = 1 };

    CLayoutManagerDlg(CReportLayoutList &layouts, const CTheme *theme, QWidget *parent = nullptr,
                      const QString &folder = defaultLayoutsFolder());
    ~CLayoutManagerDlg() override;

    /** Name of the layout that was current when OK (or "Folder") saved; empty before. */
    QString currentName() const { return m_currentName; }
    /** The working copy. */
    const CReportLayoutList &workingList() const;
    CLayoutEditModel *model() const { return m_model; }
    QUndoStack *undoStack() const { return m_undo; }

    int currentLayout() const { return m_cur; }
    int currentKind() const { return m_kind; }
    /** Selected row of "Field order", or -1. */
    int selectedField() const { return m_field; }
    /** Rows selected besides selectedField() (Ctrl or Shift); style edits apply to them too. */
    const QVector<int> &moreSelectedFields() const { return m_more; }
    void selectLayout(int row);
    void selectField(int index);

    CWCLContainer *fieldOrder() const;
    CWCLContainer *availableFields() const;

    /** Hosts the preview (the program's web view) beside the controls. */
    void setPreviewWidget(QWidget *widget);
    bool previewShown() const { return m_previewShown; }
    /** Replaces the yes/no question (the program passes its themed box). */
    void setQuestionHandler(std::function<bool(const QString &title, const QString &text)> ask);

    /** Width of the controls without the preview pane. */
    static constexpr int BodyWidth = 590;
    static constexpr int BodyHeight = 640;

    /**
     * @p wanted (a window's client geometry) made to fit with its window
     * frame of @p frame inside @p available: shrunk, then moved onto it.
     */
    static QRect fitToScreen(const QRect &wanted, const QRect &available, const QSize &frame);
    /** True when edits were made since the last save. */
    bool hasUnsavedChanges() const;

signals:
    /** OK (1) or Cancel (0) was pressed; the host closes. */
    void signalPress(int result);
    /**
     * The preview wants report @p kind under @p layout (nullptr: the built-in
     * report), exactly as edited; valid during the call only.
     */
    void previewRequested(int kind, const CReportLayout *layout);

public slots:
    void OnOk(bool noClose = false);
    void OnExit();
    void OnRepName(int kind);
    void OnSelectSetting(int row);
    void OnNewSetting();
    void OnAddSetting(CLayoutManagerDlg::INSERTType valT);
    void OnDelSetting();
    void OnRenameSetting();
    void OnFolderSetting();
    void OnItemSelected(void *item);
    void OnItemSelectedAlt(void *item);
    void OnHeaderFont();
    void OnContentFont();
    void OnHeaderColor();
    void OnContentColor();
    void OnCheckAllImages();
    void OnCheckCurImage();
    void OnCheckDef();
    void OnTextEdit();
    void OnSetName();
    void OnPreview();

private slots:
    void OnCopySetting();
    void OnOrderDropped(int gap, const QByteArray &data, quint64 source, int sourceIndex);
    void OnAvailableDropped(int gap, const QByteArray &data, quint64 source, int sourceIndex);
    void OnMoveField(int index, int delta);
    void OnRemoveField(int index);
    void OnAddAvailable(int index);
    void OnExtendSelection(int index, bool range);
    void OnLayoutChanged(int index);
    void OnListChanged();
    void OnLayoutInserted(int index);
    void OnUndoIndexChanged();
    void OnPreviewTimer();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildControls();
    void fillLayoutList();
    void showFields();
    void refreshControls();
    void schedulePreview();
    bool save();
    QString askName(const QString &title, const QString &text, int ignoreIndex);
    /** Pushes an undoable edit of the current layout. */
    void pushEdit(const CReportLayout &after, const QString &text);
    const CReportFieldItem *currentItem() const;
    /** One command changing the selected field, and with @p allSelected every selected field. */
    void editItem(const std::function<void(CReportFieldItem &)> &change, const QString &text,
                  bool allSelected = true);
    void chooseFont(bool header);
    void chooseColor(bool header);
    QPushButton *button(const QString &text, const QRect &geometry, const char *slot);
    QCheckBox *checkBox(const QString &text, const QRect &geometry, const char *slot);

    CReportLayoutList &m_layouts;
    const CTheme *m_theme;
    QString m_folder;
    CLayoutEditModel *m_model;
    QUndoStack *m_undo;
    QString m_currentName;
    int m_cur = -1;
    quint64 m_curId = 0;
    int m_kind = 0;
    int m_field = -1;
    QVector<int> m_more;
    bool m_pushing = false;
    bool m_filling = false;
    std::function<bool(const QString &, const QString &)> m_ask;

    QComboBox *m_kindBox = nullptr;
    QCheckBox *m_hideAll = nullptr;
    QCheckBox *m_hideImage = nullptr;
    QCheckBox *m_default = nullptr;
    QPushButton *m_headerFont = nullptr;
    QPushButton *m_headerColor = nullptr;
    QPushButton *m_contentFont = nullptr;
    QPushButton *m_contentColor = nullptr;
    QPushButton *m_caption = nullptr;
    QPushButton *m_edit = nullptr;
    QListWidget *m_layoutList = nullptr;
    QPushButton *m_new = nullptr;
    QPushButton *m_copy = nullptr;
    QPushButton *m_delete = nullptr;
    QPushButton *m_rename = nullptr;
    QPushButton *m_folderBut = nullptr;
    QPushButton *m_undoBut = nullptr;
    QPushButton *m_redoBut = nullptr;
    QPushButton *m_previewBut = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;
    CWCLContainerWidget *m_orderList = nullptr;
    CWCLContainerWidget *m_availList = nullptr;
    QWidget *m_previewPane = nullptr;
    QWidget *m_preview = nullptr;
    bool m_previewShown = false;
    QTimer *m_previewTimer = nullptr;
};
