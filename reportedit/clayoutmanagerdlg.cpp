#include "reportedit/clayoutmanagerdlg.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "reportedit/clayouteditmodel.h"
#include "reportedit/clayoutlistcommand.h"
#include "reportedit/clayoutnameprompt.h"
#include "reportedit/clayoutrenamecommand.h"
#include "reportedit/cwclcontainer.h"
#include "reportedit/cwclcontainerwidget.h"
#include "reportedit/fieldlabels.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDesktopServices>
#include <QListWidget>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>
#include <QUndoStack>
#include <QUrl>

namespace {

constexpr int kRightX = 400;
constexpr int kRightW = 170;
constexpr int kRowH = 25;
constexpr int kPreviewMinWidth = 380;
constexpr int kPreviewWidth = 620;

bool askWithBox(QWidget *parent, const QString &title, const QString &text)
{
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
           == QMessageBox::Yes;
}

}  // namespace

CLayoutManagerDlg::CLayoutManagerDlg(CReportLayoutList &layouts, const CTheme *theme, QWidget *parent,
                                     const QString &folder)
    : QWidget(parent), m_layouts(layouts), m_theme(theme), m_folder(folder),
      m_model(new CLayoutEditModel(layouts, this)), m_undo(new QUndoStack(this))
{
    m_ask = [this](const QString &title, const QString &text) { return askWithBox(this, title, text); };
    buildControls();
    qz::checkedConnect(m_model, SIGNAL(layoutChanged(int)), this, SLOT(OnLayoutChanged(int)));
    qz::checkedConnect(m_model, SIGNAL(listChanged()), this, SLOT(OnListChanged()));
    qz::checkedConnect(m_model, SIGNAL(layoutInserted(int)), this, SLOT(OnLayoutInserted(int)));
    qz::checkedConnect(m_undo, SIGNAL(indexChanged(int)), this, SLOT(OnUndoIndexChanged()));

    QAction *undo = m_undo->createUndoAction(this, QStringLiteral("Undo"));
    undo->setShortcut(QKeySequence(QStringLiteral("Ctrl+Z")));
    QAction *redo = m_undo->createRedoAction(this, QStringLiteral("Redo"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y"))});
    for (QAction *a : {undo, redo}) {
        a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(a);
    }

    m_previewTimer = new QTimer(this);
    m_previewTimer->setSingleShot(true);
    m_previewTimer->setInterval(250);
    qz::checkedConnect(m_previewTimer, SIGNAL(timeout()), this, SLOT(OnPreviewTimer()));

    fillLayoutList();
    selectLayout(m_model->count() > 0 ? 0 : -1);
    OnUndoIndexChanged();
}

CLayoutManagerDlg::~CLayoutManagerDlg()
{
    // The preview belongs to the program; give it back before the pane goes.
    if (m_preview)
        m_preview->setParent(nullptr);
}

const CReportLayoutList &CLayoutManagerDlg::workingList() const
{
    return m_model->list();
}

QPushButton *CLayoutManagerDlg::button(const QString &text, const QRect &geometry, const char *slot)
{
    auto *b = new QPushButton(text, this);
    b->setGeometry(geometry);
    b->setAccessibleName(text);
    if (slot)
        qz::checkedConnect(b, SIGNAL(clicked()), this, slot);
    return b;
}

QCheckBox *CLayoutManagerDlg::checkBox(const QString &text, const QRect &geometry, const char *slot)
{
    auto *b = new QCheckBox(text, this);
    b->setGeometry(geometry);
    qz::checkedConnect(b, SIGNAL(clicked()), this, slot);
    return b;
}

void CLayoutManagerDlg::buildControls()
{
    m_orderList = new CWCLContainerWidget(QStringLiteral("Field order"), m_theme, this);
    m_orderList->setGeometry(20, 30, 180, 545);
    m_availList = new CWCLContainerWidget(QStringLiteral("Available fields"), m_theme, this);
    m_availList->setGeometry(205, 30, 180, 545);
    CWCLContainer *order = m_orderList->container();
    CWCLContainer *avail = m_availList->container();
    qz::checkedConnect(order, SIGNAL(itemSelected(void*)), this, SLOT(OnItemSelected(void*)));
    qz::checkedConnect(avail, SIGNAL(itemSelected(void*)), this, SLOT(OnItemSelectedAlt(void*)));
    qz::checkedConnect(order, SIGNAL(fieldDropped(int,QByteArray,quint64,int)), this,
                       SLOT(OnOrderDropped(int,QByteArray,quint64,int)));
    qz::checkedConnect(avail, SIGNAL(fieldDropped(int,QByteArray,quint64,int)), this,
                       SLOT(OnAvailableDropped(int,QByteArray,quint64,int)));
    qz::checkedConnect(order, SIGNAL(moveRequested(int,int)), this, SLOT(OnMoveField(int,int)));
    qz::checkedConnect(order, SIGNAL(removeRequested(int)), this, SLOT(OnRemoveField(int)));
    qz::checkedConnect(order, SIGNAL(extendRequested(int,bool)), this, SLOT(OnExtendSelection(int,bool)));
    qz::checkedConnect(avail, SIGNAL(activated(int)), this, SLOT(OnAddAvailable(int)));
    order->setToolTip(QStringLiteral("Drag fields here; Alt+Up / Alt+Down move the selected field, Delete removes it; "
                                     "Ctrl or Shift selects more fields to style at once"));
    avail->setToolTip(QStringLiteral("Drag a field to \"Field order\" or press Enter to add it at the end; "
                                     "drop a field here to remove it"));

    m_kindBox = new QComboBox(this);
    m_kindBox->addItems(FieldLabels::kindNames());
    m_kindBox->setGeometry(kRightX, 28, kRightW, kRowH);
    m_kindBox->setAccessibleName(QStringLiteral("Report Name"));
    qz::checkedConnect(m_kindBox, SIGNAL(currentIndexChanged(int)), this, SLOT(OnRepName(int)));
    m_hideAll = checkBox(QStringLiteral("Hide All Images"), QRect(kRightX, 58, kRightW, kRowH),
                         SLOT(OnCheckAllImages()));

    const int half = (kRightW - 4) / 2;
    m_default = checkBox(QStringLiteral("Default"), QRect(kRightX, 120, kRightW, kRowH), SLOT(OnCheckDef()));
    m_headerFont = button(QStringLiteral("Font"), QRect(kRightX, 148, half, kRowH), SLOT(OnHeaderFont()));
    m_headerColor = button(QStringLiteral("Color"), QRect(kRightX + half + 4, 148, half, kRowH),
                           SLOT(OnHeaderColor()));
    m_headerFont->setAccessibleName(QStringLiteral("Header font"));
    m_headerColor->setAccessibleName(QStringLiteral("Header color"));
    m_caption = button(QStringLiteral("Caption"), QRect(kRightX, 176, kRightW, kRowH), SLOT(OnSetName()));
    m_caption->setToolTip(QStringLiteral("Heading printed for the field"));

    m_contentFont = button(QStringLiteral("Font"), QRect(kRightX, 257, half, kRowH), SLOT(OnContentFont()));
    m_contentColor = button(QStringLiteral("Color"), QRect(kRightX + half + 4, 257, half, kRowH),
                            SLOT(OnContentColor()));
    m_contentFont->setAccessibleName(QStringLiteral("Content font"));
    m_contentColor->setAccessibleName(QStringLiteral("Content color"));
    m_hideImage = checkBox(QStringLiteral("Hide Image"), QRect(kRightX, 285, kRightW, kRowH),
                           SLOT(OnCheckCurImage()));
    m_edit = button(QStringLiteral("Edit"), QRect(kRightX, 313, kRightW, kRowH), SLOT(OnTextEdit()));
    m_edit->setToolTip(QStringLiteral("Own texts and pictures for each value"));

    m_layoutList = new QListWidget(this);
    m_layoutList->setGeometry(kRightX, 375, kRightW, 132);
    m_layoutList->setAccessibleName(QStringLiteral("Numerologist"));
    qz::checkedConnect(m_layoutList, SIGNAL(currentRowChanged(int)), this, SLOT(OnSelectSetting(int)));
    m_new = button(QStringLiteral("New"), QRect(kRightX, 511, 54, 20), SLOT(OnNewSetting()));
    m_copy = button(QStringLiteral("Copy"), QRect(kRightX + 58, 511, 54, 20), SLOT(OnCopySetting()));
    m_delete = button(QStringLiteral("Delete"), QRect(kRightX + 116, 511, 54, 20), SLOT(OnDelSetting()));
    m_rename = button(QStringLiteral("Rename"), QRect(kRightX, 534, 54, 20), SLOT(OnRenameSetting()));
    m_folderBut = button(QStringLiteral("Folder"), QRect(kRightX + 58, 534, 54, 20), SLOT(OnFolderSetting()));
    // The small layout buttons keep their words whole inside the theme's padding.
    for (QPushButton *b : {m_new, m_copy, m_delete, m_rename, m_folderBut})
        b->setStyleSheet(QStringLiteral("padding: 1px 2px;"));
    m_undoBut = button(QStringLiteral("Undo"), QRect(kRightX, 560, 83, 20), nullptr);
    qz::checkedConnect(m_undoBut, SIGNAL(clicked()), m_undo, SLOT(undo()));
    m_redoBut = button(QStringLiteral("Redo"), QRect(kRightX + 87, 560, 83, 20), nullptr);
    qz::checkedConnect(m_redoBut, SIGNAL(clicked()), m_undo, SLOT(redo()));
    m_undoBut->setToolTip(QStringLiteral("Undo (Ctrl+Z)"));
    m_redoBut->setToolTip(QStringLiteral("Redo (Ctrl+Shift+Z)"));
    m_previewBut = button(QStringLiteral("Preview"), QRect(kRightX, 585, kRightW, 22), SLOT(OnPreview()));
    m_previewBut->setCheckable(true);
    m_previewBut->setEnabled(false);
    m_ok = button(QStringLiteral("OK"), QRect(kRightX, 613, 80, 20), SLOT(OnOk()));
    m_cancel = button(QStringLiteral("Cancel"), QRect(kRightX + 90, 613, 80, 20), SLOT(OnExit()));

    m_previewPane = new QWidget(this);
    m_previewPane->hide();
}

void CLayoutManagerDlg::fillLayoutList()
{
    const QSignalBlocker b(m_layoutList);
    m_layoutList->clear();
    for (int i = 0; i < m_model->count(); ++i)
        m_layoutList->addItem(m_model->layout(i).name);
}

void CLayoutManagerDlg::selectLayout(int row)
{
    if (row < 0 || row >= m_model->count())
        row = -1;
    {
        const QSignalBlocker b(m_layoutList);
        m_layoutList->setCurrentRow(row);
    }
    OnSelectSetting(row);
}

CWCLContainer *CLayoutManagerDlg::fieldOrder() const
{
    return m_orderList->container();
}

CWCLContainer *CLayoutManagerDlg::availableFields() const
{
    return m_availList->container();
}

void CLayoutManagerDlg::setQuestionHandler(std::function<bool(const QString &, const QString &)> ask)
{
    if (ask)
        m_ask = std::move(ask);
}

// ---- layouts ----

void CLayoutManagerDlg::OnSelectSetting(int row)
{
    m_cur = row >= 0 && row < m_model->count() ? row : -1;
    m_curId = m_model->idAt(m_cur);
    m_field = -1;
    m_more.clear();
    availableFields()->setSelectedIndex(-1);
    showFields();
    schedulePreview();
}

void CLayoutManagerDlg::OnRepName(int kind)
{
    m_kind = qBound(0, kind, int(RKCount) - 1);
    m_field = -1;
    m_more.clear();
    availableFields()->setSelectedIndex(-1);
    showFields();
    schedulePreview();
}

QString CLayoutManagerDlg::askName(const QString &title, const QString &text, int ignoreIndex)
{
    const CReportLayoutList &list = m_model->list();
    CLayoutNamePrompt prompt(title, text,
                             [&list, ignoreIndex](const QString &name) { return checkLayoutName(name, list, ignoreIndex); },
                             m_theme, this);
    if (prompt.exec() != QDialog::Accepted)
        return QString();
    return prompt.name();
}

void CLayoutManagerDlg::OnNewSetting()
{
    OnAddSetting(InsertNew);
}

void CLayoutManagerDlg::OnCopySetting()
{
    OnAddSetting(InsertCopy);
}

void CLayoutManagerDlg::OnAddSetting(CLayoutManagerDlg::INSERTType valT)
{
    const QString name = askName(QStringLiteral("New setting"), QString(), -1);
    if (name.isEmpty())
        return;
    CReportLayout layout = valT == InsertCopy && m_cur >= 0 ? m_model->layout(m_cur) : CReportLayout::createDefault();
    layout.name = name;
    m_undo->push(new CLayoutListCommand(m_model, CLayoutListCommand::Add, m_model->count(), m_model->newId(), layout,
                                        valT == InsertCopy ? QStringLiteral("Copy") : QStringLiteral("New")));
}

void CLayoutManagerDlg::OnDelSetting()
{
    if (m_cur < 0)
        return;
    const QString name = m_model->layout(m_cur).name;
    if (!m_ask(QStringLiteral("Question"), QStringLiteral("Do you want remove \"") + name + QStringLiteral("\"?")))
        return;
    m_undo->push(new CLayoutListCommand(m_model, CLayoutListCommand::Remove, m_cur, m_curId, m_model->layout(m_cur),
                                        QStringLiteral("Delete")));
}

void CLayoutManagerDlg::OnRenameSetting()
{
    if (m_cur < 0)
        return;
    const QString old = m_model->layout(m_cur).name;
    const QString name = askName(QStringLiteral("Rename setting"), old, m_cur);
    if (name.isEmpty() || name == old)
        return;
    m_undo->push(new CLayoutRenameCommand(m_model, m_curId, old, name));
}

void CLayoutManagerDlg::OnListChanged()
{
    fillLayoutList();
    const int row = m_model->indexOfId(m_curId);
    if (row >= 0) {
        m_cur = row;
        const QSignalBlocker b(m_layoutList);
        m_layoutList->setCurrentRow(row);
    } else if (m_curId) {
        // The shown layout went: the row above takes its place (none above row 0).
        selectLayout(m_cur - 1);
    }
}

void CLayoutManagerDlg::OnLayoutInserted(int index)
{
    selectLayout(index);
}

bool CLayoutManagerDlg::save()
{
    QString error;
    if (!saveLayouts(m_model->list(), m_folder, &error)) {
        QMessageBox::critical(this, QStringLiteral("Error"), QStringLiteral("Can't save report!\r\n") + error);
        return false;
    }
    m_layouts = m_model->list();
    m_currentName = m_cur >= 0 ? m_model->layout(m_cur).name : QString();
    m_undo->setClean();
    return true;
}

void CLayoutManagerDlg::OnOk(bool noClose)
{
    if (!save())
        return;
    m_field = -1;
    fieldOrder()->setSelectedIndex(-1);
    refreshControls();
    if (!noClose)
        emit signalPress(1);
}

bool CLayoutManagerDlg::hasUnsavedChanges() const
{
    return !m_undo->isClean();
}

void CLayoutManagerDlg::OnExit()
{
    if (hasUnsavedChanges()) {
        const QMessageBox::StandardButton answer = QMessageBox::question(
            this, QStringLiteral("Report Manager"), QStringLiteral("Save the changes to the report layouts?"),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
        if (answer == QMessageBox::Save)
            OnOk();
        if (answer != QMessageBox::Discard)
            return;
    }
    emit signalPress(0);
}

void CLayoutManagerDlg::OnFolderSetting()
{
    if (!save())
        return;
    m_field = -1;
    fieldOrder()->setSelectedIndex(-1);
    refreshControls();
    QDesktopServices::openUrl(QUrl::fromLocalFile(m_folder));
}

// ---- undo ----

void CLayoutManagerDlg::OnUndoIndexChanged()
{
    m_undoBut->setEnabled(m_undo->canUndo());
    m_redoBut->setEnabled(m_undo->canRedo());
}

void CLayoutManagerDlg::OnLayoutChanged(int index)
{
    if (index != m_cur) {
        // An undo of an edit made in another layout shows that layout.
        const int keepKind = m_kind;
        selectLayout(index);
        if (m_kind != keepKind)
            OnRepName(keepKind);
        return;
    }
    // After undo or redo the rows may hold other fields; a new edit keeps its selection.
    if (!m_pushing)
        m_more.clear();
    showFields();
    schedulePreview();
}

// ---- preview ----

void CLayoutManagerDlg::setPreviewWidget(QWidget *widget)
{
    m_preview = widget;
    if (widget) {
        widget->setParent(m_previewPane);
        widget->show();
    }
    m_previewBut->setEnabled(widget != nullptr);
    resizeEvent(nullptr);
}

void CLayoutManagerDlg::OnPreview()
{
    if (!m_preview)
        return;
    m_previewShown = !m_previewShown;
    m_previewBut->setChecked(m_previewShown);
    QWidget *win = window();
    // The body fills the window; before the window is shown its own size is not
    // settled yet, so the window's size is the one to go by.
    if (m_previewShown && win->width() < BodyWidth + kPreviewMinWidth) {
        QRect wanted = win->geometry();
        wanted.setWidth(BodyWidth + kPreviewWidth);
        if (QScreen *screen = win->screen())
            wanted = fitToScreen(wanted, screen->availableGeometry(), win->frameGeometry().size() - win->size());
        win->setGeometry(wanted);
    }
    resizeEvent(nullptr);
    if (m_previewShown)
        OnPreviewTimer();
}

QRect CLayoutManagerDlg::fitToScreen(const QRect &wanted, const QRect &available, const QSize &frame)
{
    const QSize room = available.size() - frame;
    QRect r(wanted.topLeft(), wanted.size().boundedTo(room).expandedTo(QSize(1, 1)));
    // Keep the whole frame inside the available area.
    if (r.right() + frame.width() > available.right())
        r.moveRight(available.right() - frame.width());
    if (r.bottom() + frame.height() > available.bottom())
        r.moveBottom(available.bottom() - frame.height());
    r.moveLeft(qMax(r.left(), available.left()));
    r.moveTop(qMax(r.top(), available.top()));
    return r;
}

void CLayoutManagerDlg::schedulePreview()
{
    if (m_previewShown)
        m_previewTimer->start();
}

void CLayoutManagerDlg::OnPreviewTimer()
{
    if (!m_previewShown)
        return;
    emit previewRequested(m_kind, m_cur >= 0 ? &m_model->layout(m_cur) : nullptr);
}

void CLayoutManagerDlg::resizeEvent(QResizeEvent *)
{
    const int w = width() - BodyWidth - 8;
    const bool show = m_previewShown && m_preview && w >= 200;
    m_previewPane->setVisible(show);
    if (show) {
        m_previewPane->setGeometry(BodyWidth, 8, w, height() - 16);
        m_preview->setGeometry(0, 0, w, height() - 16);
    }
}

void CLayoutManagerDlg::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QColor c(237, 219, 178);
    p.setPen(m_theme ? m_theme->mapColor(c) : c);
    p.drawText(QRect(20, 5, 160, 20), Qt::AlignCenter, QStringLiteral("Field order"));
    p.drawText(QRect(205, 5, 160, 20), Qt::AlignCenter, QStringLiteral("Available fields"));
    const struct {
        const char *text;
        int y;
    } labels[] = {{"Report Name", 5}, {"Header", 97}, {"Content", 234}, {"Numerologist", 352}};
    for (const auto &l : labels)
        p.drawText(QRect(kRightX, l.y, 150, 20), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1(l.text));
}
