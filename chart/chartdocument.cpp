#include "chart/chartdocument.h"
#include "engine/datafolder.h"

#include "chart/chartpainter.h"
#include "chart/chartstream.h"

#include <QCoreApplication>

#include <cmath>
#include <cstring>

const char ChartDocument::kMagic[] = "PlexariumReportFile->";

namespace {
constexpr QDataStream::Version kStreamVersion = QDataStream::Qt_4_6;
constexpr int kPreviewSide = 256;

bool saneGridStep(double step) { return std::isfinite(step) && step >= 0.5 && step <= 10000.0; }

template <typename Fn> void forEachPageReference(std::vector<ChartPageList> &sets, Fn fn)
{
    for (auto &set : sets) {
        for (auto &page : set) {
            for (ChartItem *ref : page->blockReferences())
                fn(ref);
        }
    }
}
} // namespace

ChartDocument::ChartDocument(QObject *parent) : QObject(parent)
{
    m_imagesDir = DataFolder::path() + QStringLiteral("/images/");
    newDocument();
}

ChartDocument::~ChartDocument() = default;

std::unique_ptr<ChartPage> ChartDocument::makePage() const
{
    auto page = std::make_unique<ChartPage>();
    page->imagesDir = m_imagesDir;
    return page;
}

void ChartDocument::setImagesDir(const QString &dir)
{
    m_imagesDir = dir;
    if (!m_imagesDir.endsWith(QLatin1Char('/')))
        m_imagesDir += QLatin1Char('/');
    for (ChartPage *page : allPages())
        page->imagesDir = m_imagesDir;
    for (auto &block : blocks)
        block->imagesDir = m_imagesDir;
}

void ChartDocument::clearDocument()
{
    currentPage = nullptr;
    pageSets.clear();
    blocks.clear();
    emit documentReset();
}

void ChartDocument::newDocument()
{
    currentPage = nullptr;
    pageSets.clear();
    blocks.clear();
    auto page = makePage();
    page->name = QStringLiteral("Untitled");
    page->preview = QImage(m_imagesDir + QStringLiteral("noimage.png"));
    currentPage = page.get();
    pageSets.emplace_back();
    pageSets.front().push_back(std::move(page));
    title = QStringLiteral("New report");
    fileName = QStringLiteral("untitled.pxr");
    showGrid = snapToGrid = showBoundaries = true;
    gridStepX = gridStepY = 10.0;
    zoom = 0.75;
    emit documentReset();
}

ChartPage *ChartDocument::addPage()
{
    if (pageSets.empty())
        pageSets.emplace_back();
    auto page = makePage();
    page->name = QStringLiteral("Page ") + QString::number(pageSets.front().size() + 1);
    ChartPage *added = page.get();
    pageSets.front().push_back(std::move(page));
    emit changed();
    return added;
}

ChartPage *ChartDocument::addBlock()
{
    auto block = makePage();
    block->name = QStringLiteral("Block ") + QString::number(blocks.size() + 1);
    ChartPage *added = block.get();
    blocks.push_back(std::move(block));
    emit changed();
    return added;
}

QList<ChartPage *> ChartDocument::allPages() const
{
    QList<ChartPage *> pages;
    for (const auto &set : pageSets) {
        for (const auto &page : set)
            pages << page.get();
    }
    return pages;
}

int ChartDocument::blockIndex(const ChartPage *block) const
{
    for (size_t i = 0; i < blocks.size(); ++i) {
        if (blocks[i].get() == block)
            return int(i);
    }
    return -1;
}

void ChartDocument::renumberBlockReferences()
{
    forEachPageReference(pageSets, [this](ChartItem *ref) {
        const int index = blockIndex(ref->linkedBlock);
        if (index >= 0)
            ref->imageNumber = index;
    });
}

void ChartDocument::relinkBlockReferences()
{
    forEachPageReference(pageSets, [this](ChartItem *ref) {
        const int index = ref->imageNumber;
        if (index >= 0 && index < int(blocks.size())) {
            ChartPage *block = blocks[size_t(index)].get();
            ref->linkedBlock = block;
            ref->fieldCode = QString::number(block->id());
            ref->linkedImage = block->preview;
        } else {
            ref->linkedBlock = nullptr;
            ref->linkedImage = QImage();
        }
    });
}

void ChartDocument::setProfile(const ChartProfile &profile)
{
    m_profile = profile;
    updateAllPreviews();
    emit changed();
}

void ChartDocument::updatePreview(ChartPage *page)
{
    if (!page || page->size.isEmpty())
        return;
    const QSize size = fitSize(page->size, QSizeF(kPreviewSide, kPreviewSide)).toSize();
    if (size.isEmpty())
        return;
    ChartDrawContext ctx;
    ctx.profile = &m_profile;
    ctx.print = true;
    ctx.budget = m_previewBudget;
    page->preview = renderPagePicture(*page, size, ctx);
}

void ChartDocument::updateAllPreviews()
{
    for (auto &block : blocks)
        updatePreview(block.get());
    relinkBlockReferences();
    for (ChartPage *page : allPages())
        updatePreview(page);
}

int ChartDocument::saveDocument(QDataStream &s)
{
    if (pageSets.empty() || pageSets.front().empty())
        return -1;
    renumberBlockReferences();
    ChartPage *first = pageSets.front().front().get();
    updatePreview(first);

    s.setVersion(kStreamVersion);
    s << kMagic;
    s << kFileVersion << title << qint32(1) << first->preview;
    s << qint32(showGrid) << qint32(snapToGrid) << qint32(showBoundaries);
    s << double(gridStepX) << double(gridStepY);
    s << qint32(blocks.size());
    for (const auto &block : blocks)
        chartstream::writePage(s, *block);
    s.setVersion(kStreamVersion);
    s << qint32(pageSets.size());
    for (const auto &set : pageSets) {
        s.setVersion(kStreamVersion);
        s << qint32(set.size());
        for (const auto &page : set)
            chartstream::writePage(s, *page);
    }
    return s.status() == QDataStream::Ok ? 0 : -1;
}

int ChartDocument::loadDocument(QDataStream &s)
{
    m_lastError.clear();
    s.setVersion(kStreamVersion);
    currentPage = nullptr;

    const int magicSize = int(sizeof(kMagic)); // text and its zero byte
    quint32 ignoredLength = 0;
    s >> ignoredLength;
    QByteArray magic(magicSize, '\0');
    const bool magicRead = s.readRawData(magic.data(), magicSize) == magicSize;
    const int zero = magic.indexOf('\0');
    if (!magicRead || magic.left(zero < 0 ? magicSize : zero) != QByteArray(kMagic)) {
        newDocument();
        m_lastError = QStringLiteral("Wrong file format!");
        return -1;
    }
    qint32 version = 0;
    s >> version;
    if (s.status() != QDataStream::Ok || version > kFileVersion) {
        newDocument();
        m_lastError = QStringLiteral("Wrong file format!");
        return -1;
    }
    if (!readBody(s, version)) {
        m_lastError = QStringLiteral("Wrong file format!");
        return -1;
    }
    return 0;
}

bool ChartDocument::readBody(QDataStream &s, int version)
{
    chartstream::Budget budget;
    ChartDrawBudget previewBudget(defaultPageDrawSeconds());
    m_previewBudget = &previewBudget;
    struct Reset {
        ChartDrawBudget *&pointer;
        ~Reset() { pointer = nullptr; }
    } reset{m_previewBudget};
    auto ok = [&s] { return s.status() == QDataStream::Ok; };
    pageSets.clear();
    blocks.clear();

    QString fileTitle;
    qint32 ignored = 0;
    QImage ignoredPreview;
    s >> fileTitle >> ignored;
    if (ok())
        title = fileTitle;
    if (ok())
        chartstream::readImage(s, ignoredPreview, budget);

    if (ok() && version >= 257) {
        qint32 grid = 0, snap = 0, boundaries = 0;
        s >> grid >> snap;
        if (version >= 262)
            s >> boundaries;
        double stepX = 0, stepY = 0;
        s >> stepX >> stepY;
        if (ok()) {
            showGrid = grid != 0;
            snapToGrid = snap != 0;
            if (version >= 262)
                showBoundaries = boundaries != 0;
            if (saneGridStep(stepX))
                gridStepX = stepX;
            if (saneGridStep(stepY))
                gridStepY = stepY;
        }
    }

    bool damaged = !ok();
    auto readPages = [&](qint32 count, ChartPageList &into) {
        if (count < 0 || count > budget.pages) {
            damaged = true;
            return;
        }
        for (qint32 i = 0; i < count && !damaged; ++i) {
            auto page = makePage();
            --budget.pages;
            if (!chartstream::readPage(s, *page, version, budget))
                damaged = true;
            into.push_back(std::move(page)); // what was read before a failure is kept
        }
    };

    if (!damaged && version >= 258) {
        qint32 count = 0;
        s >> count;
        damaged = !ok();
        if (!damaged)
            readPages(count, blocks);
    }
    for (auto &block : blocks)
        updatePreview(block.get());

    if (!damaged) {
        qint32 sets = 0;
        s >> sets;
        damaged = !ok() || sets < 0 || sets > budget.pages;
        for (qint32 i = 0; i < sets && !damaged; ++i) {
            qint32 pages = 0;
            s >> pages;
            if (!ok()) {
                damaged = true;
                break;
            }
            pageSets.emplace_back();
            readPages(pages, pageSets.back());
        }
    }
    if (damaged)
        m_lastError = QStringLiteral("The chart file is damaged; only part of it could be read.");
    else if (budget.droppedPaths > 0)
        m_lastError = QStringLiteral("The chart file has %1 shape(s) of more than %2 points; they are left out.")
                          .arg(budget.droppedPaths)
                          .arg(chartstream::kMaxDrawnPathElements);
    else if (budget.damagedPictures > 0)
        m_lastError = QStringLiteral("The chart file has %1 damaged picture(s); they are left out.")
                          .arg(budget.damagedPictures);

    relinkBlockReferences();
    for (ChartPage *page : allPages())
        updatePreview(page);

    if (pageSets.empty() || pageSets.front().empty()) {
        // Damage before the first page leaves nothing to use.
        newDocument();
        return !damaged;
    }
    currentPage = pageSets.front().front().get();
    if (version < 258)
        currentPage->name = QStringLiteral("Page 1");
    zoom = 0.75;
    emit documentReset();
    return true;
}
