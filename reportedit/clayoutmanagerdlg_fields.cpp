// The field lists of the report manager: showing them, the control states,
// and every field edit as an undoable command.
#include "reportedit/clayoutmanagerdlg.h"

#include "dialogs/ccolordialog.h"
#include "dialogs/ctextdlgwin.h"
#include "reportedit/clayouteditcommand.h"
#include "reportedit/clayouteditmodel.h"
#include "reportedit/clayoutnameprompt.h"
#include "reportedit/ctexteditor.h"
#include "reportedit/cwclcontainer.h"
#include "reportedit/cwclcontainerwidget.h"
#include "reportedit/cwclitem.h"
#include "reportedit/fieldlabels.h"
#include "reportedit/lmitemmime.h"
#include "reportedit/valuetexts.h"
#include "reports/reportcatalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>

#include <algorithm>

namespace {

/** A field as the "Available fields" list offers it. */
CReportFieldItem availableItem(int kind, int id, const QString &caption)
{
    CReportFieldItem item = CReportFieldItem::create(kind, id, caption);
    item.headerFont.setPointSize(16);
    item.contentFont.setPointSize(14);
    return item;
}

}  // namespace

void CLayoutManagerDlg::showFields()
{
    QList<CReportFieldItem> order;
    QStringList orderLabels;
    QList<CReportFieldItem> avail;
    QStringList availLabels;
    if (m_cur >= 0) {
        for (const CReportFieldItem &item : m_model->layout(m_cur).fields(m_kind)) {
            CReportFieldItem shown = item;
            shown.padValues();
            order.append(shown);
            orderLabels.append(FieldLabels::shortLabel(m_kind, item.id));
        }
        for (const ReportCatalogue::Field &f : ReportCatalogue::availableFields(m_kind)) {
            const QString label = FieldLabels::availableLabel(m_kind, f.id);
            const bool pm = m_kind == RKLoveCompatibility && (f.id == 8 || f.id == 9);
            avail.append(availableItem(m_kind, f.id, pm ? label : QString::fromLatin1(f.caption)));
            availLabels.append(label);
        }
    }
    if (m_field >= order.size())
        m_field = order.isEmpty() ? -1 : order.size() - 1;
    fieldOrder()->setItems(order, orderLabels);
    availableFields()->setItems(avail, availLabels);
    fieldOrder()->setSelectedIndex(m_field);
    m_more.erase(std::remove_if(m_more.begin(), m_more.end(), [&order](int i) { return i >= order.size(); }),
                 m_more.end());
    fieldOrder()->setExtraSelection(m_more);
    {
        const QSignalBlocker b(m_kindBox);
        m_kindBox->setCurrentIndex(m_kind);
    }
    m_hideAll->setChecked(m_cur >= 0 && m_model->layout(m_cur).hidesAllImages(m_kind));
    refreshControls();
}

const CReportFieldItem *CLayoutManagerDlg::currentItem() const
{
    if (m_cur < 0 || m_field < 0)
        return nullptr;
    const QList<CReportFieldItem> &list = m_model->layout(m_cur).fields(m_kind);
    return m_field < list.size() ? &list.at(m_field) : nullptr;
}

void CLayoutManagerDlg::refreshControls()
{
    const bool has = m_cur >= 0;
    m_kindBox->setEnabled(has);
    m_orderList->setEnabled(has);
    m_availList->setEnabled(has);
    m_hideAll->setEnabled(has);
    m_delete->setEnabled(has);
    m_rename->setEnabled(has);

    const CReportFieldItem *item = currentItem();
    const bool own = item && !item->defaultStyle;
    m_default->setEnabled(item != nullptr);
    m_default->setChecked(item ? item->defaultStyle : true);
    for (QWidget *w : {static_cast<QWidget *>(m_headerFont), static_cast<QWidget *>(m_headerColor),
                       static_cast<QWidget *>(m_contentFont), static_cast<QWidget *>(m_contentColor),
                       static_cast<QWidget *>(m_hideImage), static_cast<QWidget *>(m_caption)})
        w->setEnabled(own);
    m_hideImage->setChecked(item && item->hidesImage());
    const bool head = item && item->id == 0 && m_kind != RKLoveCompatibility;
    const bool psychoMatrix = item && m_kind == RKLoveCompatibility && item->id == 4;
    // Fields without texts of their own have nothing to edit: keep the button honest.
    const bool table = item && textTableFor(m_kind, item->id) > 0;
    m_edit->setEnabled(own && !head && !psychoMatrix && table);
    m_caption->setToolTip(item ? QStringLiteral("Caption: ") + item->caption : QStringLiteral("Caption"));
}

void CLayoutManagerDlg::selectField(int index)
{
    const int count = m_cur >= 0 ? m_model->layout(m_cur).fields(m_kind).size() : 0;
    m_field = index >= 0 && index < count ? index : -1;
    m_more.clear();
    fieldOrder()->setSelectedIndex(m_field);
    refreshControls();
}

void CLayoutManagerDlg::OnExtendSelection(int index, bool range)
{
    const int count = m_cur >= 0 ? m_model->layout(m_cur).fields(m_kind).size() : 0;
    if (index < 0 || index >= count)
        return;
    if (m_field < 0) {
        selectField(index);
        return;
    }
    if (range) {
        m_more.clear();
        for (int i = qMin(m_field, index); i <= qMax(m_field, index); ++i)
            if (i != m_field)
                m_more.append(i);
    } else if (index != m_field) {
        if (!m_more.removeOne(index))
            m_more.append(index);
    }
    fieldOrder()->setExtraSelection(m_more);
    refreshControls();
}

void CLayoutManagerDlg::OnItemSelected(void *item)
{
    auto *row = static_cast<CWCLItem *>(item);
    selectField(row ? row->index() : -1);
}

void CLayoutManagerDlg::OnItemSelectedAlt(void *item)
{
    selectField(-1);
    // Marked for the keyboard (Enter adds it); it is not the selected field.
    auto *row = static_cast<CWCLItem *>(item);
    availableFields()->setSelectedIndex(row ? row->index() : -1);
}

void CLayoutManagerDlg::pushEdit(const CReportLayout &after, const QString &text)
{
    if (m_cur < 0)
        return;
    m_pushing = true;
    m_undo->push(new CLayoutEditCommand(m_model, m_curId, m_model->layout(m_cur), after, text));
    m_pushing = false;
}

void CLayoutManagerDlg::editItem(const std::function<void(CReportFieldItem &)> &change, const QString &text,
                                  bool allSelected)
{
    if (!currentItem())
        return;
    const CReportLayout before = m_model->layout(m_cur);
    CReportLayout after = before;
    QVector<int> rows{m_field};
    if (allSelected)
        rows += m_more;
    for (int row : rows)
        change(after.lists[m_kind][row]);
    if (!(after == before))
        pushEdit(after, text);
    else
        refreshControls();
}

// ---- drag and drop, keyboard ----

void CLayoutManagerDlg::OnOrderDropped(int gap, const QByteArray &data, quint64 source, int sourceIndex)
{
    if (m_cur < 0)
        return;
    CReportLayout after = m_model->layout(m_cur);
    if (source == quint64(quintptr(fieldOrder())) && sourceIndex >= 0) {
        if (!CLayoutEditModel::moveField(after, m_kind, sourceIndex, gap))
            return;
        m_field = gap > sourceIndex ? gap - 1 : gap;
        m_more.clear();
        pushEdit(after, QStringLiteral("Move field"));
        return;
    }
    CReportFieldItem item;
    if (!LmItemMime::decode(data, &item, nullptr) || item.reportKind != m_kind)
        return;
    item.padValues();
    CLayoutEditModel::insertField(after, m_kind, gap, item);
    m_field = qBound(0, gap, after.fields(m_kind).size() - 1);
    m_more.clear();
    pushEdit(after, QStringLiteral("Add field"));
}

void CLayoutManagerDlg::OnAvailableDropped(int, const QByteArray &, quint64 source, int sourceIndex)
{
    // Only a field dragged out of the order is removed; the catalogue stays as it is.
    if (source == quint64(quintptr(fieldOrder())) && sourceIndex >= 0)
        OnRemoveField(sourceIndex);
}

void CLayoutManagerDlg::OnAddAvailable(int index)
{
    const CWCLItem *row = availableFields()->itemAt(index);
    if (m_cur < 0 || !row)
        return;
    CReportLayout after = m_model->layout(m_cur);
    CReportFieldItem item = row->item();
    item.padValues();
    const int end = after.fields(m_kind).size();
    CLayoutEditModel::insertField(after, m_kind, end, item);
    m_field = end;
    m_more.clear();
    pushEdit(after, QStringLiteral("Add field"));
}

void CLayoutManagerDlg::OnMoveField(int index, int delta)
{
    if (m_cur < 0)
        return;
    CReportLayout after = m_model->layout(m_cur);
    const int gap = delta < 0 ? index - 1 : index + 2;
    if (!CLayoutEditModel::moveField(after, m_kind, index, gap))
        return;
    m_field = index + (delta < 0 ? -1 : 1);
    m_more.clear();
    pushEdit(after, QStringLiteral("Move field"));
}

void CLayoutManagerDlg::OnRemoveField(int index)
{
    if (m_cur < 0)
        return;
    CReportLayout after = m_model->layout(m_cur);
    if (!CLayoutEditModel::removeField(after, m_kind, index))
        return;
    m_field = -1;
    m_more.clear();
    pushEdit(after, QStringLiteral("Remove field"));
}

// ---- styles ----

void CLayoutManagerDlg::chooseFont(bool header)
{
    const CReportFieldItem *item = currentItem();
    if (!item)
        return;
    QFont font = header ? item->headerFont : item->contentFont;
    if (font.pixelSize() <= 0)
        font.setPixelSize(14);
    // Report styles are sized in pixels, which the report writer prints.
    CTextDlgWin dlg(font, QStringLiteral("Example Text"), m_theme, this, true);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QFont chosen = dlg.font();
    editItem([header, chosen](CReportFieldItem &it) { (header ? it.headerFont : it.contentFont) = chosen; },
             header ? QStringLiteral("Header font") : QStringLiteral("Content font"));
}

void CLayoutManagerDlg::chooseColor(bool header)
{
    const CReportFieldItem *item = currentItem();
    if (!item)
        return;
    CColorDialog dlg(header ? item->headerColor : item->contentColor, CColorDialog::ColourOnly, m_theme, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dlg.color();
    editItem([header, chosen](CReportFieldItem &it) { (header ? it.headerColor : it.contentColor) = chosen; },
             header ? QStringLiteral("Header color") : QStringLiteral("Content color"));
}

void CLayoutManagerDlg::OnHeaderFont()
{
    chooseFont(true);
}

void CLayoutManagerDlg::OnContentFont()
{
    chooseFont(false);
}

void CLayoutManagerDlg::OnHeaderColor()
{
    chooseColor(true);
}

void CLayoutManagerDlg::OnContentColor()
{
    chooseColor(false);
}

void CLayoutManagerDlg::OnCheckAllImages()
{
    if (m_cur < 0)
        return;
    CReportLayout after = m_model->layout(m_cur);
    after.options.insert(ReportCatalogue::hideImagesKey(m_kind),
                         m_hideAll->isChecked() ? QStringLiteral("TRUE") : QStringLiteral("FALSE"));
    pushEdit(after, QStringLiteral("Hide all images"));
}

void CLayoutManagerDlg::OnCheckCurImage()
{
    const QString value = m_hideImage->isChecked() ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    editItem([value](CReportFieldItem &it) { it.options.insert(QStringLiteral("hide-image"), value); },
             QStringLiteral("Hide image"));
}

void CLayoutManagerDlg::OnCheckDef()
{
    const bool on = m_default->isChecked();
    editItem([on](CReportFieldItem &it) { it.defaultStyle = on; }, QStringLiteral("Default style"));
}

void CLayoutManagerDlg::OnSetName()
{
    const CReportFieldItem *item = currentItem();
    if (!item)
        return;
    CLayoutNamePrompt prompt(QStringLiteral("New Name"), item->caption, nullptr, m_theme, this);
    if (prompt.exec() != QDialog::Accepted)
        return;
    const QString caption = prompt.lineEdit()->text();
    editItem([caption](CReportFieldItem &it) { it.caption = caption; }, QStringLiteral("Caption"), false);
}

void CLayoutManagerDlg::OnTextEdit()
{
    const CReportFieldItem *item = currentItem();
    if (!item)
        return;
    const int table = textTableFor(m_kind, item->id);
    if (table <= 0)
        return;
    CReportFieldItem copy = *item;
    CTextEditor editor(copy.customTexts, copy.images, copy.useDefaultText, ValueTexts::standardTexts(m_kind, item->id),
                       m_kind, table, m_theme, this);
    editor.setWindowTitle(QStringLiteral("Text Editor - ") + FieldLabels::shortLabel(m_kind, item->id));
    if (editor.exec() != QDialog::Accepted)
        return;
    editItem([&copy](CReportFieldItem &it) {
        it.customTexts = copy.customTexts;
        it.images = copy.images;
        it.useDefaultText = copy.useDefaultText;
    }, QStringLiteral("Texts and pictures"), false);
}
