#include "chartedit/cpapersizedlg.h"

#include "engine/checkedconnect.h"

#include <QComboBox>
#include <QDoubleValidator>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace {
int decimalsFor(SizeUnit unit)
{
    switch (unit) {
    case SizeUnit::Millimetres:
    case SizeUnit::ScreenUnits:
        return 1;
    case SizeUnit::Inches:
        break;
    }
    return 2;
}

QLabel *label(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setBuddy(buddy);
    buddy->setAccessibleName(text);
    return l;
}
} // namespace

CPaperSizeDlg::CPaperSizeDlg(Variant variant, bool screenUnits, QWidget *parent)
    : QWidget(parent), m_variant(variant)
{
    m_title = new QLineEdit(this);
    m_paper = new QComboBox(this);
    for (const PaperSize &p : papersize::paperSizes())
        m_paper->addItem(p.name);
    m_orientation = new QComboBox(this);
    m_orientation->addItems({QStringLiteral("Vertical"), QStringLiteral("Horizontal")});
    m_orientation->setAccessibleName(QStringLiteral("Orientation"));

    auto *validator = new QDoubleValidator(0.0, 100000.0, 4, this);
    validator->setNotation(QDoubleValidator::StandardNotation);
    validator->setLocale(QLocale::c());
    m_width = new QLineEdit(this);
    m_height = new QLineEdit(this);
    for (QLineEdit *e : {m_width, m_height})
        e->setValidator(validator);

    m_units = new QComboBox(this);
    m_units->addItems({QStringLiteral("inches"), QStringLiteral("millimeters")});
    if (screenUnits)
        m_units->addItem(QStringLiteral("screen units"));
    m_units->setAccessibleName(QStringLiteral("Units"));
    m_shownUnit = screenUnits ? SizeUnit::ScreenUnits : SizeUnit::Inches;
    m_units->setCurrentIndex(int(m_shownUnit));

    auto *grid = new QGridLayout;
    grid->setContentsMargins(12, 10, 12, 6);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(5);
    int row = 0;
    grid->addWidget(label(QStringLiteral("Title"), m_title, this), row, 0);
    grid->addWidget(m_title, row++, 1, 1, 2);
    grid->addWidget(label(QStringLiteral("Paper size"), m_paper, this), row, 0);
    grid->addWidget(m_paper, row, 1);
    grid->addWidget(m_orientation, row++, 2);
    grid->addWidget(label(QStringLiteral("Width"), m_width, this), row, 0);
    grid->addWidget(m_width, row, 1);
    grid->addWidget(m_units, row++, 2);
    grid->addWidget(label(QStringLiteral("Height"), m_height, this), row, 0);
    grid->addWidget(m_height, row++, 1);
    if (variant == VariantPage) {
        m_count = new QComboBox(this);
        m_count->setEditable(true);
        m_count->setInsertPolicy(QComboBox::NoInsert);
        // Digits or the infinity sign only: a typed word must not become "unlimited".
        m_count->setValidator(new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("\\s*(\\d{0,9}|") + papersize::pageCountText(0) +
                               QStringLiteral(")\\s*")),
            m_count));
        m_count->addItem(papersize::pageCountText(0));
        for (int n : {1, 2, 3, 4, 5, 10, 20, 50, 100})
            m_count->addItem(QString::number(n));
        grid->addWidget(label(QStringLiteral("Pages"), m_count, this), row, 0);
        grid->addWidget(m_count, row++, 1);
    }
    if (variant == VariantChart && screenUnits) {
        m_background = new QPushButton(QStringLiteral("Set Background"), this);
        m_background->setMinimumWidth(120);
        grid->addWidget(m_background, row++, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(row, 1);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(12, 0, 12, 10);
    buttons->setSpacing(8);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addLayout(grid, 1);
    outer->addLayout(buttons);

    qz::checkedConnect(ok, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(cancel, SIGNAL(clicked()), this, SLOT(OnCancel()));
    qz::checkedConnect(m_paper, SIGNAL(activated(int)), this, SLOT(OnPaperSize(int)));
    qz::checkedConnect(m_orientation, SIGNAL(activated(int)), this, SLOT(OnOrientation(int)));
    qz::checkedConnect(m_units, SIGNAL(activated(int)), this, SLOT(OnUnits(int)));
    qz::checkedConnect(m_width, SIGNAL(textEdited(QString)), this, SLOT(OnSizeEdited()));
    qz::checkedConnect(m_height, SIGNAL(textEdited(QString)), this, SLOT(OnSizeEdited()));

    setValues(QString(), papersize::paperSizes()[7].widthInches,
              papersize::paperSizes()[7].heightInches, 0);
}

SizeUnit CPaperSizeDlg::currentUnit() const
{
    return SizeUnit(qBound(0, m_units->currentIndex(), 2));
}

void CPaperSizeDlg::setValues(const QString &title, double widthInches, double heightInches,
                              int pageCount)
{
    m_title->setText(title);
    showSize(widthInches, heightInches);
    selectMatch();
    m_presetCount = papersize::clampPageCount(pageCount);
    if (m_count)
        m_count->setEditText(papersize::pageCountText(m_presetCount));
}

void CPaperSizeDlg::showSize(double widthInches, double heightInches)
{
    m_exactWidth = widthInches;
    m_exactHeight = heightInches;
    m_shownUnit = currentUnit();
    const int decimals = decimalsFor(m_shownUnit);
    m_shownWidth = QString::number(papersize::fromInches(widthInches, m_shownUnit), 'f', decimals);
    m_shownHeight = QString::number(papersize::fromInches(heightInches, m_shownUnit), 'f', decimals);
    m_width->setText(m_shownWidth);
    m_height->setText(m_shownHeight);
}

double CPaperSizeDlg::readEdit(const QLineEdit *edit, double exact) const
{
    const QString &shown = edit == m_width ? m_shownWidth : m_shownHeight;
    if (edit->text() == shown)
        return papersize::clampInches(exact);
    // The text is written in the unit it was shown in, even while the unit list changes.
    bool ok = false;
    const double value = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    return papersize::clampInches(ok ? papersize::toInches(value, m_shownUnit) : 0.0);
}

double CPaperSizeDlg::widthInches() const
{
    return readEdit(m_width, m_exactWidth);
}

double CPaperSizeDlg::heightInches() const
{
    return readEdit(m_height, m_exactHeight);
}

int CPaperSizeDlg::pageCount() const
{
    if (!m_count)
        return 0;
    bool ok = false;
    const int count = papersize::parsePageCount(m_count->currentText(), &ok);
    return ok ? count : m_presetCount; // text that is no count changes nothing
}

QString CPaperSizeDlg::title() const
{
    return m_title->text();
}

void CPaperSizeDlg::selectMatch()
{
    const PaperMatch match = papersize::matchPaperSize(widthInches(), heightInches());
    m_paper->setCurrentIndex(match.index);
    if (match.index > 0)
        m_orientation->setCurrentIndex(match.horizontal ? 1 : 0);
    else
        m_orientation->setCurrentIndex(widthInches() > heightInches() ? 1 : 0);
}

void CPaperSizeDlg::OnPaperSize(int index)
{
    const QVector<PaperSize> &sizes = papersize::paperSizes();
    if (index <= 0 || index >= sizes.size())
        return; // "Custom" keeps the edited values
    const PaperSize &p = sizes[index];
    if (m_orientation->currentIndex() == 1)
        showSize(p.heightInches, p.widthInches);
    else
        showSize(p.widthInches, p.heightInches);
}

void CPaperSizeDlg::OnOrientation(int index)
{
    const double w = widthInches();
    const double h = heightInches();
    const bool horizontal = index == 1;
    if ((w > h) != horizontal && w != h)
        showSize(h, w);
    else if (m_paper->currentIndex() > 0)
        OnPaperSize(m_paper->currentIndex());
}

void CPaperSizeDlg::OnUnits(int)
{
    // The values stay what they were; only their writing changes.
    const double w = readEdit(m_width, m_exactWidth);
    const double h = readEdit(m_height, m_exactHeight);
    showSize(w, h);
}

void CPaperSizeDlg::OnSizeEdited()
{
    const PaperMatch match = papersize::matchPaperSize(widthInches(), heightInches());
    m_paper->setCurrentIndex(match.index);
    if (match.index > 0)
        m_orientation->setCurrentIndex(match.horizontal ? 1 : 0);
}

void CPaperSizeDlg::OnOk()
{
    m_cancelled = false;
    emit finished();
}

void CPaperSizeDlg::OnCancel()
{
    m_cancelled = true;
    emit finished();
}
