#pragma once

#include "chart/chartfields.h"

#include <QImage>
#include <QPointer>
#include <QTreeWidget>

#include <functional>

class CReportPE;
class CTheme;
class ChartItem;

/**
 * The field tree beside the chart canvas: calculated data, variables and
 * objects in three groups; an entry is dragged onto the canvas, where the
 * creator turns the drop into an item with addFieldAt(). While Alt is held
 * over the window a calculated-data entry also gets a title; while Shift is
 * held dragging is off.
 */
class CFieldTree : public QTreeWidget
{
    Q_OBJECT

public:
    /** Data role of an entry's code (1, data fields from 1000, 2000..2002); groups hold 0. */
    static constexpr int CodeRole = Qt::UserRole;
    /** Data role of an entry's index in chartFieldEntries(); groups hold -1. */
    static constexpr int EntryRole = Qt::UserRole + 1;

    /** @p imagesDir holds the group icons; @p theme (may be null) styles the tree. */
    explicit CFieldTree(const QString &imagesDir, CTheme *theme = nullptr,
                        QWidget *parent = nullptr);
    ~CFieldTree() override;

    /** The selected entry; code 0 when a group or nothing is selected. */
    ChartFieldEntry currentEntry() const;
    /** Selects the entry with @p text (tests and keyboard users). */
    bool selectEntry(const QString &text);

    /** True while Alt is held over the tree's window. */
    bool altHeld() const { return m_altHeld; }

    /**
     * Creates the selected entry's item at @p viewportPoint of @p canvas (one
     * undo step): "Image" asks for a picture first. Returns the new frame or
     * null when nothing was made.
     */
    ChartItem *addFieldAt(CReportPE *canvas, const QPoint &viewportPoint);

    /**
     * Asks for the picture file of "Image"; returns the chosen path or an
     * empty string. The default opens "Open Image"; tests set their own.
     */
    using PictureChooser = std::function<QString(QWidget *parent)>;
    void setPictureChooser(PictureChooser chooser) { m_chooser = std::move(chooser); }

    /** Reads a picture file as "Image" does: null for short names and unreadable or huge pictures. */
    static QImage loadPicture(const QString &fileName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void OnThemeChanged();

private:
    void build(const QString &imagesDir);
    void watchWindow();

    CTheme *m_theme;
    PictureChooser m_chooser;
    QPointer<QWidget> m_watched;
    bool m_altHeld = false;
};
