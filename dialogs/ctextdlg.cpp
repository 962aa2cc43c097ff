#include "dialogs/ctextdlg.h"

#include "dialogs/ccolordialog.h"
#include "engine/checkedconnect.h"
#include "engine/datafolder.h"
#include "panels/ctheme.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

namespace {
constexpr double kMaxPointSize = 400.0;
}

CTextDlg::CTextDlg(const QFont &font, const QString &sample, const CTheme *theme, QWidget *parent, bool pixels)
    : QWidget(parent), m_theme(theme), m_font(font), m_pixels(pixels)
{
    auto *grid = new QGridLayout(this);
    m_family = new QFontComboBox(this);
    m_family->setAccessibleName(QStringLiteral("Font"));
    m_family->setCurrentFont(QFont(QStringLiteral("Arial")));
    if (!font.family().isEmpty())
        m_family->setCurrentFont(font);

    m_size = new QComboBox(this);
    m_size->setEditable(true);
    m_size->setAccessibleName(QStringLiteral("Size"));
    m_size->setInsertPolicy(QComboBox::NoInsert);
    for (int s : QFontDatabase::standardSizes())
        m_size->addItem(QString::number(s));
    if (m_pixels) {
        const int px = font.pixelSize() > 0 ? font.pixelSize() : 14;
        m_font.setPixelSize(px);
        m_size->setEditText(QString::number(px));
        m_size->setToolTip(QStringLiteral("Size in pixels"));
    } else {
        const double pt = font.pointSizeF() > 0 ? font.pointSizeF() : 12.0;
        m_size->setEditText(QString::number(pt));
        m_font.setPointSizeF(pt);
    }
    // A family this system lacks (Arial in a chart file) stays as it is until one is chosen.
    if (font.family().isEmpty())
        m_font.setFamily(m_family->currentFont().family());

    m_bold = styleButton(QStringLiteral("Bold"), QStringLiteral("text-bold.png"), QStringLiteral("B"), theme);
    m_italic = styleButton(QStringLiteral("Italic"), QStringLiteral("text-italic.png"), QStringLiteral("I"), theme);
    m_underline = styleButton(QStringLiteral("Underline"), QStringLiteral("text-under.png"),
                              QStringLiteral("U"), theme);
    m_bold->setChecked(font.bold());
    m_italic->setChecked(font.italic());
    m_underline->setChecked(font.underline());

    m_sample = new QLabel(this);
    m_sample->setText(sample.isEmpty() ? QStringLiteral("Text") : sample);
    m_sample->setAlignment(Qt::AlignCenter);
    m_sample->setMinimumSize(320, 90);
    m_sample->setFrameShape(QFrame::StyledPanel);
    m_sample->setAccessibleName(QStringLiteral("Sample"));

    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);

    grid->addWidget(m_family, 0, 0, 1, 2);
    grid->addWidget(m_size, 0, 2);
    auto *styleRow = new QHBoxLayout;
    styleRow->addWidget(new QLabel(QStringLiteral("Style"), this));
    styleRow->addWidget(m_bold);
    styleRow->addWidget(m_italic);
    styleRow->addWidget(m_underline);
    styleRow->addStretch();
    grid->addLayout(styleRow, 1, 0, 1, 3);
    grid->addWidget(m_sample, 2, 0, 1, 3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    grid->addLayout(buttons, 3, 0, 1, 3);

    qz::checkedConnect(m_family, SIGNAL(currentTextChanged(QString)), this, SLOT(OnTextFamily(QString)));
    qz::checkedConnect(m_size, SIGNAL(currentTextChanged(QString)), this, SLOT(OnTextSize(QString)));
    qz::checkedConnect(m_bold, SIGNAL(clicked()), this, SLOT(OnTextBold()));
    qz::checkedConnect(m_italic, SIGNAL(clicked()), this, SLOT(OnTextItalic()));
    qz::checkedConnect(m_underline, SIGNAL(clicked()), this, SLOT(OnTextUnderline()));
    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(m_cancel, SIGNAL(clicked()), this, SLOT(OnCancel()));
    showSample();
}

QToolButton *CTextDlg::styleButton(const QString &tip, const QString &picture, const QString &fallback,
                                   const CTheme *theme)
{
    auto *b = new QToolButton(this);
    b->setCheckable(true);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    const QString folder = theme ? theme->imageFolder()
                                 : DataFolder::path() + QStringLiteral("/images/");
    const QImage img = theme ? theme->themedImage(picture) : QImage(folder + picture);
    if (img.isNull())
        b->setText(fallback);
    else
        b->setIcon(QIcon(QPixmap::fromImage(img)));
    b->setIconSize(QSize(20, 20));
    return b;
}

QString CTextDlg::sampleText() const
{
    return m_sample->text();
}

void CTextDlg::showSample()
{
    QFont shown = m_font;
    // Very large sizes would only show a fragment of the sample.
    if (m_pixels && shown.pixelSize() > 64)
        shown.setPixelSize(64);
    else if (!m_pixels && shown.pointSizeF() > 48)
        shown.setPointSizeF(48);
    m_sample->setFont(shown);
    // The window's style sheet would override setFont(); the sample's own sheet wins.
    QString family = shown.family();
    family.remove(QLatin1Char('"'));
    QString colour;
    if (m_alignGroup) {
        const Qt::Alignment horizontal = m_alignment == 2   ? Qt::AlignRight
                                         : m_alignment == 4 ? Qt::AlignHCenter
                                                            : Qt::AlignLeft;
        m_sample->setAlignment(horizontal | Qt::AlignVCenter);
        colour = QStringLiteral(" color: %1;").arg(m_color.name());
    }
    m_sample->setStyleSheet(QStringLiteral("QLabel { font-family: \"%1\"; font-size: %2; font-weight: %3; "
                                           "font-style: %4; text-decoration: %5;%6 }")
                                .arg(family)
                                .arg(m_pixels ? QString::number(shown.pixelSize()) + QStringLiteral("px")
                                              : QString::number(shown.pointSizeF()) + QStringLiteral("pt"))
                                .arg(shown.bold() ? QStringLiteral("bold") : QStringLiteral("normal"))
                                .arg(shown.italic() ? QStringLiteral("italic") : QStringLiteral("normal"))
                                .arg(shown.underline() ? QStringLiteral("underline") : QStringLiteral("none"))
                                .arg(colour));
}

void CTextDlg::OnTextFamily(const QString &family)
{
    if (family.isEmpty())
        return;
    m_font.setFamily(family);
    showSample();
}

void CTextDlg::OnTextSize(const QString &size)
{
    bool ok = false;
    const double pt = size.trimmed().toDouble(&ok);
    // Half-typed or nonsense sizes keep the last good one.
    if (!ok || pt <= 0)
        return;
    if (m_pixels)
        m_font.setPixelSize(qMax(1, qRound(qMin(pt, kMaxPointSize))));
    else
        m_font.setPointSizeF(qMin(pt, kMaxPointSize));
    showSample();
}

void CTextDlg::OnTextItalic()
{
    m_font.setItalic(m_italic->isChecked());
    showSample();
}

void CTextDlg::OnTextBold()
{
    m_font.setBold(m_bold->isChecked());
    showSample();
}

void CTextDlg::OnTextUnderline()
{
    m_font.setUnderline(m_underline->isChecked());
    showSample();
}

void CTextDlg::showTextOptions(int alignment, const QColor &color)
{
    m_alignment = alignment;
    m_color = color;
    if (m_alignGroup) {
        showSample();
        return;
    }
    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Text"), this));
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    const struct {
        const char *name;
        const char *glyph;
        int flags;
    } choices[] = {{"Align Left", "L", 1}, {"Align Center", "C", 4}, {"Align Right", "R", 2}};
    for (const auto &choice : choices) {
        auto *action = new QAction(QLatin1String(choice.glyph), m_alignGroup);
        action->setToolTip(QLatin1String(choice.name));
        action->setCheckable(true);
        action->setData(choice.flags);
        action->setChecked(choice.flags == alignment);
        auto *button = new QToolButton(this);
        button->setDefaultAction(action);
        button->setAccessibleName(QLatin1String(choice.name));
        row->addWidget(button);
    }
    m_colorButton = new QToolButton(this);
    m_colorButton->setText(QStringLiteral("Color"));
    m_colorButton->setAccessibleName(QStringLiteral("Color"));
    row->addWidget(m_colorButton);
    row->addStretch();
    if (auto *grid = qobject_cast<QGridLayout *>(layout())) {
        // Above the sample and the buttons.
        QLayoutItem *sample = grid->itemAtPosition(2, 0);
        QLayoutItem *buttons = grid->itemAtPosition(3, 0);
        grid->removeItem(sample);
        grid->removeItem(buttons);
        grid->addLayout(row, 2, 0, 1, 3);
        grid->addItem(sample, 3, 0, 1, 3);
        grid->addItem(buttons, 4, 0, 1, 3);
    }
    qz::checkedConnect(m_alignGroup, SIGNAL(triggered(QAction *)), this, SLOT(OnTextAlign(QAction *)));
    qz::checkedConnect(m_colorButton, SIGNAL(clicked()), this, SLOT(OnTextColor()));
    showSample();
}

void CTextDlg::OnTextAlign(QAction *action)
{
    if (!action)
        return;
    m_alignment = action->data().toInt();
    showSample();
}

void CTextDlg::OnTextColor()
{
    QColor chosen;
    if (m_chooseColor) {
        chosen = m_chooseColor(m_color, this);
    } else {
        CColorDialog dlg(m_color, CColorDialog::ColourOnly, m_theme, this);
        dlg.setWindowModality(Qt::ApplicationModal);
        dlg.exec();
        if (dlg.mode() != CColorDialog::ModeCancelled)
            chosen = dlg.color();
    }
    if (!chosen.isValid())
        return; // cancelled
    m_color = chosen;
    showSample();
}

void CTextDlg::OnOk()
{
    emit finished(true);
}

void CTextDlg::OnCancel()
{
    emit finished(false);
}
