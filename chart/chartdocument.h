#pragma once

#include "chart/chartpage.h"
#include "chart/chartprofile.h"

#include <QDataStream>
#include <QObject>
#include <QString>

#include <memory>
#include <vector>

using ChartPageList = std::vector<std::unique_ptr<ChartPage>>;

/**
 * An open chart: page sets, reusable blocks and the view flags, plus the
 * person (profile) whose data the items draw. It announces resets and edits
 * through its signals; editors call notifyChanged() after changing members.
 */
class ChartDrawBudget;

class ChartDocument : public QObject
{
    Q_OBJECT

public:
    /** Magic text at the start of every chart file. */
    static const char kMagic[];
    /** Version written; files of a newer version are refused. */
    static constexpr qint32 kFileVersion = 263;

    explicit ChartDocument(QObject *parent = nullptr);
    ~ChartDocument() override;

    /** Empties the document and builds the state of a new chart (one A4 page "Untitled"). */
    void newDocument();
    /** Deletes every page and block with their items; flags and grid steps stay. */
    void clearDocument();
    /** Writes the chart file; 0, or -1 (nothing written) without pages. */
    int saveDocument(QDataStream &stream);
    /**
     * Replaces the document by the file's; 0, or -1 when the data is not a
     * chart file, of a newer version, or damaged before its first page (the
     * document is then a new one and lastError() is "Wrong file format!").
     * A file damaged later loads as far as it can be read, returns 0, and
     * lastError() says so.
     */
    int loadDocument(QDataStream &stream);
    /** Why the last load failed or was incomplete; empty after a clean load. */
    QString lastError() const { return m_lastError; }

    /** Appends a new A4 page named "Page N" to the first page set and returns it. */
    ChartPage *addPage();
    /** Appends a new block named "Block N" and returns it. */
    ChartPage *addBlock();
    /** All pages of all page sets, in order. */
    QList<ChartPage *> allPages() const;
    /** Index of @p block in blocks, -1 when it is not one. */
    int blockIndex(const ChartPage *block) const;

    /** Sets every page-set block reference's imageNumber to its block's index. */
    void renumberBlockReferences();
    /** Links every page-set block reference to the block at its imageNumber. */
    void relinkBlockReferences();

    /** The person the items draw; previews are rebuilt when it changes. */
    void setProfile(const ChartProfile &profile);
    const ChartProfile &profile() const { return m_profile; }

    /** Folder of the interface pictures (application folder + "/images/"). */
    QString imagesDir() const { return m_imagesDir; }
    void setImagesDir(const QString &dir);

    /** Re-renders the preview of @p page (at most 256 x 256 px, print form). */
    void updatePreview(ChartPage *page);
    /** Re-renders every block and page preview and refreshes block links. */
    void updateAllPreviews();
    /** Emits changed(); call after editing members directly. */
    void notifyChanged() { emit changed(); }

    QString title;
    QString fileName;
    bool showGrid = true;
    bool snapToGrid = true;
    bool showBoundaries = true;
    double gridStepX = 10.0;
    double gridStepY = 10.0;
    double zoom = 0.75;
    std::vector<ChartPageList> pageSets;
    ChartPageList blocks;
    ChartPage *currentPage = nullptr;

signals:
    /** The whole document was replaced (new, cleared or loaded). */
    void documentReset();
    /** Pages, items or flags changed. */
    void changed();

private:
    std::unique_ptr<ChartPage> makePage() const;
    // False when the file was damaged before any page could be read.
    bool readBody(QDataStream &stream, int version);

    ChartProfile m_profile;
    QString m_imagesDir;
    QString m_lastError;
    // While a file is read: one time limit shared by all its previews.
    ChartDrawBudget *m_previewBudget = nullptr;
};
