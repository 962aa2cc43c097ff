#include "chartedit/creportcreator.h"

#include "chart/chartdocument.h"
#include "chart/chartfile.h"
#include "chartedit/canvasgeometry.h"
#include "chartedit/caddpagecommand.h"
#include "dialogs/ccolordialog.h"
#include "chartedit/cdeletepagecommand.h"
#include "chartedit/ceditactions.h"
#include "chartedit/charteditsession.h"
#include "chartedit/cfieldtree.h"
#include "chartedit/chartitemstate.h"
#include "chartedit/ciconlist.h"
#include "chartedit/cilcontainerwidget.h"
#include "chartedit/cilitem.h"
#include "chartedit/cpageordercommand.h"
#include "chartedit/cpagepropertiescommand.h"
#include "chartedit/cpapersizedlgwin.h"
#include "chartedit/cpropertieswidget.h"
#include "chartedit/creportcreatorw1.h"
#include "chartedit/creportcreatorw2.h"
#include "chartedit/creportcreatorw3.h"
#include "chartedit/creportpe.h"
#include "chartedit/creportpepages.h"
#include "chartedit/papersizes.h"
#include "chartedit/propertyrows.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QDragEnterEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QUndoStack>
#include <QVBoxLayout>

namespace {
const QString kDeleteQuestion = QStringLiteral("Are you sure?\r\nDo you want to delete the selected item?");
constexpr int kPreviewDelayMs = 250;

double toInches(double pageUnits)
{
    return pageUnits / papersize::kPageUnitsPerInch;
}

// The size entered in the dialog, or the old one exactly when the edit was left alone.
double enteredSize(double oldPageUnits, double inches)
{
    const double untouched = papersize::clampInches(toInches(oldPageUnits));
    if (inches == untouched && untouched == toInches(oldPageUnits))
        return oldPageUnits;
    return inches * papersize::kPageUnitsPerInch;
}
} // namespace

CReportCreator::CReportCreator(const ChartProfile &profile, int mode, CTheme *theme,
                               QWidget *parent)
    : QWidget(parent), m_profile(profile), m_mode(mode), m_theme(theme)
{
    setObjectName(QStringLiteral("reportCreator"));
    m_session = new ChartEditSession(this);
    m_doc = m_session->document();
    m_doc->setProfile(m_profile);
    m_undo = m_session->undoStack();

    auto *toolRow = new QWidget(this);
    buildTools(toolRow);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setChildrenCollapsible(false);
    m_left = new CReportCreatorW1(m_splitter);
    m_middle = new CReportCreatorW2(m_splitter);
    m_right = new CReportCreatorW3(m_splitter);
    m_left->setMinimumWidth(100);
    m_middle->setMinimumWidth(300);
    m_right->setMinimumWidth(100);

    auto *fieldsLabel = new QLabel(QStringLiteral("Fields:"), m_left);
    m_fieldTree = new CFieldTree(m_doc->imagesDir(), theme, m_left);
    fieldsLabel->setBuddy(m_fieldTree);
    m_pages = new CReportPEPages(m_left);
    m_pages->setTheme(theme);
    auto *leftLay = new QVBoxLayout(m_left);
    leftLay->setContentsMargins(6, 0, 2, 0);
    leftLay->setSpacing(4);
    leftLay->addWidget(fieldsLabel);
    leftLay->addWidget(m_fieldTree, 4);
    leftLay->addWidget(m_pages, 5);

    m_canvas = new CReportPE(m_session, theme, m_middle);
    m_actions = new CEditActions(m_session, m_canvas, this);
    m_canvas->setContextActions(m_actions->contextActions());
    buildEditTools(toolRow);
    auto *midLay = new QVBoxLayout(m_middle);
    midLay->setContentsMargins(2, 0, 2, 0);
    midLay->addWidget(m_canvas);

    auto *propsLabel = new QLabel(QStringLiteral("Properties"), m_right);
    m_properties = new CPropertiesWidget(m_right);
    qz::checkedConnect(m_actions, SIGNAL(propertiesRequested()), this, SLOT(OnShowProperties()));
    m_properties->setTheme(theme);
    propsLabel->setBuddy(m_properties);
    auto *rightLay = new QVBoxLayout(m_right);
    rightLay->setContentsMargins(2, 0, 6, 0);
    rightLay->setSpacing(4);
    rightLay->addWidget(propsLabel);
    rightLay->addWidget(m_properties, 1);
    m_splitter->setSizes({210, 560, 230});
    m_splitter->setStretchFactor(1, 1);

    m_save = new QPushButton(QStringLiteral("Save"), this);
    m_close = new QPushButton(QStringLiteral("Close"), this);
    for (QPushButton *b : {m_save, m_close}) {
        b->setMinimumWidth(80);
        b->setAutoDefault(false);
    }
    auto *bottom = new QHBoxLayout;
    bottom->setContentsMargins(6, 0, 6, 6);
    bottom->addStretch(1);
    bottom->addWidget(m_save);
    bottom->addWidget(m_close);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 4, 0, 0);
    outer->setSpacing(4);
    outer->addWidget(toolRow);
    outer->addWidget(m_splitter, 1);
    outer->addLayout(bottom);

    qz::checkedConnect(m_save, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(m_close, SIGNAL(clicked()), this, SLOT(OnCancel()));
    qz::checkedConnect(m_canvas, SIGNAL(itemDropped(QPoint)), this, SLOT(OnAddField(QPoint)));
    qz::checkedConnect(m_canvas, SIGNAL(selectionChanged()), this, SLOT(OnPageSelectionChanged()));
    qz::checkedConnect(m_properties, SIGNAL(dataChanged()), this, SLOT(OnPropertyChanged()));
    for (QWidget *pane : {static_cast<QWidget *>(m_left), static_cast<QWidget *>(m_middle),
                          static_cast<QWidget *>(m_right)})
        qz::checkedConnect(pane, SIGNAL(updateWidgetGeometry()), this, SLOT(OnUpdateWidgetGeometry()));
    qz::checkedConnect(m_pages->addBlockButton(), SIGNAL(clicked()), this, SLOT(OnAddBlock()));
    qz::checkedConnect(m_pages->deleteBlockButton(), SIGNAL(clicked()), this, SLOT(OnDelBlock()));
    qz::checkedConnect(m_pages->blockPropertiesButton(), SIGNAL(clicked()), this, SLOT(OnBlockProp()));
    qz::checkedConnect(m_pages->addPageButton(), SIGNAL(clicked()), this, SLOT(OnAddPage()));
    qz::checkedConnect(m_pages->deletePageButton(), SIGNAL(clicked()), this, SLOT(OnDelPage()));
    qz::checkedConnect(m_pages->pagePropertiesButton(), SIGNAL(clicked()), this, SLOT(OnPageProp()));
    CIconList *pages = m_pages->pagesList();
    CIconList *blocks = m_pages->blocksList();
    qz::checkedConnect(pages, SIGNAL(itemSelected(CILItem *)), this, SLOT(OnPageSelected(CILItem *)));
    qz::checkedConnect(pages, SIGNAL(signalItemDrop()), this, SLOT(OnListDrop()));
    qz::checkedConnect(blocks, SIGNAL(itemSelected(CILItem *)), this, SLOT(OnPageSelected(CILItem *)));
    qz::checkedConnect(blocks, SIGNAL(itemDropped(CILItem *, QPoint)), this,
            SLOT(OnBlockItemDropped(CILItem *, QPoint)));
    qz::checkedConnect(blocks, SIGNAL(signalItemDrop()), this, SLOT(OnBlockDrop()));

    qz::checkedConnect(m_session, SIGNAL(pagesChanged()), this, SLOT(OnDocumentChanged()));
    qz::checkedConnect(m_session, SIGNAL(documentReset()), this, SLOT(OnDocumentChanged()));
    qz::checkedConnect(m_session, SIGNAL(currentPageChanged(ChartPage *)), this, SLOT(OnDocumentChanged()));
    qz::checkedConnect(m_session, SIGNAL(itemsChanged(ChartPage *, QList<ChartItem *>)), this,
            SLOT(OnItemsChanged(ChartPage *, QList<ChartItem *>)));
    qz::checkedConnect(m_undo, SIGNAL(cleanChanged(bool)), this, SLOT(OnRefreshTitle()));
    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(kPreviewDelayMs);
    qz::checkedConnect(m_previewTimer, SIGNAL(timeout()), this, SLOT(OnRefreshPreviews()));

    auto *save = new QShortcut(QKeySequence::Save, this);
    save->setContext(Qt::WidgetWithChildrenShortcut);
    qz::checkedConnect(save, SIGNAL(activated()), this, SLOT(OnOk()));
    auto *undo = new QShortcut(QKeySequence::Undo, this);
    undo->setContext(Qt::WidgetWithChildrenShortcut);
    qz::checkedConnect(undo, SIGNAL(activated()), m_undo, SLOT(undo()));
    for (const QKeySequence &keys :
         {QKeySequence(Qt::CTRL + Qt::SHIFT + Qt::Key_Z), QKeySequence(Qt::CTRL + Qt::Key_Y)}) {
        auto *redo = new QShortcut(keys, this);
        redo->setContext(Qt::WidgetWithChildrenShortcut);
        qz::checkedConnect(redo, SIGNAL(activated()), m_undo, SLOT(redo()));
    }

    // Blocks dragged from their strip may land on the page.
    m_canvas->viewport()->installEventFilter(this);

    syncStrips();
    OnRefreshTitle();
}

CReportCreator::~CReportCreator()
{
    // The canvas and the commands point into the document: they go first.
    m_undo->clear();
    delete m_canvas;
    m_canvas = nullptr;
}

QToolButton *CReportCreator::toolButton(const QString &icon, const QString &tip, QWidget *row)
{
    auto *b = new QToolButton(row);
    b->setIcon(QIcon(m_doc->imagesDir() + icon));
    b->setIconSize(QSize(20, 20));
    b->setFixedSize(35, 26);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    b->setAutoRaise(true);
    row->layout()->addWidget(b);
    m_tools << b;
    return b;
}

void CReportCreator::buildTools(QWidget *row)
{
    auto *lay = new QHBoxLayout(row);
    lay->setContentsMargins(6, 0, 6, 0);
    lay->setSpacing(2);
    connect(toolButton(QStringLiteral("bzoomn.png"), QStringLiteral("100%"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnZoomNormal(); });
    connect(toolButton(QStringLiteral("bzoomi.png"), QStringLiteral("Zoom In"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnZoomIn(); });
    connect(toolButton(QStringLiteral("bzoomo.png"), QStringLiteral("Zoom Out"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnZoomOut(); });
    qz::checkedConnect(toolButton(QStringLiteral("bprops.png"), QStringLiteral("Graphics Charts Properties"), row),
            SIGNAL(clicked()), this, SLOT(OnProperties()));
    qz::checkedConnect(toolButton(QStringLiteral("bdelete.png"), QStringLiteral("Delete"), row),
            SIGNAL(clicked()), this, SLOT(OnDelete()));
    connect(toolButton(QStringLiteral("bgrid.png"), QStringLiteral("Show Grid"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnGrid(); });
    connect(toolButton(QStringLiteral("bsnap.png"), QStringLiteral("Snap to Grid"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnSnap(); });
    connect(toolButton(QStringLiteral("bbound.png"), QStringLiteral("Boundaries"), row),
            &QToolButton::clicked, this, [this] { m_canvas->OnBoundaries(); });
    connect(toolButton(QStringLiteral("bbringfront.png"), QStringLiteral("Bring to Front"), row),
            &QToolButton::clicked, this, [this] { m_canvas->moveToFrontSelItems(); });
    connect(toolButton(QStringLiteral("bbringback.png"), QStringLiteral("Send to Back"), row),
            &QToolButton::clicked, this, [this] { m_canvas->moveToBackSelItems(); });

    auto *line = new QFrame(row);
    line->setFrameShape(QFrame::VLine);
    line->setFixedWidth(10);
    lay->addWidget(line);
    m_undoButton = toolButton(QStringLiteral("bundo.png"), QStringLiteral("Undo"), row);
    m_redoButton = toolButton(QStringLiteral("bredo.png"), QStringLiteral("Redo"), row);
    m_undoButton->setEnabled(false);
    m_redoButton->setEnabled(false);
    qz::checkedConnect(m_undoButton, SIGNAL(clicked()), m_undo, SLOT(undo()));
    qz::checkedConnect(m_redoButton, SIGNAL(clicked()), m_undo, SLOT(redo()));
    qz::checkedConnect(m_undo, SIGNAL(canUndoChanged(bool)), m_undoButton, SLOT(setEnabled(bool)));
    qz::checkedConnect(m_undo, SIGNAL(canRedoChanged(bool)), m_redoButton, SLOT(setEnabled(bool)));
}

void CReportCreator::buildEditTools(QWidget *row)
{
    auto *lay = static_cast<QHBoxLayout *>(row->layout());
    auto *line = new QFrame(row);
    line->setFrameShape(QFrame::VLine);
    line->setFixedWidth(10);
    lay->addWidget(line);
    auto menuButton = [row, lay](const QString &text, const QList<QAction *> &actions) {
        auto *b = new QToolButton(row);
        b->setText(text);
        b->setAccessibleName(text);
        b->setToolTip(text);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setAutoRaise(true);
        auto *menu = new QMenu(b);
        menu->addActions(actions);
        b->setMenu(menu);
        lay->addWidget(b);
        return b;
    };
    menuButton(QStringLiteral("Edit"), m_actions->editActions());
    menuButton(QStringLiteral("Arrange"), m_actions->arrangeActions());
    auto *fit = new QToolButton(row);
    fit->setDefaultAction(m_actions->zoomToFitAction());
    fit->setAccessibleName(fit->text());
    fit->setAutoRaise(true);
    lay->addWidget(fit);
    m_zoomLabel = new QLabel(m_canvas->zoomText(), row);
    m_zoomLabel->setAccessibleName(QStringLiteral("Zoom"));
    m_zoomLabel->setMinimumWidth(44);
    lay->addWidget(m_zoomLabel);
    qz::checkedConnect(m_canvas, SIGNAL(zoomChanged(double)), this, SLOT(OnZoomChanged()));
    lay->addStretch(1);
}

void CReportCreator::OnZoomChanged()
{
    m_zoomLabel->setText(m_canvas->zoomText());
}

void CReportCreator::OnShowProperties()
{
    m_properties->table()->setFocus(Qt::OtherFocusReason);
}

void CReportCreator::setConfirmHandler(ConfirmHandler handler)
{
    m_confirm = handler;
    m_canvas->setConfirmHandler(std::move(handler));
}

bool CReportCreator::ask(const QString &title, const QString &text)
{
    if (m_confirm)
        return m_confirm(title, text);
    return QMessageBox::question(this, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

int CReportCreator::loadDocument(QDataStream &stream)
{
    const int result = m_session->loadDocument(stream);
    m_doc->setProfile(m_profile);
    m_properties->clear();
    m_propertiesItem = nullptr;
    syncStrips();
    m_canvas->OnZoomNormal();
    return result;
}

// ---- saving and closing ----

bool CReportCreator::hasUnsavedChanges() const
{
    // Nothing done since opening (or since the last save) loses nothing.
    return !m_undo->isClean();
}

bool CReportCreator::save()
{
    QString error;
    const QString saved = chartfile::saveToFolder(*m_doc, m_userFolder, m_path, &error);
    if (saved.isEmpty()) {
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Can't save report!"));
        return false;
    }
    m_path = saved;
    m_undo->setClean();
    OnRefreshTitle();
    return true;
}

bool CReportCreator::maybeClose()
{
    if (!hasUnsavedChanges())
        return true;
    const auto answer = QMessageBox::warning(this, QStringLiteral("Warning"),
                                             QStringLiteral("Save changes?"),
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                             QMessageBox::Yes);
    if (answer == QMessageBox::Cancel)
        return false;
    if (answer == QMessageBox::Yes)
        return save(); // a failed save keeps the window and the work
    return true;
}

void CReportCreator::OnOk()
{
    save();
}

void CReportCreator::OnCancel()
{
    if (maybeClose())
        emit closeRequested();
}

void CReportCreator::OnRefreshTitle()
{
    QWidget *win = window();
    win->setWindowTitle(QStringLiteral("Graphics Charts Creator[*]"));
    win->setWindowModified(!m_undo->isClean());
}

// ---- strips ----

void CReportCreator::fillStrip(bool blocks)
{
    CIconList *strip = blocks ? m_pages->blocksList() : m_pages->pagesList();
    strip->clear();
    QList<ChartPage *> list;
    if (blocks) {
        for (const auto &b : m_doc->blocks)
            list << b.get();
    } else if (!m_doc->pageSets.empty()) {
        for (const auto &p : m_doc->pageSets.front())
            list << p.get();
    }
    for (ChartPage *page : list)
        strip->addItem(page, page->preview, page->name, papersize::pageCountText(page->pageCount));
}

void CReportCreator::syncStrips()
{
    QList<ChartPage *> pages;
    if (!m_doc->pageSets.empty()) {
        for (const auto &p : m_doc->pageSets.front())
            pages << p.get();
    }
    QList<ChartPage *> blocks;
    for (const auto &b : m_doc->blocks)
        blocks << b.get();
    CIconList *pageStrip = m_pages->pagesList();
    CIconList *blockStrip = m_pages->blocksList();
    if (pageStrip->pages() != pages)
        fillStrip(false);
    if (blockStrip->pages() != blocks)
        fillStrip(true);
    for (CIconList *strip : {pageStrip, blockStrip}) {
        for (CILItem *item : strip->items()) {
            ChartPage *page = item->page();
            item->setCaption(page->name);
            item->setCountText(papersize::pageCountText(page->pageCount));
            item->setThumbnail(page->preview);
        }
    }
    ChartPage *current = m_session->currentPage();
    pageStrip->setSelectedItem(pageStrip->itemFor(current));
    blockStrip->setSelectedItem(blockStrip->itemFor(current));
}

void CReportCreator::makeCurrent(ChartPage *page)
{
    if (!page)
        return;
    m_session->setCurrentPage(page);
}

void CReportCreator::OnDocumentChanged()
{
    syncStrips();
    m_previewTimer->start();
}

void CReportCreator::OnRefreshPreviews()
{
    ChartPage *current = m_session->currentPage();
    if (!current)
        return;
    m_doc->updatePreview(current);
    for (CIconList *strip : {m_pages->pagesList(), m_pages->blocksList()}) {
        if (CILItem *item = strip->itemFor(current))
            item->setThumbnail(current->preview);
    }
}

void CReportCreator::OnPageSelected(CILItem *item)
{
    if (!item || !item->page())
        return;
    ChartPage *chosen = item->page();
    ChartPage *current = m_session->currentPage();
    if (chosen == current)
        return;
    if (current) {
        // References to the page being left show its latest look.
        m_doc->updatePreview(current);
        if (!m_doc->pageSets.empty()) {
            for (const auto &page : m_doc->pageSets.front()) {
                for (ChartItem *ref : page->blockReferences()) {
                    if (ref->linkedBlock == current)
                        ref->linkedImage = current->preview;
                }
            }
        }
    }
    makeCurrent(chosen);
}

void CReportCreator::OnListDrop()
{
    m_undo->push(new CPageOrderCommand(m_session, false, m_pages->pagesList()->pages(),
                                       QStringLiteral("Move Page")));
}

void CReportCreator::OnBlockDrop()
{
    m_undo->push(new CPageOrderCommand(m_session, true, m_pages->blocksList()->pages(),
                                       QStringLiteral("Move Block")));
}

// ---- pages and blocks ----

void CReportCreator::OnAddPage()
{
    if (m_doc->pageSets.empty() || m_doc->pageSets.front().empty())
        return;
    auto page = std::make_unique<ChartPage>();
    page->imagesDir = m_doc->imagesDir();
    page->size = m_doc->pageSets.front().front()->size;
    page->name = QStringLiteral("Page ") + QString::number(m_doc->pageSets.front().size() + 1);
    m_doc->updatePreview(page.get());
    ChartPage *added = page.get();
    m_undo->push(new CAddPageCommand(m_session, std::move(page), false, QStringLiteral("Add Page")));
    makeCurrent(added);
}

void CReportCreator::OnAddBlock()
{
    auto *dlg = new CPaperSizeDlgWin(CPaperSizeDlg::VariantBlock, false, m_theme, this);
    const PaperSize &a6 = papersize::paperSizes().back();
    dlg->content()->setValues(QStringLiteral("Block ") + QString::number(m_doc->blocks.size() + 1),
                              a6.widthInches, a6.heightInches);
    const bool accepted = dlg->exec() == QDialog::Accepted;
    const QString title = dlg->content()->title();
    const QSizeF size(dlg->content()->widthInches() * papersize::kPageUnitsPerInch,
                      dlg->content()->heightInches() * papersize::kPageUnitsPerInch);
    delete dlg;
    if (!accepted)
        return;
    auto block = std::make_unique<ChartPage>();
    block->imagesDir = m_doc->imagesDir();
    block->name = title;
    block->size = size;
    m_doc->updatePreview(block.get());
    ChartPage *added = block.get();
    m_undo->push(new CAddPageCommand(m_session, std::move(block), true, QStringLiteral("Add Block")));
    makeCurrent(added);
}

void CReportCreator::OnDelBlock()
{
    CILItem *item = m_pages->blocksList()->selectedItem();
    if (!item || m_doc->blockIndex(item->page()) < 0)
        return;
    if (!ask(QStringLiteral("Question"), kDeleteQuestion))
        return;
    m_undo->push(new CDeletePageCommand(m_session, item->page(), QStringLiteral("Delete Block")));
}

void CReportCreator::OnDelPage()
{
    if (m_doc->pageSets.empty() || m_doc->pageSets.front().size() <= 1)
        return; // the last page stays
    CILItem *item = m_pages->pagesList()->selectedItem();
    if (!item || m_doc->blockIndex(item->page()) >= 0)
        return;
    if (!ask(QStringLiteral("Question"), kDeleteQuestion))
        return;
    m_undo->push(new CDeletePageCommand(m_session, item->page(), QStringLiteral("Delete Page")));
    makeCurrent(m_doc->pageSets.front().front().get());
}

void CReportCreator::editPageProperties(ChartPage *page, bool isBlock)
{
    auto *dlg = new CPaperSizeDlgWin(isBlock ? CPaperSizeDlg::VariantBlock : CPaperSizeDlg::VariantPage,
                                     false, m_theme, this);
    dlg->content()->setValues(page->name, toInches(page->size.width()),
                              toInches(page->size.height()), page->pageCount);
    const bool accepted = dlg->exec() == QDialog::Accepted;
    const QString name = dlg->content()->title();
    const double w = dlg->content()->widthInches();
    const double h = dlg->content()->heightInches();
    const int count = dlg->content()->pageCount();
    delete dlg;
    if (!accepted)
        return;
    const ChartPageState before = ChartPageState::capture(*page);
    page->name = name;
    page->size = QSizeF(enteredSize(page->size.width(), w), enteredSize(page->size.height(), h));
    if (!isBlock)
        page->pageCount = count;
    canvasgeometry::keepItemsOnPage(*page);
    m_undo->push(new CPagePropertiesCommand(m_session, page, before, m_doc->title,
                                            isBlock ? QStringLiteral("Block Properties")
                                                    : QStringLiteral("Pages Properties")));
    m_canvas->OnZoomNormal();
}

void CReportCreator::OnBlockProp()
{
    CILItem *item = m_pages->blocksList()->selectedItem();
    if (item && m_doc->blockIndex(item->page()) >= 0)
        editPageProperties(item->page(), true);
}

void CReportCreator::OnPageProp()
{
    CILItem *item = m_pages->pagesList()->selectedItem();
    if (item && m_doc->blockIndex(item->page()) < 0)
        editPageProperties(item->page(), false);
}

void CReportCreator::OnProperties()
{
    ChartPage *page = m_session->currentPage();
    if (!page)
        return;
    const bool screenUnits = m_mode == kMainWindowMode;
    m_pendingMode = 255;
    auto *dlg = new CPaperSizeDlgWin(CPaperSizeDlg::VariantChart, screenUnits, m_theme, this);
    dlg->content()->setValues(m_doc->title, toInches(page->size.width()),
                              toInches(page->size.height()));
    if (QPushButton *bg = dlg->content()->backgroundButton())
        qz::checkedConnect(bg, SIGNAL(clicked()), this, SLOT(slotOnBackground()));
    const bool accepted = dlg->exec() == QDialog::Accepted;
    const QString title = dlg->content()->title();
    const double w = dlg->content()->widthInches();
    const double h = dlg->content()->heightInches();
    delete dlg;
    if (!accepted) {
        m_pendingMode = 255;
        return;
    }
    const ChartPageState before = ChartPageState::capture(*page);
    const QString titleBefore = m_doc->title;
    if (m_pendingMode != 255) {
        page->backgroundColor = m_pendingColour;
        page->backgroundImage = m_pendingImage;
        page->backgroundMode = quint8(m_pendingMode);
    }
    m_pendingMode = 255;
    m_doc->title = title;
    page->size = QSizeF(enteredSize(page->size.width(), w), enteredSize(page->size.height(), h));
    canvasgeometry::keepItemsOnPage(*page);
    m_undo->push(new CPagePropertiesCommand(m_session, page, before, titleBefore,
                                            QStringLiteral("Graphics Charts Properties")));
    m_canvas->OnZoomNormal();
}

void CReportCreator::slotOnBackground()
{
    ChartPage *page = m_session->currentPage();
    if (!page)
        return;
    auto *dlg = new CColorDialog(page->backgroundColor, CColorDialog::Background, m_theme, this);
    dlg->setBackground(page->backgroundImage, page->backgroundMode);
    dlg->setWindowModality(Qt::ApplicationModal);
    dlg->exec();
    if (dlg->mode() != CColorDialog::ModeCancelled) {
        m_pendingColour = dlg->color();
        m_pendingImage = dlg->image();
        m_pendingMode = dlg->mode();
    }
    delete dlg;
}

// ---- items ----

void CReportCreator::OnDelete()
{
    m_canvas->deleteSelected();
}

void CReportCreator::OnAddField(QPoint pos)
{
    // The tree knows its entry, the picture of "Image" and whether Alt is held.
    m_fieldTree->addFieldAt(m_canvas, pos);
}

void CReportCreator::OnBlockItemDropped(CILItem *item, QPoint globalPos)
{
    if (!item || !item->page())
        return;
    const QPoint at = m_canvas->viewport()->mapFromGlobal(globalPos);
    if (!m_canvas->viewport()->rect().contains(at))
        return;
    ChartPage *current = m_session->currentPage();
    ChartPage *block = item->page();
    // Blocks go onto pages only, and only blocks go.
    if (!current || m_doc->blockIndex(current) >= 0 || m_doc->blockIndex(block) < 0)
        return;
    m_doc->updatePreview(block);
    m_canvas->createBlockItem(block, at);
}

void CReportCreator::OnUpdateWidgetGeometry()
{
    // The columns lay themselves out; the strips follow their column's width.
    m_pages->updateGeometry();
}

bool CReportCreator::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (watched == m_canvas->viewport()) {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (drag->mimeData()->hasFormat(CILContainerWidget::mimeType())) {
                drag->setDropAction(Qt::CopyAction);
                drag->accept();
                return true;
            }
        }
        break;
    case QEvent::Drop:
        if (watched == m_canvas->viewport()) {
            auto *drop = static_cast<QDropEvent *>(event);
            if (drop->mimeData()->hasFormat(CILContainerWidget::mimeType())) {
                // The strip places the block once its drag has ended.
                drop->setDropAction(Qt::CopyAction);
                drop->accept();
                return true;
            }
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
