#pragma once

#include <QList>
#include <QObject>

#include <memory>
#include <vector>

class CReportPE;
class ChartEditSession;
class ChartItem;
class QAction;
class QWidget;

/**
 * The designer's editing commands as actions: "Cut", "Copy", "Paste",
 * "Duplicate", "Select All", the eight align and distribute commands and
 * "Zoom to Fit". Each edit is one undo step through the session; the actions
 * carry their shortcuts within @p scope and are enabled while they can act.
 */
class CEditActions : public QObject
{
    Q_OBJECT
public:
    CEditActions(ChartEditSession *session, CReportPE *canvas, QWidget *scope);

    /** The action named @p text, or null. */
    QAction *action(const QString &text) const;
    QList<QAction *> editActions() const { return m_edit; }
    QList<QAction *> arrangeActions() const { return m_arrange; }
    /** What the canvas's context menu offers. */
    QList<QAction *> contextActions() const { return m_context; }
    QAction *zoomToFitAction() const { return m_zoomToFit; }

signals:
    /** "Properties" was chosen in the context menu. */
    void propertiesRequested();

public slots:
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnDuplicate();
    void OnSelectAll();
    void OnArrange(QAction *action);
    void OnUpdateActions();

private:
    QAction *make(const QString &text, const QKeySequence &keys, const char *slot, QWidget *scope);
    /** Puts @p items on the current page, offset by a grid step and kept on it, selected. */
    void place(std::vector<std::unique_ptr<ChartItem>> items, const QString &text);

    ChartEditSession *m_session;
    CReportPE *m_canvas;
    QList<QAction *> m_edit;
    QList<QAction *> m_arrange;
    QList<QAction *> m_context;
    QAction *m_zoomToFit = nullptr;
};
