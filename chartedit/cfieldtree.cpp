#include "chartedit/cfieldtree.h"

#include "chartedit/creportpe.h"
#include "engine/checkedconnect.h"
#include "panels/ctheme.h"

#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QImageReader>
#include <QKeyEvent>

namespace {
// The same ceilings the chart reader puts on stored pictures.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = 60'000'000;

bool withinWindow(const QObject *watched, const QWidget *window)
{
    const auto *widget = qobject_cast<const QWidget *>(watched);
    return widget && widget->window() == window;
}
} // namespace

CFieldTree::CFieldTree(const QString &imagesDir, CTheme *theme, QWidget *parent)
    : QTreeWidget(parent), m_theme(theme)
{
    setAccessibleName(QStringLiteral("Fields"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setIconSize(QSize(16, 16));
    build(imagesDir);
    m_chooser = [](QWidget *owner) {
        return QFileDialog::getOpenFileName(owner, QStringLiteral("Open Image"), QString(),
                                            QStringLiteral("Image Files (*.png *.jpg *.jpeg *.gif *.bmp)"));
    };
    if (m_theme) {
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(OnThemeChanged()));
        OnThemeChanged();
    }
}

CFieldTree::~CFieldTree()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

void CFieldTree::OnThemeChanged()
{
    if (m_theme)
        m_theme->styleWidget(this, CTheme::KindDialog);
}

void CFieldTree::build(const QString &imagesDir)
{
    QString folder = imagesDir;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QList<ChartFieldEntry> entries = chartFieldEntries();
    QTreeWidgetItem *group = nullptr;
    for (int i = 0; i < entries.size(); ++i) {
        const ChartFieldEntry &e = entries[i];
        if (!group || group->text(0) != e.group) {
            group = new QTreeWidgetItem(this, QStringList(e.group));
            group->setIcon(0, QIcon(folder + e.groupIcon));
            group->setData(0, CodeRole, 0);
            group->setData(0, EntryRole, -1);
            group->setFlags(Qt::ItemIsEnabled);
        }
        auto *item = new QTreeWidgetItem(group, QStringList(e.text));
        item->setData(0, CodeRole, e.code);
        item->setData(0, EntryRole, i);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled);
    }
    expandAll();
}

ChartFieldEntry CFieldTree::currentEntry() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item || !item->isSelected())
        return ChartFieldEntry();
    const int index = item->data(0, EntryRole).toInt();
    const QList<ChartFieldEntry> entries = chartFieldEntries();
    if (index < 0 || index >= entries.size())
        return ChartFieldEntry();
    return entries[index];
}

bool CFieldTree::selectEntry(const QString &text)
{
    const QList<QTreeWidgetItem *> found = findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem *item : found) {
        if (item->data(0, EntryRole).toInt() >= 0) {
            setCurrentItem(item);
            item->setSelected(true);
            return true;
        }
    }
    return false;
}

QImage CFieldTree::loadPicture(const QString &fileName)
{
    if (fileName.size() < 5)
        return QImage();
    QImageReader reader(fileName);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxPictureSide || size.height() > kMaxPictureSide ||
        qint64(size.width()) * size.height() > kMaxPicturePixels)
        return QImage();
    return reader.read();
}

ChartItem *CFieldTree::addFieldAt(CReportPE *canvas, const QPoint &viewportPoint)
{
    const ChartFieldEntry entry = currentEntry();
    const bool known = entry.code == 1 || isDataFieldCode(entry.code) ||
                       (entry.code >= 2000 && entry.code <= 2002);
    if (!canvas || !known)
        return nullptr;
    QImage picture;
    if (entry.code == 2001) {
        picture = loadPicture(m_chooser ? m_chooser(this) : QString());
        if (picture.isNull())
            return nullptr;
    }
    const bool alt = m_altHeld || (QGuiApplication::queryKeyboardModifiers() & Qt::AltModifier);
    return canvas->addFieldAt(viewportPoint, entry, alt && entry.code == 1, picture);
}

void CFieldTree::showEvent(QShowEvent *event)
{
    QTreeWidget::showEvent(event);
    watchWindow();
}

void CFieldTree::watchWindow()
{
    if (m_watched == window())
        return;
    m_watched = window();
    // Keys go to whichever widget of the window has the focus, so listen application-wide
    // and keep only this window's.
    qApp->removeEventFilter(this);
    qApp->installEventFilter(this);
}

bool CFieldTree::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) &&
        withinWindow(watched, window())) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool down = type == QEvent::KeyPress;
        if (key->key() == Qt::Key_Alt)
            m_altHeld = down;
        else if (key->key() == Qt::Key_Shift)
            setDragEnabled(!down);
    } else if (type == QEvent::WindowDeactivate && watched == window()) {
        // A key released in another window never reaches us.
        m_altHeld = false;
        setDragEnabled(true);
    }
    return QTreeWidget::eventFilter(watched, event);
}
