#include "panels/cinfocompmatrwidget.h"

#include "engine/checkedconnect.h"
#include "panels/ctheme.h"
#include "panels/matrixgrid.h"
#include "panels/matrixpaint.h"
#include "panels/panelpaint.h"

#include <QFontMetrics>
#include <QPainter>

using namespace MatrixGrid;
using namespace PanelPaint;

CInfoCompMatrWidget::CInfoCompMatrWidget(CTheme *theme, QWidget *parent)
    : QWidget(parent), CPanelRows(this), m_theme(theme)
{
    if (m_theme)
        qz::checkedConnect(m_theme, SIGNAL(themeChanged(int)), this, SLOT(updateData()));
}

void CInfoCompMatrWidget::setCells(const QStringList &first, const QStringList &second)
{
    m_first = first;
    m_second = second;
    update();
}

QStringList CInfoCompMatrWidget::sideCaptions() const
{
    return {m_firstName.isEmpty() ? QStringLiteral("Person") : m_firstName,
            m_secondName.isEmpty() ? QStringLiteral("Partner") : m_secondName};
}

void CInfoCompMatrWidget::setNames(const QString &first, const QString &second)
{
    m_firstName = first;
    m_secondName = second;
    update();
}

void CInfoCompMatrWidget::clearCells()
{
    m_first.clear();
    m_second.clear();
    update();
}

QSize CInfoCompMatrWidget::sizeHint() const
{
    return QSize(600, 290);
}

int CInfoCompMatrWidget::rowCount() const
{
    return existingCellCount();
}

QString CInfoCompMatrWidget::rowName(int row) const
{
    const int cell = nthCell(row);
    return cell < 0 ? QString() : label(cell, true);
}

QString CInfoCompMatrWidget::rowValue(int row) const
{
    const int cell = nthCell(row);
    if (cell < 0 || (m_first.isEmpty() && m_second.isEmpty()))
        return QString();
    const QStringList sides = sideCaptions();
    return sides.at(0) + QStringLiteral(": ") + m_first.value(cell) + QStringLiteral(", ") + sides.at(1)
        + QStringLiteral(": ") + m_second.value(cell);
}

QRect CInfoCompMatrWidget::rowRect(int row) const
{
    const int cell = nthCell(row);
    return cell < 0 ? QRect() : cellRect(cell % Columns, cell / Columns);
}

void CInfoCompMatrWidget::updateData()
{
    update();
}

void CInfoCompMatrWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    paintBackground(p, m_theme, rect());
    paintCells(p, m_theme, true);

    const bool any = !m_first.isEmpty() || !m_second.isEmpty();
    for (int cell = 0; cell < Cells; ++cell) {
        const int c = cell % Columns;
        const int r = cell / Columns;
        if (!isCell(c, r))
            continue;
        const QRect box = cellRect(c, r);
        const QRect left(box.left(), box.top(), box.width() / 2, box.height());
        const QRect right(box.left() + box.width() / 2, box.top(), box.width() - box.width() / 2,
                          box.height());
        if (any) {
            p.setPen(themed(m_theme, 0x6a5d55));
            p.drawLine(left.right() + 1, box.top() + 10, left.right() + 1, box.bottom() - 10);
        }
        paintValue(p, m_theme, left, m_first.value(cell), true);
        paintValue(p, m_theme, right, m_second.value(cell), true);
    }

    // Which side is whom, in the free corner of the first column.
    if (!m_firstName.isEmpty() || !m_secondName.isEmpty()) {
        const QFont small = pixelFont(QStringLiteral("Arial"), 10);
        const QFont bold = pixelFont(QStringLiteral("Arial"), 12, true);
        const QFontMetrics fm(bold);
        int y = 50;
        const QStringList captions = sideCaptions();
        for (int i = 0; i < captions.size(); ++i) {
            p.setFont(small);
            p.setPen(themed(m_theme, 0xb4a79b));
            p.drawText(12, y, i == 0 ? QStringLiteral("\u25e7") : QStringLiteral("\u25e8"));
            p.setFont(bold);
            p.setPen(themed(m_theme, i == 0 ? kAccent : kHeading));
            p.drawText(12, y + 16, fm.elidedText(captions.at(i), Qt::ElideRight, 104));
            y += 44;
        }
    }
}
