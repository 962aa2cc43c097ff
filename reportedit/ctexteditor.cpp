#include "reportedit/ctexteditor.h"

#include "dialogs/ccolordialog.h"
#include "engine/checkedconnect.h"
#include "engine/datafolder.h"
#include "panels/ctheme.h"
#include "reportedit/cimagepreview.h"
#include "reportedit/valuetexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextBlock>
#include <QTextList>
#include <QToolButton>

namespace {
constexpr int kSlots = 256;
constexpr int kTextTop = 82;
const Qt::Alignment kAlignments[4] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight, Qt::AlignJustify};
}

CTextEditor::CTextEditor(QVector<QString> &texts, QVector<QImage> &images, QVector<bool> &flags,
                         const QVector<QString> &standardTexts, int reportKind, int tableKind,
                         const CTheme *theme, QWidget *parent)
    : QDialog(parent), m_outTexts(texts), m_outImages(images), m_outFlags(flags), m_texts(texts),
      m_images(images), m_flags(flags), m_standard(standardTexts), m_kind(reportKind),
      m_tableKind(tableKind), m_theme(theme)
{
    setWindowTitle(QStringLiteral("Text Editor"));
    const int slotCount = qMax(kSlots, m_standard.size());
    while (m_texts.size() < slotCount)
        m_texts.append(QString());
    while (m_images.size() < slotCount)
        m_images.append(QImage());
    while (m_flags.size() < slotCount)
        m_flags.append(true);

    m_family = new QFontComboBox(this);
    m_family->setAccessibleName(QStringLiteral("Font"));
    m_family->setCurrentFont(QFont(QStringLiteral("Arial")));
    m_family->setGeometry(10, 15, 180, 25);
    m_size = new QComboBox(this);
    m_size->setEditable(true);
    m_size->setAccessibleName(QStringLiteral("Size"));
    for (int s : QFontDatabase::standardSizes())
        m_size->addItem(QString::number(s));
    m_size->setGeometry(195, 15, 70, 25);
    m_bold = styleButton(QStringLiteral("Bold"), QStringLiteral("text-bold.png"), QStringLiteral("B"));
    m_italic = styleButton(QStringLiteral("Italic"), QStringLiteral("text-italic.png"), QStringLiteral("I"));
    m_underline = styleButton(QStringLiteral("Underline"), QStringLiteral("text-under.png"), QStringLiteral("U"));
    m_bold->setGeometry(272, 12, 30, 30);
    m_italic->setGeometry(304, 12, 30, 30);
    m_underline->setGeometry(336, 12, 30, 30);
    m_color = new QPushButton(QStringLiteral("Color"), this);
    m_color->setGeometry(372, 15, 58, 25);
    m_image = new QPushButton(QStringLiteral("Image"), this);
    m_image->setGeometry(434, 15, 58, 25);
    for (QPushButton *b : {m_color, m_image})
        b->setStyleSheet(QStringLiteral("padding: 1px 2px;"));
    const char *const alignNames[4] = {"Align left", "Centre", "Align right", "Justify"};
    const char *const alignTexts[4] = {"Left", "Centre", "Right", "Justify"};
    for (int i = 0; i < 4; ++i) {
        m_align[i] = rowButton(QString::fromLatin1(alignTexts[i]), QString::fromLatin1(alignNames[i]),
                               QRect(10 + i * 54, 47, 52, 25));
        m_align[i]->setCheckable(true);
        m_align[i]->setProperty("alignment", int(kAlignments[i]));
    }
    m_bullets = rowButton(QStringLiteral("\u2022 List"), QStringLiteral("Bulleted list"), QRect(226, 47, 56, 25));
    m_numbers = rowButton(QStringLiteral("1. List"), QStringLiteral("Numbered list"), QRect(284, 47, 56, 25));
    m_undo = rowButton(QStringLiteral("Undo"), QStringLiteral("Undo"), QRect(346, 47, 50, 25));
    m_redo = rowButton(QStringLiteral("Redo"), QStringLiteral("Redo"), QRect(398, 47, 50, 25));
    m_undo->setEnabled(false);
    m_redo->setEnabled(false);
    m_restore = new QPushButton(QStringLiteral("Restore standard text"), this);
    m_restore->setGeometry(454, 47, 156, 25);
    m_restore->setStyleSheet(QStringLiteral("padding: 1px 2px;"));
    m_values = new QComboBox(this);
    m_values->setAccessibleName(QStringLiteral("Value"));
    m_values->setToolTip(QStringLiteral("Value"));
    m_values->setGeometry(500, 15, 110, 25);
    m_edit = new QTextEdit(this);
    m_edit->setAccessibleName(QStringLiteral("Text"));
    m_edit->setAcceptRichText(true);
    m_default = new QCheckBox(QStringLiteral("Default text"), this);
    m_ok = new QPushButton(QStringLiteral("Ok"), this);
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);

    for (const auto &e : ValueTexts::chooserEntries(m_standard, tableKind))
        m_values->addItem(e.second, e.first);

    qz::checkedConnect(m_family, SIGNAL(currentTextChanged(QString)), this, SLOT(OnTextFamily(QString)));
    qz::checkedConnect(m_size, SIGNAL(currentTextChanged(QString)), this, SLOT(OnTextSize(QString)));
    qz::checkedConnect(m_bold, SIGNAL(clicked()), this, SLOT(OnTextBold()));
    qz::checkedConnect(m_italic, SIGNAL(clicked()), this, SLOT(OnTextItalic()));
    qz::checkedConnect(m_underline, SIGNAL(clicked()), this, SLOT(OnTextUnderline()));
    qz::checkedConnect(m_color, SIGNAL(clicked()), this, SLOT(OnTextColor()));
    qz::checkedConnect(m_image, SIGNAL(clicked()), this, SLOT(OnImage()));
    qz::checkedConnect(m_edit, SIGNAL(currentCharFormatChanged(QTextCharFormat)), this,
                       SLOT(currentCharFormatChanged(QTextCharFormat)));
    qz::checkedConnect(m_edit, SIGNAL(textChanged()), this, SLOT(editText()));
    qz::checkedConnect(m_values, SIGNAL(currentIndexChanged(int)), this, SLOT(setCurList(int)));
    qz::checkedConnect(m_default, SIGNAL(toggled(bool)), this, SLOT(defSet(bool)));
    qz::checkedConnect(m_ok, SIGNAL(clicked()), this, SLOT(OnOk()));
    qz::checkedConnect(m_cancel, SIGNAL(clicked()), this, SLOT(OnCancel()));
    for (QToolButton *b : m_align)
        qz::checkedConnect(b, SIGNAL(clicked()), this, SLOT(OnAlignButton()));
    qz::checkedConnect(m_bullets, SIGNAL(clicked()), this, SLOT(OnBulletList()));
    qz::checkedConnect(m_numbers, SIGNAL(clicked()), this, SLOT(OnNumberedList()));
    qz::checkedConnect(m_undo, SIGNAL(clicked()), m_edit, SLOT(undo()));
    qz::checkedConnect(m_redo, SIGNAL(clicked()), m_edit, SLOT(redo()));
    qz::checkedConnect(m_edit, SIGNAL(undoAvailable(bool)), m_undo, SLOT(setEnabled(bool)));
    qz::checkedConnect(m_edit, SIGNAL(redoAvailable(bool)), m_redo, SLOT(setEnabled(bool)));
    qz::checkedConnect(m_edit, SIGNAL(cursorPositionChanged()), this, SLOT(OnCursorMoved()));
    qz::checkedConnect(m_restore, SIGNAL(clicked()), this, SLOT(OnRestoreStandard()));

    if (theme)
        theme->styleWidget(this, CTheme::KindDialog);
    const bool any = m_values->count() > 0;
    m_edit->setEnabled(any);
    m_default->setEnabled(any);
    m_restore->setEnabled(any);
    resize(620, 480);
    setMinimumSize(620, 300);
    setCurList(m_values->currentIndex());
}

QToolButton *CTextEditor::styleButton(const QString &tip, const QString &picture, const QString &fallback)
{
    auto *b = new QToolButton(this);
    b->setCheckable(true);
    b->setToolTip(tip);
    b->setAccessibleName(tip);
    const QImage img = m_theme ? m_theme->themedImage(picture)
                               : QImage(DataFolder::path() + QStringLiteral("/images/") + picture);
    if (img.isNull())
        b->setText(fallback);
    else
        b->setIcon(QIcon(QPixmap::fromImage(img)));
    return b;
}

QToolButton *CTextEditor::rowButton(const QString &text, const QString &name, const QRect &geometry)
{
    auto *b = new QToolButton(this);
    b->setText(text);
    b->setToolTip(name);
    b->setAccessibleName(name);
    b->setGeometry(geometry);
    return b;
}

void CTextEditor::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int w = width();
    const int h = height();
    m_edit->setGeometry(10, kTextTop, w - 20, h - kTextTop - 45);
    m_default->setGeometry(10, h - 35, 250, 25);
    m_ok->setGeometry(w - 180, h - 32, 80, 20);
    m_cancel->setGeometry(w - 90, h - 32, 80, 20);
}

int CTextEditor::currentSlot() const
{
    const QVariant v = m_values->currentData();
    return v.isValid() ? v.toInt() : -1;
}

int CTextEditor::imageSlot() const
{
    const int slot = currentSlot();
    return m_kind == 3 && slot >= 0 ? slot : 0;
}

QImage &CTextEditor::imageRef()
{
    return m_images[imageSlot()];
}

void CTextEditor::setCurList(int list)
{
    Q_UNUSED(list)
    const int slot = currentSlot();
    m_loading = true;
    m_edit->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 16));
    if (slot < 0) {
        m_edit->clear();
    } else if (!m_texts.at(slot).isNull()) {
        m_edit->setHtml(ValueTexts::fromStored(m_texts.at(slot)));
    } else {
        m_edit->setHtml(slot < m_standard.size() ? m_standard.at(slot) : QString());
    }
    {
        const QSignalBlocker b(m_default);
        m_default->setChecked(slot >= 0 ? m_flags.at(slot) : true);
    }
    m_edit->setCurrentFont(QFont(QStringLiteral("Arial"), 16));
    m_loading = false;
}

void CTextEditor::editText()
{
    const int slot = currentSlot();
    if (m_loading || slot < 0)
        return;
    if (!m_edit->toPlainText().trimmed().isEmpty()) {
        {
            const QSignalBlocker b(m_default);
            m_default->setChecked(false);
        }
        m_flags[slot] = false;
        m_texts[slot] = ValueTexts::toStored(m_edit->document()->toHtml(QByteArrayLiteral("UTF-8")));
    } else {
        // Nothing left: the slot has no custom text and the standard one prints again.
        m_texts[slot] = QString();
        m_flags[slot] = true;
        const QSignalBlocker b(m_default);
        m_default->setChecked(true);
    }
}

void CTextEditor::defSet(bool on)
{
    const int slot = currentSlot();
    if (slot >= 0)
        m_flags[slot] = on;
}

void CTextEditor::mergeFormat(const QTextCharFormat &format)
{
    QTextCursor cursor = m_edit->textCursor();
    if (!cursor.hasSelection())
        cursor.select(QTextCursor::WordUnderCursor);
    cursor.mergeCharFormat(format);
    m_edit->mergeCurrentCharFormat(format);
}

void CTextEditor::OnTextBold()
{
    QTextCharFormat f;
    f.setFontWeight(m_bold->isChecked() ? 75 : 50);
    mergeFormat(f);
}

void CTextEditor::OnTextItalic()
{
    QTextCharFormat f;
    f.setFontItalic(m_italic->isChecked());
    mergeFormat(f);
}

void CTextEditor::OnTextUnderline()
{
    QTextCharFormat f;
    f.setFontUnderline(m_underline->isChecked());
    mergeFormat(f);
}

void CTextEditor::OnTextColor()
{
    CColorDialog dlg(m_edit->textColor(), CColorDialog::ColourOnly, m_theme, this);
    if (dlg.exec() != QDialog::Accepted)
        return;
    QTextCharFormat f;
    f.setForeground(dlg.color());
    mergeFormat(f);
}

void CTextEditor::OnAlign(int alignment)
{
    m_edit->setAlignment(Qt::Alignment(alignment));
    OnCursorMoved();
}

void CTextEditor::OnAlignButton()
{
    if (auto *b = qobject_cast<QToolButton *>(sender()))
        OnAlign(b->property("alignment").toInt());
}

void CTextEditor::OnCursorMoved()
{
    // Texts written elsewhere may use absolute left and right; they show as the plain ones.
    const Qt::Alignment current = m_edit->alignment() & Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute;
    for (QToolButton *b : m_align)
        b->setChecked(Qt::Alignment(b->property("alignment").toInt()) == current);
    const QTextList *list = m_edit->textCursor().currentList();
    m_bullets->setDown(list && list->format().style() == QTextListFormat::ListDisc);
    m_numbers->setDown(list && list->format().style() == QTextListFormat::ListDecimal);
}

void CTextEditor::toggleList(int style)
{
    QTextCursor cursor = m_edit->textCursor();
    cursor.beginEditBlock();
    QTextList *list = cursor.currentList();
    if (list && list->format().style() == style) {
        // The same button again takes the chosen paragraphs out of the list.
        const QTextBlock last = m_edit->document()->findBlock(cursor.selectionEnd());
        for (QTextBlock b = m_edit->document()->findBlock(cursor.selectionStart()); b.isValid(); b = b.next()) {
            if (b.textList() == list)
                list->remove(b);
            if (b == last)
                break;
        }
    } else {
        QTextListFormat format;
        format.setStyle(QTextListFormat::Style(style));
        format.setIndent(cursor.blockFormat().indent() + 1);
        cursor.createList(format);
    }
    cursor.endEditBlock();
    OnCursorMoved();
}

void CTextEditor::OnBulletList()
{
    toggleList(QTextListFormat::ListDisc);
}

void CTextEditor::OnNumberedList()
{
    toggleList(QTextListFormat::ListDecimal);
}

void CTextEditor::OnRestoreStandard()
{
    const int slot = currentSlot();
    if (slot < 0)
        return;
    m_texts[slot] = QString();
    m_flags[slot] = true;
    setCurList(m_values->currentIndex());
}

void CTextEditor::OnImage()
{
    CImagePreview dlg(imageRef(), m_kind, m_theme, this);
    dlg.exec();
}

void CTextEditor::OnTextFamily(const QString &Family)
{
    if (Family.isEmpty())
        return;
    QTextCharFormat f;
    f.setFontFamily(Family);
    mergeFormat(f);
}

void CTextEditor::OnTextSize(const QString &SizeStr)
{
    bool ok = false;
    const double pt = SizeStr.toDouble(&ok);
    if (!ok || pt <= 0)
        return;
    QTextCharFormat f;
    f.setFontPointSize(qMin(pt, 400.0));
    mergeFormat(f);
}

void CTextEditor::currentCharFormatChanged(const QTextCharFormat &format)
{
    const QSignalBlocker b1(m_family);
    const QSignalBlocker b2(m_size);
    m_family->setCurrentFont(format.font());
    m_size->setEditText(QString::number(format.font().pointSizeF()));
    m_bold->setChecked(format.font().bold());
    m_italic->setChecked(format.font().italic());
    m_underline->setChecked(format.font().underline());
}

void CTextEditor::OnOk()
{
    m_outTexts = m_texts;
    m_outImages = m_images;
    m_outFlags = m_flags;
    accept();
}

void CTextEditor::OnCancel()
{
    reject();
}

void CTextEditor::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return;
    QDialog::keyPressEvent(event);
}
